// Start-up with a game folder that lacks one of its files: start-up stops
// with the loader's message, naming the file.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/main_form.h"
#include "platform/backends/headless/headless_backend.h"
#include "platform/errors.h"
#include "platform/win32/application.h"
#include "support/temp_dir.h"

namespace fs = std::filesystem;

namespace {

// The build's assets, linked file by file, without `missing`.
void linkAssetsExcept(const TempDir& dir, const std::string& missing)
{
    dir.write("Brindlecog.portable", "");
    const fs::path source = fs::path(BRINDLECOG_GAME_DIR) / "SysData";
    for (const auto& entry : fs::recursive_directory_iterator(source)) {
        const fs::path target = dir.path() / "SysData" / fs::relative(entry.path(), source);
        if (entry.is_directory()) fs::create_directories(target);
        else if (entry.path().filename() != missing) {
            fs::create_directories(target.parent_path());
            std::error_code ec;
            fs::create_symlink(entry.path(), target, ec);
            // Windows' runtime makes no links: a hard link, else a copy.
            if (ec) fs::create_hard_link(entry.path(), target, ec);
            if (ec) fs::copy_file(entry.path(), target);
        }
    }
}

std::string startUpError(const std::string& missing)
{
    TempDir dir;
    linkAssetsExcept(dir, missing);
    platform::HeadlessBackend backend;
    platform::Application app(backend);
    app.setGameFolder(dir.folder());
    TfrmMain form(app);
    try {
        form.FormCreate();
    } catch (const platform::Exception& error) {
        EXPECT_FALSE(form.DTimer1.Enabled()) << "no frame is ever drawn";
        return error.what();
    }
    return "";
}

}  // namespace

TEST(AssetLoading, MissingSoundStopsStartUpWithTheSoundsMessage)
{
    const std::string message = startUpError("DatSnd005.dat");
    EXPECT_EQ(message.rfind("Error occured during loading (encrypted) sounds.  (", 0), 0u) << message;
    EXPECT_NE(message.find("DatSnd005.dat"), std::string::npos) << message;
    EXPECT_EQ(message.back(), ')');
}

TEST(AssetLoading, MissingImageStopsStartUpWithTheImagesMessage)
{
    const std::string message = startUpError("DatImg042.dat");
    EXPECT_EQ(message.rfind("Error occured during loading (encrypted) images.  (", 0), 0u) << message;
    EXPECT_NE(message.find("DatImg042.dat"), std::string::npos) << message;
}

TEST(AssetLoading, GameStartedFromAnotherFolderFindsItsOwnFiles)
{
    TempDir dir;
    linkAssetsExcept(dir, "");
    TempDir elsewhere;
    const fs::path before = fs::current_path();
    fs::current_path(elsewhere.path());
    platform::HeadlessBackend backend;
    platform::Application app(backend);
    app.setGameFolder(dir.folder());
    TfrmMain form(app);
    EXPECT_NO_THROW(form.FormCreate());
    EXPECT_EQ(form.FState, gsIntro);
    fs::current_path(before);
}

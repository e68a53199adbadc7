#include "platform/system/paths.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace {

void MakeGameFiles(const std::filesystem::path& folder) { std::filesystem::create_directories(folder / "SysData"); }

// The same folder, whichever separators the system writes.
std::filesystem::path Normal(const std::string& folder) { return std::filesystem::path(folder).lexically_normal(); }

}  // namespace

TEST(GameFolder, BesideTheProgramOrWhereTheInstallPutIt)
{
    TempDir dir;
    const std::string program = dir.folder() + "usr/games/";
    std::filesystem::create_directories(program);
    const std::string installedData = "../share/games/brindlecog";
    // Nothing anywhere: the program's folder, so the missing files are named there.
    EXPECT_EQ(platform::gameFolderFor(program, installedData), program);

    MakeGameFiles(dir.path() / "usr/share/games/brindlecog");
    EXPECT_EQ(Normal(platform::gameFolderFor(program, installedData)),
              Normal(dir.folder() + "usr/share/games/brindlecog/"));

    // A game folder of its own (the build's, an unpacked copy) wins.
    MakeGameFiles(program);
    EXPECT_EQ(platform::gameFolderFor(program, installedData), program);
}

#include "runs/scratch_folder.h"

#include <cstdio>
#include <fstream>
#include <random>
#include <stdexcept>

#include "app/user_folders.h"
#include "platform/system/utf8_path.h"

namespace fs = std::filesystem;

namespace {

// A new folder under the system's temporary folder, made by this call alone.
fs::path MakeUniqueFolder()
{
    std::error_code ec;
    const fs::path temp = fs::temp_directory_path(ec);
    if (ec) throw std::runtime_error("cannot make a scratch game folder: " + ec.message());
    std::random_device entropy;
    for (int attempt = 0; attempt < 100; ++attempt) {
        char name[32];
        std::snprintf(name, sizeof name, "brindlecog-run-%08x", static_cast<unsigned>(entropy()));
        if (fs::create_directory(temp / name, ec)) return temp / name;
        if (ec) break;
    }
    throw std::runtime_error("cannot make a scratch game folder in \"" + platform::utf8Text(temp) +
                             "\": " + (ec ? ec.message() : std::string("every name is taken")));
}

}  // namespace

ScratchGameFolder::ScratchGameFolder(const std::string& gameFolder) : path_(MakeUniqueFolder())
{
    std::error_code ec;
    const fs::path sysData = fs::absolute(platform::utf8Path(gameFolder) / "SysData", ec);
    fs::create_directory_symlink(sysData, path_ / "SysData", ec);
    // Where links need a privilege the player lacks, the pictures and
    // sounds are copied instead.
    if (ec) {
        ec.clear();
        fs::copy(sysData, path_ / "SysData", fs::copy_options::recursive, ec);
    }
    if (ec) {
        const std::string reason = ec.message();
        fs::remove_all(path_, ec);
        throw std::runtime_error("cannot link the game's SysData folder: " + reason);
    }
    fs::create_directories(path_ / "Levels", ec);
    fs::create_directories(path_ / "HighScores", ec);
    // Marked as a game folder of its own, so settings and scores stay here
    // and never reach the player's configuration folder.
    write(kPortableMarker, "A game folder for one run of Brindlecog, removed afterwards.\n");
}

ScratchGameFolder::~ScratchGameFolder()
{
    std::error_code ec;
    // A soak may have left folders read-only.
    for (const char* sub : {"", "HighScores", "Levels"})
        fs::permissions(path_ / sub, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(path_, ec);
}

void ScratchGameFolder::write(const std::string& name, const std::string& bytes) const
{
    const fs::path target = path_ / platform::utf8Path(name);
    std::error_code ec;
    fs::create_directories(target.parent_path(), ec);
    std::ofstream out(target, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) throw std::runtime_error("cannot write \"" + platform::utf8Text(target) + "\"");
}

std::string ScratchGameFolder::folder() const { return platform::utf8Text(path_) + "/"; }

#include "runs/scratch_folder.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <stdexcept>
#include <vector>

#include "app/user_folders.h"

namespace fs = std::filesystem;

ScratchGameFolder::ScratchGameFolder(const std::string& gameFolder)
{
    std::error_code ec;
    std::string pattern = (fs::temp_directory_path(ec) / "brindlecog-run-XXXXXX").string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (!::mkdtemp(name.data()))
        throw std::runtime_error(std::string("cannot make a scratch game folder: ") + std::strerror(errno));
    path_ = name.data();
    fs::create_directory_symlink(fs::absolute(fs::path(gameFolder) / "SysData", ec), path_ / "SysData", ec);
    if (ec) throw std::runtime_error("cannot link the game's SysData folder: " + ec.message());
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
    const fs::path target = path_ / name;
    std::error_code ec;
    fs::create_directories(target.parent_path(), ec);
    std::ofstream out(target, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) throw std::runtime_error("cannot write \"" + target.string() + "\"");
}

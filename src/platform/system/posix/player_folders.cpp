#include "platform/system/player_folders.h"

#include <pwd.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <vector>

namespace fs = std::filesystem;

namespace platform {
namespace {

std::string withSlash(std::string folder)
{
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

// Only absolute paths count; the base-directory rules ask to ignore others.
// Trailing slashes go, so joined paths read cleanly in messages.
std::string absoluteOrEmpty(const char* value)
{
    if (!value || value[0] != '/') return {};
    std::string path = value;
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

std::string homeFolder(const Environment& environment)
{
    if (std::string home = absoluteOrEmpty(environment("HOME")); !home.empty()) return home;
    // A session without HOME (started by some service managers): ask the
    // password database.
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found)
        return absoluteOrEmpty(found->pw_dir);
    return {};
}

bool sameFolder(const std::string& a, const std::string& b)
{
    const auto normal = [](const std::string& path) {
        std::string text = fs::path(path).lexically_normal().string();
        while (text.size() > 1 && text.back() == '/') text.pop_back();
        return text;
    };
    return normal(a) == normal(b);
}

// The pictures folder the desktop names in user-dirs.dirs, for example
// XDG_PICTURES_DIR="$HOME/Bilder"; empty when it names none.
std::string picturesFromUserDirs(const std::string& configHome, const std::string& home)
{
    std::ifstream in(configHome + "/user-dirs.dirs");
    const std::string key = "XDG_PICTURES_DIR=\"";
    for (std::string line; std::getline(in, line);) {
        if (line.rfind(key, 0) != 0) continue;
        const std::size_t end = line.rfind('"');
        if (end < key.size()) return {};
        std::string value = line.substr(key.size(), end - key.size());
        if (value.rfind("$HOME", 0) == 0) value = home + value.substr(5);
        // A pictures folder set to the home folder itself means none.
        if (value.empty() || value[0] != '/' || sameFolder(value, home)) return {};
        return value;
    }
    return {};
}

}  // namespace

PlayerFolders locatePlayerFolders(const Environment& environment)
{
    PlayerFolders folders;
    const std::string home = homeFolder(environment);
    std::string configHome = absoluteOrEmpty(environment("XDG_CONFIG_HOME"));
    if (configHome.empty() && !home.empty()) configHome = home + "/.config";
    if (configHome.empty()) return folders;
    folders.settings = withSlash(configHome + "/brindlecog");
    std::string pictures = home.empty() ? std::string() : picturesFromUserDirs(configHome, home);
    if (pictures.empty() && !home.empty()) pictures = home + "/Pictures";
    folders.screenshots = pictures.empty() ? folders.settings + "Screenshots/" : withSlash(pictures) + "Brindlecog/";
    return folders;
}

}  // namespace platform

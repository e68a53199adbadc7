#include "app/user_folders.h"

#include <cstdlib>
#include <filesystem>

#include "platform/system/utf8_path.h"

namespace {

std::string withSlash(std::string folder)
{
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

}  // namespace

TUserFolders LocateUserFolders(const std::string& appPath, const TEnvironment& environment)
{
    TUserFolders folders;
    const std::string app = withSlash(appPath);
    std::error_code ec;
    const bool portable = std::filesystem::exists(platform::utf8Path(app + kPortableMarker), ec);
    const platform::PlayerFolders player =
        portable ? platform::PlayerFolders{} : platform::locatePlayerFolders(environment);
    if (player.settings.empty()) {
        // The build's folder, a copy of it, or a player without any home.
        folders.Settings = app;
        folders.HighScores = app + "HighScores/";
        folders.Screenshots = app + "Screenshots/";
        return folders;
    }
    folders.Installed = true;
    folders.Settings = player.settings;
    folders.HighScores = player.settings;
    folders.Screenshots = player.screenshots;
    return folders;
}

TUserFolders LocateUserFolders(const std::string& appPath)
{
    return LocateUserFolders(appPath, [](const char* name) { return std::getenv(name); });
}

#include "platform/system/player_folders.h"

#include <windows.h>
#include <knownfolders.h>
#include <shlobj.h>

#include <filesystem>

#include "platform/system/utf8_path.h"

namespace platform {
namespace {

// A folder the shell knows (Roaming application data, Pictures), as UTF-8
// with a trailing slash; empty when it has none.
std::string knownFolder(REFKNOWNFOLDERID id)
{
    PWSTR path = nullptr;
    std::string folder;
    if (SUCCEEDED(::SHGetKnownFolderPath(id, KF_FLAG_DEFAULT, nullptr, &path)) && path && *path)
        folder = utf8Text(std::filesystem::path(path)) + "/";
    ::CoTaskMemFree(path);
    return folder;
}

}  // namespace

PlayerFolders locatePlayerFolders(const Environment&)
{
    PlayerFolders folders;
    const std::string appData = knownFolder(FOLDERID_RoamingAppData);
    if (appData.empty()) return folders;
    folders.settings = appData + "Brindlecog/";
    const std::string pictures = knownFolder(FOLDERID_Pictures);
    folders.screenshots = pictures.empty() ? folders.settings + "Screenshots/" : pictures + "Brindlecog/";
    return folders;
}

}  // namespace platform

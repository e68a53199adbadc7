#include "platform/system/player_folders.h"

namespace platform {

// The settings folder is the one the page keeps in the browser's storage
// (storage.js mounts it); screenshots go elsewhere, so each is handed to the
// player as a download once written rather than kept in that storage.
PlayerFolders locatePlayerFolders(const Environment&)
{
    return {"/home/web_user/.config/brindlecog/", "/home/web_user/Pictures/Brindlecog/"};
}

}  // namespace platform

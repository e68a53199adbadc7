#pragma once
// Where the system keeps a player's own files for an installed program:
// its settings folder and its pictures folder.
#include <functional>
#include <string>

namespace platform {

// Reads an environment variable; null when it is not set.
using Environment = std::function<const char*(const char* name)>;

struct PlayerFolders {
    std::string settings;     // the game's own settings folder, with a trailing slash; empty when there is none
    std::string screenshots;  // with a trailing slash
};

// Only looks; creates nothing.
PlayerFolders locatePlayerFolders(const Environment& environment);

}  // namespace platform

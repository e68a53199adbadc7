#pragma once
// Where the player's own files live: the settings file, the highscore record
// and screenshots. The game folder the build makes (and any copy of it)
// carries a marker file and keeps them beside the program. An installed game
// has no marker; its folder belongs to the system, so they go to the
// player's configuration and picture folders instead.
#include <string>

#include "platform/system/player_folders.h"

// The marker file of a game folder that keeps the player's files itself.
inline constexpr const char* kPortableMarker = "Brindlecog.portable";

struct TUserFolders {
    bool Installed = false;
    std::string Settings;     // folder of "Brindlecog.ini", with a trailing slash
    std::string HighScores;   // folder of the highscore record, with a trailing slash
    std::string Screenshots;  // with a trailing slash
};

// Reads an environment variable; null when it is not set.
using TEnvironment = platform::Environment;

// The folders for a game whose program lies in `appPath` (with a trailing
// slash). Only looks; creates nothing.
TUserFolders LocateUserFolders(const std::string& appPath, const TEnvironment& environment);
// The same with the process's own environment.
TUserFolders LocateUserFolders(const std::string& appPath);

#pragma once
// What the system does with a file the game has just written in full: on the
// desktop nothing more; in a page, settings and scores go to the browser's
// storage before the game goes on, and screenshots go to the player.
#include <string>

namespace platform {

// Throws EFileError when the file could not be kept where it belongs.
void fileWritten(const std::string& path);

}  // namespace platform

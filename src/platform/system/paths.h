#pragma once
#include <string>

namespace platform {

// Folder of the running executable, with a trailing slash; the current
// directory when the system cannot say.
std::string executableFolder();

// Folder of the game's files (SysData/, Levels/), with a trailing slash: the
// program's own folder when they lie beside it (the build's game folder and
// every copy of it), else an install's data folder, found from the program's
// folder as the install lays them out.
std::string gameFolder();
// The same for a program in `programFolder` whose install keeps its data at
// `installedData`, relative to the program's folder.
std::string gameFolderFor(const std::string& programFolder, const std::string& installedData);

}  // namespace platform

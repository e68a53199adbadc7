#pragma once
// A game folder of its own for one test: the generated assets of the build
// (linked, not copied, where the system allows) and its marker, and nothing else, so settings and
// highscores written by the test land in a fresh place beside the program.
#include <filesystem>
#include <string>

#include "support/shared_folder.h"
#include "support/temp_dir.h"

class GameFolder : public TempDir {
public:
    GameFolder()
    {
        ShareFolder(std::filesystem::path(BRINDLECOG_GAME_DIR) / "SysData", path() / "SysData");
        std::filesystem::create_directories(path() / "Levels");
        write("Brindlecog.portable", "");
    }
};

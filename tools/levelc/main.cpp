// levelc: compiles, dumps and checks the game's level files (see levelc_cli.h).
#include <iostream>
#include <string>
#include <vector>

#include "levelc_cli.h"

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    return RunLevelc(args, std::cout, std::cerr, BRINDLECOG_GAME_DIR);
}

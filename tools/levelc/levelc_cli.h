#pragma once
// The levelc command line:
//
//   levelc SOURCE -o FILE.lev         compile a level source
//   levelc --dump FILE.lev            print a level file as source text
//   levelc --check [--game DIR] FILE...
//                                     refuse levels that would not make a
//                                     sound shift (sources or .lev files)
//
// Exit status 0 on success, 1 when a file is refused or cannot be read,
// 2 for a command line levelc does not understand.
#include <filesystem>
#include <ostream>
#include <span>
#include <string>

// `gameDir` is where --check reads the game's fonts unless --game names another.
int RunLevelc(std::span<const std::string> args, std::ostream& out, std::ostream& err,
              const std::filesystem::path& gameDir);

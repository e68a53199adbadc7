// brindlecog-assetgen GAME_DIR: draws the game's pictures and synthesises its
// sounds into GAME_DIR/SysData and GAME_DIR/SysData/Products.

#include "generator.h"

#include <exception>
#include <iostream>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: brindlecog-assetgen GAME_DIR\n";
    return 2;
  }
  try {
    assetgen::generate_all(argv[1]);
  } catch (const std::exception& e) {
    std::cerr << "brindlecog-assetgen: " << e.what() << '\n';
    return 1;
  }
  return 0;
}

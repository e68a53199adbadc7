// brindlecog-assetgen GAME_DIR: draws the game's pictures and synthesises its
// sounds into GAME_DIR/SysData and GAME_DIR/SysData/Products.

#include "generator.h"

#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <exception>
#include <iostream>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: brindlecog-assetgen GAME_DIR\n";
    return 2;
  }
  int status = 0;
  try {
    assetgen::generate_all(argv[1]);
  } catch (const std::exception& e) {
    std::cerr << "brindlecog-assetgen: " << e.what() << '\n';
    status = 1;
  }
  // Hand back cairo's and fontconfig's caches so leak checkers see a clean exit.
  cairo_debug_reset_static_data();
  FcFini();
  return status;
}

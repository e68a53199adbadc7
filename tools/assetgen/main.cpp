// brindlecog-assetgen GAME_DIR: draws the game's pictures and synthesises its
// sounds into GAME_DIR/SysData and GAME_DIR/SysData/Products.
// brindlecog-assetgen --icon FILE.png: draws the 256 x 256 desktop icon.

#include "generator.h"
#include "icon.h"

#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <exception>
#include <iostream>
#include <string_view>

int main(int argc, char** argv) {
  const bool icon = argc == 3 && std::string_view(argv[1]) == "--icon";
  if (argc != 2 && !icon) {
    std::cerr << "usage: brindlecog-assetgen GAME_DIR | --icon FILE.png\n";
    return 2;
  }
  int status = 0;
  try {
    if (icon) assetgen::write_icon(argv[2], 256);
    else assetgen::generate_all(argv[1]);
  } catch (const std::exception& e) {
    std::cerr << "brindlecog-assetgen: " << e.what() << '\n';
    status = 1;
  }
  // Hand back cairo's and fontconfig's caches so leak checkers see a clean exit.
  cairo_debug_reset_static_data();
  FcFini();
  return status;
}

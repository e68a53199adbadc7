// brindlecog-assetgen GAME_DIR: draws the game's pictures and synthesises its
// sounds into GAME_DIR/SysData and GAME_DIR/SysData/Products.
// brindlecog-assetgen --icon FILE.png [SIZE] [--maskable]: draws the icon,
// 256 x 256 unless SIZE says otherwise; --maskable draws the home-screen
// variant whose plate fills the square.

#include "generator.h"
#include "icon.h"

#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <charconv>
#include <exception>
#include <iostream>
#include <optional>
#include <string_view>

namespace {

struct IconRequest {
  const char* file;
  int size = 256;
  assetgen::IconShape shape = assetgen::IconShape::Rounded;
};

// argv after "--icon"; nothing when the arguments make no sense.
std::optional<IconRequest> icon_request(int count, char** args) {
  if (count < 1 || count > 3) return std::nullopt;
  IconRequest request{args[0]};
  for (int i = 1; i < count; ++i) {
    const std::string_view arg = args[i];
    if (arg == "--maskable") {
      request.shape = assetgen::IconShape::Maskable;
      continue;
    }
    const auto [end, error] = std::from_chars(arg.data(), arg.data() + arg.size(), request.size);
    if (error != std::errc() || end != arg.data() + arg.size() || request.size < 16 || request.size > 4096)
      return std::nullopt;
  }
  return request;
}

}  // namespace

int main(int argc, char** argv) {
  const bool icon = argc >= 3 && std::string_view(argv[1]) == "--icon";
  const auto request = icon ? icon_request(argc - 2, argv + 2) : std::nullopt;
  if (icon ? !request : argc != 2) {
    std::cerr << "usage: brindlecog-assetgen GAME_DIR | --icon FILE.png [SIZE 16..4096] [--maskable]\n";
    return 2;
  }
  int status = 0;
  try {
    if (request) assetgen::write_icon(request->file, request->size, request->shape);
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

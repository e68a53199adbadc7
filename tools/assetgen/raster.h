#pragma once
// Turns an anti-aliased drawing into the hard-edged, colour-keyed pixels the
// game blits in 16-bit RGB565.

#include <cairo.h>

#include <cstdint>
#include <optional>
#include <vector>

namespace assetgen {

struct Rgb8 {
  std::uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb8&, const Rgb8&) = default;
};

inline constexpr Rgb8 kMagentaKey{255, 0, 255};
inline constexpr Rgb8 kGreyKey{128, 128, 128};

struct Image24 {
  int width = 0;
  int height = 0;
  std::vector<Rgb8> pixels;  // top-down rows

  Image24(int w, int h, Rgb8 fill);
  Rgb8 at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)]; }
  Rgb8& at(int x, int y) { return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)]; }
};

// The 16-bit value the game's display would store for a colour.
std::uint16_t to_rgb565(Rgb8 c);

// True when a colour is not the key in 565 but so close to it that it would
// read as a coloured fringe next to the holes.
bool near_key(Rgb8 c, Rgb8 key);

// With a key: pixels of at least half coverage keep their own colour at full
// opacity (un-premultiplied), all others become exactly the key, and opaque
// colours that would collide with or fringe the key are pushed away from it.
// Without a key the drawing is laid over `backdrop`.
Image24 flatten(cairo_surface_t* argb, std::optional<Rgb8> key, Rgb8 backdrop = {0, 0, 0});

}  // namespace assetgen

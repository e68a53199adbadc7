#include "raster.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

namespace assetgen {

Image24::Image24(int w, int h, Rgb8 fill)
    : width(w), height(h), pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), fill) {}

std::uint16_t to_rgb565(Rgb8 c) {
  return static_cast<std::uint16_t>(((c.r >> 3) << 11) | ((c.g >> 2) << 5) | (c.b >> 3));
}

namespace {

// Distance in 565 steps per channel, green counted at half weight so the three
// channels cover the same range of brightness.
int distance565(Rgb8 a, Rgb8 b) {
  const int dr = std::abs((a.r >> 3) - (b.r >> 3));
  const int dg = std::abs((a.g >> 2) - (b.g >> 2)) / 2;
  const int db = std::abs((a.b >> 3) - (b.b >> 3));
  return std::max({dr, dg, db});
}

// A generous margin: the game's tests call a colour a fringe within 2 steps.
constexpr int kKeyMargin = 4;

Rgb8 push_away_from_key(Rgb8 c, Rgb8 key) {
  if (to_rgb565(c) != to_rgb565(key) && distance565(c, key) > kKeyMargin) return c;
  if (key == kMagentaKey) {
    // Pinkish purple with real green in it is still clearly a colour of its own.
    return Rgb8{static_cast<std::uint8_t>(std::min<int>(c.r, 220)), static_cast<std::uint8_t>(std::max<int>(c.g, 60)),
                static_cast<std::uint8_t>(std::min<int>(c.b, 220))};
  }
  // Mid greys would vanish into a grey key; darken them towards the outline.
  auto dim = [](std::uint8_t v) { return static_cast<std::uint8_t>(v * 0.55); };
  return Rgb8{dim(c.r), dim(c.g), dim(c.b)};
}

}  // namespace

bool near_key(Rgb8 c, Rgb8 key) { return to_rgb565(c) != to_rgb565(key) && distance565(c, key) <= 2; }

Image24 flatten(cairo_surface_t* argb, std::optional<Rgb8> key, Rgb8 backdrop) {
  cairo_surface_flush(argb);
  if (cairo_image_surface_get_format(argb) != CAIRO_FORMAT_ARGB32) throw std::logic_error("drawing is not ARGB32");
  const int w = cairo_image_surface_get_width(argb);
  const int h = cairo_image_surface_get_height(argb);
  const int stride = cairo_image_surface_get_stride(argb);
  const unsigned char* data = cairo_image_surface_get_data(argb);

  Image24 out(w, h, key.value_or(backdrop));
  for (int y = 0; y < h; ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
    for (int x = 0; x < w; ++x) {
      const std::uint32_t p = row[x];
      const int a = static_cast<int>(p >> 24);
      const int pr = static_cast<int>((p >> 16) & 0xFF);
      const int pg = static_cast<int>((p >> 8) & 0xFF);
      const int pb = static_cast<int>(p & 0xFF);
      if (key) {
        if (a < 128) continue;  // stays key
        auto unmul = [a](int v) { return static_cast<std::uint8_t>(std::min(255, (v * 255 + a / 2) / a)); };
        out.at(x, y) = push_away_from_key(Rgb8{unmul(pr), unmul(pg), unmul(pb)}, *key);
      } else {
        // Premultiplied colour over an opaque backdrop.
        auto over = [a](int v, int back) { return static_cast<std::uint8_t>(std::min(255, v + (back * (255 - a) + 127) / 255)); };
        out.at(x, y) = Rgb8{over(pr, backdrop.r), over(pg, backdrop.g), over(pb, backdrop.b)};
      }
    }
  }
  return out;
}

}  // namespace assetgen

// The three bitmap fonts: one glyph per cell, in character order from the
// space, with the apostrophe also in the cell of code 96 and the caret block
// in the cell of code 123, where the game's font reader looks for them.
// The reader measures only a glyph's left margin and assumes the right one
// matches, so it spaces glyphs as if centred, three pixels from ink to ink;
// cells are otherwise pure key.

#include "art.h"
#include "canvas.h"
#include "draw.h"

#include <algorithm>
#include <string>

namespace assetgen::art {

namespace {

constexpr int kApostropheCell = 64;
constexpr int kCaretCell = 91;

struct FontStyle {
  const char* family;
  double size;      // font size in pixels
  double baseline;  // from the top of the cell
  Color fill_top;
  Color fill_bottom;
  Color outline;
  double outline_width;  // 0: a one-pixel rim below the letters instead
  // Pixels right of the cell's centre. Each one brings the next glyph two
  // pixels closer, since the reader takes the larger left margin for both.
  double nudge;
};

// The character a cell shows, or 0 for an empty cell.
char glyph_for(int pattern) {
  if (pattern == kApostropheCell) return '\'';
  const int code = pattern + 32;
  if (code <= 32 || code > 126) return 0;
  return static_cast<char>(code);
}

void glyph(const Cell& c, const FontStyle& s) {
  cairo_t* cr = c.cr;
  const double margin = 2 + s.outline_width;  // keeps ink off the first two columns
  const double rim = s.outline_width > 0 ? s.outline_width : 0.8;
  if (c.pattern == kCaretCell) {
    const double w = c.w * 0.45;
    cairo_rectangle(cr, (c.w - w) / 2, s.baseline - s.size * 0.72, w, s.size * 0.78);
    set_color(cr, s.outline);
    cairo_set_line_width(cr, rim * 2);
    cairo_stroke_preserve(cr);
    set_color(cr, s.fill_top);
    cairo_fill(cr);
    return;
  }
  const char ch = glyph_for(c.pattern);
  if (ch == 0) return;
  const std::string text(1, ch);
  cairo_select_font_face(cr, s.family, CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, s.size);
  cairo_text_extents_t ext;
  cairo_text_extents(cr, text.c_str(), &ext);
  const double room = c.w - 2 * margin;
  const double squeeze = std::min(1.0, room / std::max(1.0, ext.width));
  auto letter_path = [&](double dy) {
    cairo_new_path(cr);
    cairo_save(cr);
    cairo_translate(cr, c.w / 2 + s.nudge, dy);
    cairo_scale(cr, squeeze, 1.0);
    cairo_move_to(cr, -ext.width / 2 - ext.x_bearing, s.baseline);
    cairo_text_path(cr, text.c_str());
    cairo_restore(cr);
  };
  if (s.outline_width > 0) {
    letter_path(0);
    set_color(cr, s.outline);
    cairo_set_line_width(cr, s.outline_width * 2);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
  } else {
    // A rim straight below keeps the letters as wide as they are (the font
    // reader spaces glyphs by their ink) yet lifts them off dark ground.
    letter_path(1.2);
    set_color(cr, s.outline);
    cairo_fill(cr);
  }
  letter_path(0);
  PatternPtr g(cairo_pattern_create_linear(0, s.baseline - s.size * 0.75, 0, s.baseline));
  cairo_pattern_add_color_stop_rgb(g.get(), 0, s.fill_top.r, s.fill_top.g, s.fill_top.b);
  cairo_pattern_add_color_stop_rgb(g.get(), 1, s.fill_bottom.r, s.fill_bottom.g, s.fill_bottom.b);
  cairo_set_source(cr, g.get());
  cairo_fill(cr);
}

}  // namespace

// The rim of the two light fonts is a burnt amber rather than the house ink:
// they are drawn on the black cards too, where a near-black rim vanishes and
// leaves the letters standing apart. Nudged a pixel, neighbouring rims come
// one pixel apart, so text reads as words on black and on light ground alike.
constexpr Color kLightFontRim = hex(0x7A3E0E);

// Score bar and titles: warm yellow, heavy outline.
void bigfont(const Cell& c) {
  glyph(c, {"DejaVu Sans", 26, 28, hex(0xFFF27A), hex(0xF7A51E), kLightFontRim, 2.0, 1});
}
// Messages and the name box: white to gold with an outline, condensed so the
// longest hint message still fits on the screen.
void font1(const Cell& c) {
  glyph(c, {"DejaVu Sans Condensed", 16.5, 19, hex(0xFFFFFF), hex(0xFFD45A), kLightFontRim, 1.25, 1});
}
// Balloon text and key hints: dark letters with a light rim, narrow enough
// for the chief's longest line to fit his balloon.
void font2(const Cell& c) {
  glyph(c, {"DejaVu Sans", 13, 15, hex(0x24305E), hex(0x3A2050), pal::white, 0, 0});
}

}  // namespace assetgen::art

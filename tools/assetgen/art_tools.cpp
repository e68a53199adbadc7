// The piles on the bench and the tools. Tools show pattern 0 in the hand and
// on the pile; pattern 1 is the tool at work and pattern 2 the highlighted
// tool the recipe hint points at.

#include "art.h"
#include "draw.h"

namespace assetgen::art {

namespace {

// A bright card behind the tool, so the recipe hint's tool stands out from
// the products next to it.
void hint_glow(cairo_t* cr, double w, double h) {
  rounded_rect(cr, 1, 1, w - 2, h - 2, 7);
  ink_fill(cr, lighter(pal::hazard_yellow, 0.35), 1.5);
}

void puff(cairo_t* cr, double x, double y) {
  for (int i = 0; i < 3; ++i) ball(cr, x + i * 3.0, y - i * 4.0, 3 - i * 0.6, pal::white, 1.2);
}

void tray(cairo_t* cr, double w, Color top) {
  // A low pallet with a coloured mat the parts stand on.
  rounded_rect(cr, 1, 9, w - 2, 10, 2);
  ink_fill(cr, pal::wood);
  for (double x = 6; x < w - 4; x += 10) line(cr, x, 12, x, 17, pal::wood_dark, 1.2);
  rounded_rect(cr, 3, 4, w - 6, 7, 2);
  ink_fill(cr, top, 1.5);
}

// The pump: a cylinder with a T-handle and a hose nozzle at the bottom.
void pump(cairo_t* cr, int pattern) {
  const double handle = pattern == 1 ? 12 : 4;
  line(cr, 12.5, handle + 2, 12.5, 20, pal::steel_dark, 3);
  rounded_rect(cr, 4, handle - 1, 17, 5, 2);
  ink_fill(cr, pal::toy_red, 1.5);
  rounded_rect(cr, 7, 18, 11, 32, 3);
  ink_fill(cr, pal::toy_blue, 1.8);
  rounded_rect(cr, 6, 24, 13, 4, 1);
  flat_fill(cr, pal::white, 1);
  rounded_rect(cr, 3, 50, 19, 6, 2);
  ink_fill(cr, pal::steel, 1.5);
  cairo_new_path(cr);
  cairo_move_to(cr, 18, 44);
  cairo_curve_to(cr, 24, 46, 24, 56, 20, 58);
  set_color(cr, pal::ink);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  if (pattern == 1) puff(cr, 17, 58);
}

// The filler: a jug with a long spout.
void filler(cairo_t* cr, int pattern) {
  cairo_new_path(cr);
  cairo_move_to(cr, 5, 20);
  cairo_line_to(cr, 20, 20);
  cairo_line_to(cr, 21, 48);
  cairo_curve_to(cr, 21, 52, 4, 52, 4, 48);
  cairo_close_path(cr);
  ink_fill(cr, pal::steel);
  cairo_save(cr);
  rounded_rect(cr, 5, 32, 15, 18, 2);
  cairo_clip(cr);
  set_color(cr, pal::juice);
  cairo_paint(cr);
  cairo_restore(cr);
  rounded_rect(cr, 4, 14, 17, 7, 2);
  ink_fill(cr, pal::toy_green, 1.5);
  line(cr, 12.5, 14, 12.5, 4, pal::steel_dark, 3);
  ball(cr, 12.5, 4, 3, pal::toy_red, 1.2);
  cairo_new_path(cr);
  cairo_move_to(cr, 12, 52);
  cairo_line_to(cr, 12, 57);
  set_color(cr, pal::ink);
  cairo_set_line_width(cr, 4);
  cairo_stroke(cr);
  if (pattern == 1) ball(cr, 12, 59, 1.6, pal::juice, 0.8);
}

void spray_gun(cairo_t* cr, int pattern) {
  rounded_rect(cr, 6, 8, 13, 22, 3);
  ink_fill(cr, pal::toy_yellow);
  rounded_rect(cr, 9, 30, 7, 22, 2);
  ink_fill(cr, pal::steel_dark);
  rounded_rect(cr, 8, 2, 9, 7, 2);
  ink_fill(cr, pal::steel, 1.5);
  line(cr, 16, 34, 21, 38, pal::ink, 2.5);
  if (pattern == 1) {
    for (int i = 0; i < 5; ++i) ball(cr, 12.5 + (i - 2) * 2.5, 56 - (i % 2) * 2, 1.3, pal::toy_red, 0);
  }
}

void power_drill(cairo_t* cr, int pattern) {
  rounded_rect(cr, 8, 10, 34, 20, 6);
  ink_fill(cr, pal::cap_orange);
  rounded_rect(cr, 12, 28, 14, 30, 4);
  ink_fill(cr, pal::cap_orange);
  rounded_rect(cr, 10, 56, 18, 10, 3);
  ink_fill(cr, pal::suit_grey);
  rounded_rect(cr, 40, 15, 6, 10, 1.5);
  ink_fill(cr, pal::steel_dark, 1.5);
  line(cr, 46, 20, 49, 20, pal::steel, 2.5);
  for (double x : {14.0, 19.0, 24.0}) line(cr, x, 14, x, 20, darker(pal::cap_orange, 0.3), 1.3);
  if (pattern == 1) {
    line(cr, 47, 14, 49, 11, pal::ink, 1.2);
    line(cr, 47, 26, 49, 29, pal::ink, 1.2);
  }
}

}  // namespace

void pile_part(const Cell& c) { tray(c.cr, c.w, pal::toy_blue); }
void pile_bigpart(const Cell& c) { tray(c.cr, c.w, pal::toy_green); }
void pile_tool(const Cell& c) {
  tray(c.cr, c.w, pal::toy_red);
  for (double x = 8; x < c.w - 6; x += 8) line(c.cr, x, 6, x + 4, 9, pal::hazard_yellow, 1.5);
}

void compressor_presser(const Cell& c) {
  if (c.pattern == 2) hint_glow(c.cr, c.w, c.h);
  pump(c.cr, c.pattern);
}
void liquid_filler(const Cell& c) {
  if (c.pattern == 2) hint_glow(c.cr, c.w, c.h);
  filler(c.cr, c.pattern);
}
void airbrush(const Cell& c) {
  if (c.pattern == 2) hint_glow(c.cr, c.w, c.h);
  spray_gun(c.cr, c.pattern);
}
void drill(const Cell& c) {
  if (c.pattern == 2) hint_glow(c.cr, c.w, c.h);
  power_drill(c.cr, c.pattern);
}

}  // namespace assetgen::art

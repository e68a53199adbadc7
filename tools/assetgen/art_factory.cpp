// The factory hall: the floor, the back wall, the door, the ceiling pipes, the
// rail, the workbench and the two conveyor lines with their stands. They are
// laid out for an 800 x 600 screen: the upper belt's surface is at y 350, the
// lower belt's at y 395, the bench top at y 258.

#include "art.h"
#include "draw.h"
#include "canvas.h"
#include "shapes.h"

#include <cmath>
#include <numbers>
#include <tuple>

namespace assetgen::art {

namespace {

constexpr double kPi = std::numbers::pi;

void vertical_gradient(cairo_t* cr, double x, double y, double w, double h, Color top, Color bottom) {
  PatternPtr g(cairo_pattern_create_linear(0, y, 0, y + h));
  cairo_pattern_add_color_stop_rgb(g.get(), 0, top.r, top.g, top.b);
  cairo_pattern_add_color_stop_rgb(g.get(), 1, bottom.r, bottom.g, bottom.b);
  cairo_rectangle(cr, x, y, w, h);
  cairo_set_source(cr, g.get());
  cairo_fill(cr);
}

void window(cairo_t* cr, double x, double y, double w, double h) {
  rounded_rect(cr, x - 6, y - 6, w + 12, h + 12, 6);
  ink_fill(cr, pal::steel);
  cairo_save(cr);
  cairo_rectangle(cr, x, y, w, h);
  cairo_clip(cr);
  vertical_gradient(cr, x, y, w, h, lighter(pal::sky, 0.1), lighter(pal::sky, 0.5));
  for (const auto& [cx, cy, r] : {std::tuple{x + w * 0.3, y + h * 0.35, 10.0}, std::tuple{x + w * 0.7, y + h * 0.6, 8.0}}) {
    ellipse(cr, cx, cy, r * 1.8, r * 0.8);
    ellipse(cr, cx + r * 0.6, cy - r * 0.5, r, r * 0.8);
    set_color(cr, pal::white, 0.9);
    cairo_fill(cr);
  }
  cairo_restore(cr);
  cairo_rectangle(cr, x, y, w, h);
  set_color(cr, pal::ink);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  line(cr, x + w / 2, y, x + w / 2, y + h, pal::steel_dark, 4);
  line(cr, x, y + h / 2, x + w, y + h / 2, pal::steel_dark, 4);
  gloss(cr, x + w * 0.22, y + h * 0.2, w * 0.08, h * 0.05, 0.5);
}

void wall_clock(cairo_t* cr, double cx, double cy, double r) {
  ball(cr, cx, cy, r, pal::white, 3);
  for (int i = 0; i < 12; ++i) {
    const double a = 2 * kPi * i / 12;
    line(cr, cx + std::cos(a) * r * 0.75, cy + std::sin(a) * r * 0.75, cx + std::cos(a) * r * 0.88, cy + std::sin(a) * r * 0.88, pal::ink, 2);
  }
  line(cr, cx, cy, cx + r * 0.45, cy - r * 0.2, pal::ink, 3);
  line(cr, cx, cy, cx - r * 0.1, cy - r * 0.7, pal::ink, 2);
  ball(cr, cx, cy, 3, pal::tie_red, 1);
}

// A conveyor belt: rubber band, frame with rollers and stands. `phase` moves
// the belt 16 pixels left per pattern.
void conveyor(cairo_t* cr, double w, int phase, bool left_end, bool right_end) {
  const double top = 35;
  // Stands.
  for (double x = 40; x < w - 20; x += 130) {
    rounded_rect(cr, x, 64, 12, 26, 2);
    ink_fill(cr, pal::steel_dark);
  }
  // Frame.
  rounded_rect(cr, left_end ? 4 : -10, top + 8, (left_end ? w - 4 : w + 10) - (right_end ? 4 : -10), 24, 10);
  ink_fill(cr, pal::steel);
  hazard_stripes(cr, left_end ? 16 : 0, top + 26, w - 32, 4, 14);
  // Rollers seen through the frame.
  for (double x = 22; x < w - 10; x += 48) {
    ball(cr, x, top + 18, 7, pal::steel_dark, 1.5);
    const double a = -phase * 2 * kPi / 3;
    line(cr, x - std::cos(a) * 5, top + 18 - std::sin(a) * 5, x + std::cos(a) * 5, top + 18 + std::sin(a) * 5, pal::ink, 1.5);
  }
  // The belt band, with segments that travel left.
  cairo_save(cr);
  rounded_rect(cr, left_end ? 2 : -10, top, (left_end ? w - 2 : w + 10) - (right_end ? 2 : -10), 10, 5);
  cairo_clip_preserve(cr);
  set_color(cr, pal::belt);
  cairo_fill(cr);
  const double shift = -16.0 * phase;
  for (double x = std::fmod(shift, 48.0) - 48; x < w + 48; x += 48) {
    cairo_rectangle(cr, x, top, 24, 10);
    set_color(cr, lighter(pal::belt, 0.12));
    cairo_fill(cr);
    line(cr, x, top + 1, x, top + 9, darker(pal::belt, 0.4), 1.5);
  }
  gloss(cr, w / 2, top + 2, w / 2, 1.2, 0.25);
  cairo_restore(cr);
  rounded_rect(cr, left_end ? 2 : -10, top, (left_end ? w - 2 : w + 10) - (right_end ? 2 : -10), 10, 5);
  set_color(cr, pal::ink);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
}

}  // namespace

void floor(const Cell& c) {
  cairo_t* cr = c.cr;
  vertical_gradient(cr, 0, 0, c.w, c.h, pal::floor_tile, pal::floor_dark);
  // Tile rows get taller towards the viewer, which gives the floor depth.
  double y = 0;
  for (int row = 0; y < c.h; ++row) {
    const double h = 18 + row * 8;
    line(cr, 0, y, c.w, y, darker(pal::floor_tile, 0.2), 2);
    const double offset = row % 2 ? 0 : 40;
    for (double x = offset; x < c.w; x += 80) line(cr, x, y, x + (x - c.w / 2) * 0.08, y + h, darker(pal::floor_tile, 0.2), 2);
    y += h;
  }
  // A painted walkway edge near the back.
  hazard_stripes(cr, 0, 6, c.w, 8, 24);
  line(cr, 0, 6, c.w, 6, pal::ink, 1.5);
  line(cr, 0, 14, c.w, 14, pal::ink, 1.5);
}

void back_wall(const Cell& c) {
  cairo_t* cr = c.cr;
  vertical_gradient(cr, 0, 0, c.w, c.h, lighter(pal::wall, 0.15), pal::wall);
  // Brick wainscot along the bottom.
  vertical_gradient(cr, 0, 215, c.w, c.h - 215, pal::brick, darker(pal::brick, 0.2));
  for (int row = 0; 215 + row * 16 < c.h; ++row) {
    const double y = 215 + row * 16;
    line(cr, 0, y, c.w, y, lighter(pal::brick, 0.35), 2);
    for (double x = (row % 2) * 20; x < c.w; x += 40) line(cr, x, y, x, y + 16, lighter(pal::brick, 0.35), 2);
  }
  rounded_rect(cr, -10, 205, c.w + 20, 12, 3);
  ink_fill(cr, pal::wall_shade);
  // Vertical steel columns.
  for (double x : {230.0, 560.0}) {
    rounded_rect(cr, x, -10, 22, c.h + 20, 2);
    ink_fill(cr, pal::steel);
    for (double y = 20; y < c.h; y += 60) rivet(cr, x + 11, y, 2.5);
  }
  window(cr, 300, 40, 100, 80);
  window(cr, 440, 40, 100, 80);
  window(cr, 640, 40, 110, 80);
  wall_clock(cr, 600, 165, 24);
  gear(cr, 770, 175, 22, 12, pal::machine_green, 2);
  gear(cr, 742, 200, 14, 9, pal::hazard_yellow, 2);
  // Company sign.
  rounded_rect(cr, 300, 150, 220, 36, 8);
  ink_fill(cr, pal::overall_blue, 3);
  text_centered(cr, "BRINDLECOG WORKS", 410, 175, 19, pal::white, pal::ink, 1.5);
}

void door(const Cell& c) {
  cairo_t* cr = c.cr;
  const bool open = c.pattern == 1;
  // Frame around the doorway (the left part of the picture is off screen).
  rounded_rect(cr, 52, 18, 184, 372, 6);
  ink_fill(cr, pal::steel, 3);
  cairo_rectangle(cr, 70, 38, 150, 352);
  if (open) {
    PatternPtr g(cairo_pattern_create_linear(0, 38, 0, 390));
    const Color a = hex(0xFFE9A8), b = hex(0xE0B860);
    cairo_pattern_add_color_stop_rgb(g.get(), 0, a.r, a.g, a.b);
    cairo_pattern_add_color_stop_rgb(g.get(), 1, b.r, b.g, b.b);
    cairo_set_source(cr, g.get());
    cairo_fill_preserve(cr);
    set_color(cr, pal::ink);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    // The door leaf swung open against the frame.
    cairo_new_path(cr);
    cairo_move_to(cr, 70, 38);
    cairo_line_to(cr, 100, 54);
    cairo_line_to(cr, 100, 374);
    cairo_line_to(cr, 70, 390);
    cairo_close_path(cr);
    ink_fill(cr, pal::toy_blue, 2);
  } else {
    ink_fill(cr, pal::toy_blue, 2);
    // The signal light stands in front of the door: its head covers x 100
    // to 160 of this picture from y 134 down. Sign and window keep above.
    rounded_rect(cr, 92, 46, 106, 26, 4);
    ink_fill(cr, pal::white, 2);
    text_centered(cr, "STAFF ONLY", 145, 65, 14, pal::ink, pal::ink, 0);
    rounded_rect(cr, 100, 80, 90, 50, 6);
    ink_fill(cr, pal::glass, 2);
    gloss(cr, 120, 94, 10, 5, 0.6);
    ball(cr, 200, 240, 7, pal::hazard_yellow, 2);
    hazard_stripes(cr, 72, 350, 146, 30, 20);
  }
  rounded_rect(cr, 62, 22, 166, 14, 4);
  ink_fill(cr, pal::go_green, 2);
  text_centered(cr, "EXIT", 145, 34, 11, pal::white, pal::ink, 0);
}

void pipe(const Cell& c) {
  cairo_t* cr = c.cr;
  for (const auto& [y, h, col] : {std::tuple{20.0, 24.0, pal::machine_green}, std::tuple{48.0, 12.0, pal::toy_red}}) {
    rounded_rect(cr, -10, y, c.w + 20, h, h / 2);
    ink_fill(cr, col, 2.5);
    for (double x = 90; x < c.w; x += 200) {
      rounded_rect(cr, x, y - 3, 14, h + 6, 3);
      ink_fill(cr, pal::steel, 2);
    }
  }
  // Hangers to the ceiling.
  for (double x = 40; x < c.w; x += 200) {
    line(cr, x, 0, x, 20, pal::steel_dark, 4);
  }
}

void rails(const Cell& c) {
  cairo_t* cr = c.cr;
  rounded_rect(cr, 1, 1, c.w - 2, c.h - 2, 3);
  ink_fill(cr, pal::steel_dark, 2);
  line(cr, 4, 4, c.w - 4, 4, lighter(pal::steel, 0.3), 1.5);
  for (double x = 20; x < c.w; x += 60) rivet(cr, x, 7, 2.2);
  rounded_rect(cr, 0, 0, 10, c.h, 2);
  ink_fill(cr, pal::toy_red, 1.5);
}

void toolbank(const Cell& c) {
  cairo_t* cr = c.cr;
  // Pegboard with tool outlines above the bench.
  rounded_rect(cr, 8, 0, c.w - 16, 34, 4);
  ink_fill(cr, hex(0xD8C8A0), 2);
  for (double x = 18; x < c.w - 10; x += 14)
    for (double y = 6; y < 32; y += 9) ball(cr, x, y, 1.2, darker(hex(0xD8C8A0), 0.3), 0);
  // Spare tools hanging on the board, between where the piles stand.
  for (double x : {120.0, 300.0, 470.0}) {
    line(cr, x, 6, x, 28, pal::steel_dark, 4);  // spanner
    ellipse(cr, x, 6, 4.5, 4.5);
    flat_fill(cr, pal::steel_dark, 1.2);
    rounded_rect(cr, x + 14, 5, 16, 6, 2);   // hammer head
    ink_fill(cr, pal::steel, 1.2);
    line(cr, x + 22, 11, x + 22, 29, pal::wood_dark, 3.5);
    rounded_rect(cr, x + 38, 8, 8, 20, 3);   // screwdriver
    ink_fill(cr, pal::toy_red, 1.2);
    line(cr, x + 42, 28, x + 42, 32, pal::steel_dark, 2);
  }
  // Bench top.
  rounded_rect(cr, 0, 34, c.w, 14, 4);
  ink_fill(cr, pal::wood, 2.5);
  line(cr, 6, 38, c.w - 6, 38, lighter(pal::wood, 0.35), 2);
  // Drawers and legs.
  rounded_rect(cr, 10, 48, c.w - 20, 60, 3);
  ink_fill(cr, pal::wood_dark, 2);
  for (double x = 20; x + 90 < c.w - 10; x += 112) {
    rounded_rect(cr, x, 56, 96, 40, 4);
    ink_fill(cr, pal::wood, 2);
    rounded_rect(cr, x + 36, 70, 24, 7, 3);
    ink_fill(cr, pal::steel, 1.5);
  }
  for (double x : {14.0, c.w - 34}) {
    rounded_rect(cr, x, 104, 20, 46, 2);
    ink_fill(cr, pal::wood_dark, 2);
  }
}

void line_left_bank(const Cell& c) {
  cairo_t* cr = c.cr;
  rounded_rect(cr, 4, 50, c.w - 8, 62, 8);
  ink_fill(cr, pal::machine_green, 2.5);
  for (double x = 190; x < c.w - 30; x += 60) {
    rounded_rect(cr, x, 62, 44, 38, 4);
    ink_fill(cr, darker(pal::machine_green, 0.12), 2);
    for (double y = 70; y < 96; y += 7) line(cr, x + 8, y, x + 36, y, darker(pal::machine_green, 0.4), 2);
  }
  for (double x : {170.0, c.w - 40}) {
    rounded_rect(cr, x, 110, 24, 34, 3);
    ink_fill(cr, pal::steel_dark, 2);
  }
  hazard_stripes(cr, 8, 52, c.w - 16, 8, 16);
}

void line_right_bank(const Cell& c) {
  cairo_t* cr = c.cr;
  rounded_rect(cr, 4, 2, c.w - 8, 70, 8);
  ink_fill(cr, pal::machine_green, 2.5);
  hazard_stripes(cr, 8, 6, c.w - 16, 8, 16);
  for (double x = 24; x + 80 < c.w; x += 110) {
    rounded_rect(cr, x, 20, 86, 44, 5);
    ink_fill(cr, darker(pal::machine_green, 0.1), 2);
    for (double y = 28; y < 60; y += 8) line(cr, x + 10, y, x + 76, y, darker(pal::machine_green, 0.4), 2);
    rivet(cr, x + 5, 25, 2);
    rivet(cr, x + 81, 25, 2);
  }
  for (double x : {30.0, c.w / 2, c.w - 50}) {
    rounded_rect(cr, x, 70, 22, 23, 2);
    ink_fill(cr, pal::steel_dark, 2);
  }
}

void line_right(const Cell& c) { conveyor(c.cr, c.w, c.pattern, true, false); }
void line_left(const Cell& c) { conveyor(c.cr, c.w, c.pattern, false, true); }

}  // namespace assetgen::art

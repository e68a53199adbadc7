// The floor's moving and signalling machines: the grabber on its rail and
// the ball it drops, the speed box, and the approval light.

#include "art.h"
#include "canvas.h"
#include "draw.h"
#include "shapes.h"

#include <cmath>
#include <numbers>

namespace assetgen::art {

namespace {

constexpr double kPi = std::numbers::pi;

void glow(cairo_t* cr, double cx, double cy, double r, Color c) {
  PatternPtr g(cairo_pattern_create_radial(cx, cy, r * 0.3, cx, cy, r));
  cairo_pattern_add_color_stop_rgba(g.get(), 0, c.r, c.g, c.b, 0.9);
  cairo_pattern_add_color_stop_rgba(g.get(), 1, c.r, c.g, c.b, 0.0);
  cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
  cairo_set_source(cr, g.get());
  cairo_fill(cr);
}

void lamp(cairo_t* cr, double cx, double cy, double r, Color on, bool lit) {
  if (lit) glow(cr, cx, cy, r * 1.9, lighter(on, 0.3));
  ball(cr, cx, cy, r, lit ? lighter(on, 0.15) : darker(mix(on, pal::lamp_off, 0.7), 0.25), 2.5);
  if (lit) gloss(cr, cx - r * 0.3, cy - r * 0.35, r * 0.3, r * 0.2, 0.8);
}

}  // namespace

// Grabber: a trolley riding the rail with a claw, closed or open.
void grabber(const Cell& c) {
  cairo_t* cr = c.cr;
  const bool open = c.pattern == 1;
  // Trolley wheels sit on the rail at the top.
  for (double x : {22.0, 48.0}) ball(cr, x, 6, 5, pal::steel_dark, 1.8);
  rounded_rect(cr, 12, 9, 46, 14, 4);
  ink_fill(cr, pal::hazard_yellow, 2);
  ball(cr, 35, 16, 3, pal::stop_red, 1.2);
  rounded_rect(cr, 31, 22, 8, 20, 2);
  ink_fill(cr, pal::steel, 1.8);
  rounded_rect(cr, 20, 40, 30, 10, 4);
  ink_fill(cr, pal::cap_orange, 2);
  // Claw fingers: closed they curl round the top of the ball, open they spread.
  const double spread = open ? 14 : 0;
  for (double side : {-1.0, 1.0}) {
    const double x0 = 35 + side * 11;
    cairo_new_path(cr);
    cairo_move_to(cr, x0, 48);
    cairo_curve_to(cr, x0 + side * (8 + spread), 54, x0 + side * (8 + spread), 62, x0 + side * (spread - 4), 68);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    set_color(cr, pal::ink);
    cairo_set_line_width(cr, 7);
    cairo_stroke_preserve(cr);
    set_color(cr, pal::steel);
    cairo_set_line_width(cr, 3.5);
    cairo_stroke(cr);
  }
}

// Drop ball: patterns 0-2 the ball, 3 squashed after a hit.
void dropball(const Cell& c) {
  cairo_t* cr = c.cr;
  if (c.pattern == 3) {
    ellipse(cr, 20, 30, 17, 10);
    ink_fill(cr, pal::toy_red, 2);
    gloss(cr, 13, 26, 5, 2.5);
    star(cr, 8, 10, 6, 2.6, pal::hazard_yellow, 1.2);
    star(cr, 32, 8, 5, 2.2, pal::hazard_yellow, 1.2);
    star(cr, 21, 5, 4, 1.8, pal::white, 1.0);
    return;
  }
  // Patterns 0-2 show the ball's stripe a little further round, as if rolling.
  ball(cr, 20, 20, 17, pal::toy_red, 2);
  cairo_save(cr);
  cairo_translate(cr, 20, 20);
  cairo_rotate(cr, (2 - c.pattern) * 0.5);
  line(cr, -14, -4, 14, -4, pal::white, 3);
  cairo_restore(cr);
  cairo_new_path(cr);
  cairo_arc(cr, 20, 20, 17, 0, 2 * kPi);
  set_color(cr, pal::ink);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  gloss(cr, 13, 11, 5, 3);
}

// Speed box: a dial whose needle and lamps show speeds 0 to 3.
void speedbox(const Cell& c) {
  cairo_t* cr = c.cr;
  const int speed = c.pattern;
  rounded_rect(cr, 3, 3, 84, 84, 10);
  ink_fill(cr, pal::steel, 2.5);
  rounded_rect(cr, 10, 8, 70, 14, 4);
  ink_fill(cr, pal::ink, 1.5);
  text_centered(cr, "SPEED", 45, 19.5, 10, pal::hazard_yellow, pal::ink, 0);
  // Dial.
  cairo_new_path(cr);
  cairo_arc(cr, 45, 62, 28, kPi, 2 * kPi);
  cairo_close_path(cr);
  ink_fill(cr, pal::white, 2);
  const Color zones[] = {pal::lamp_off, pal::go_green, pal::hazard_yellow, pal::stop_red};
  for (int i = 0; i < 4; ++i) {
    cairo_new_path(cr);
    cairo_arc(cr, 45, 62, 24, kPi + kPi * i / 4 + 0.04, kPi + kPi * (i + 1) / 4 - 0.04);
    set_color(cr, zones[i]);
    cairo_set_line_width(cr, 6);
    cairo_stroke(cr);
  }
  const double a = kPi + kPi * (speed + 0.5) / 4;
  line(cr, 45, 62, 45 + std::cos(a) * 22, 62 + std::sin(a) * 22, pal::ink, 3.5);
  ball(cr, 45, 62, 4.5, pal::tie_red, 1.5);
  // Digit lamps 0..3 below.
  for (int i = 0; i < 4; ++i) {
    const double x = 18 + i * 18;
    ball(cr, x, 76, 5, i == speed ? zones[i == 0 ? 0 : i] : darker(pal::lamp_off, 0.3), 1.5);
    if (i == speed && i > 0) gloss(cr, x - 1.5, 74.5, 1.6, 1.1, 0.8);
  }
}

// Approval light: a lamp head with a green and a red lamp; off, approve, reject.
void lights(const Cell& c) {
  cairo_t* cr = c.cr;
  // Post and foot.
  rounded_rect(cr, 34, 100, 12, 186, 3);
  ink_fill(cr, pal::steel_dark, 2);
  hazard_stripes(cr, 36, 240, 8, 40, 8);
  ellipse(cr, 40, 288, 26, 8);
  ink_fill(cr, pal::steel_dark, 2);
  // Head.
  rounded_rect(cr, 10, 6, 60, 100, 12);
  ink_fill(cr, pal::ink, 2);
  rounded_rect(cr, 14, 10, 52, 92, 9);
  ink_fill(cr, hex(0x45404F), 0);
  // The glow stays inside the head so its soft edge never meets the key colour.
  cairo_save(cr);
  rounded_rect(cr, 14, 10, 52, 92, 9);
  cairo_clip(cr);
  lamp(cr, 40, 33, 17, pal::go_green, c.pattern == 1);
  lamp(cr, 40, 78, 17, pal::stop_red, c.pattern == 2);
  cairo_restore(cr);
  if (c.pattern == 1) {
    line(cr, 34, 33, 39, 39, pal::white, 3.5);
    line(cr, 39, 39, 48, 26, pal::white, 3.5);
  }
  if (c.pattern == 2) {
    line(cr, 34, 72, 46, 84, pal::white, 3.5);
    line(cr, 46, 72, 34, 84, pal::white, 3.5);
  }
}

// Light bar: the steel bracket behind the light.
void light_bar(const Cell& c) {
  cairo_t* cr = c.cr;
  rounded_rect(cr, 3, 0, 14, c.h, 3);
  ink_fill(cr, pal::steel, 2);
  for (double y = 14; y < c.h; y += 40) rivet(cr, 10, y, 2.5);
}

}  // namespace assetgen::art

// Toy and vehicle products: balls pumped up in two goes, the teddy bear, the
// boat, the car and the tractor, each built up part by part.

#include "art.h"
#include "draw.h"

#include <cmath>
#include <numbers>

namespace assetgen::art {

namespace {

constexpr double kPi = std::numbers::pi;

// A ball at inflation 0 (flat), 1 (half) or 2 (round), resting on the bottom edge.
struct BallShape {
  double cx, cy, rx, ry;
};
BallShape ball_shape(double w, double h, int stage) {
  const double r = std::min(w, h) / 2 - 2;
  const double sx = stage == 0 ? 1.05 : stage == 1 ? 0.85 : 1.0;
  const double sy = stage == 0 ? 0.32 : stage == 1 ? 0.62 : 1.0;
  return {w / 2, h - 2 - r * sy, r * sx, r * sy};
}

void beach_ball(cairo_t* cr, double w, double h, int stage) {
  const BallShape b = ball_shape(w, h, stage);
  const Color segs[] = {pal::toy_red, pal::white, pal::toy_blue, pal::white, pal::toy_yellow, pal::white};
  cairo_save(cr);
  ellipse(cr, b.cx, b.cy, b.rx, b.ry);
  cairo_clip(cr);
  for (int i = 0; i < 6; ++i) {
    cairo_new_path(cr);
    cairo_move_to(cr, b.cx, b.cy - b.ry * 0.1);
    cairo_arc(cr, b.cx, b.cy, b.rx * 2, kPi * i / 3 - kPi / 2, kPi * (i + 1) / 3 - kPi / 2);
    cairo_close_path(cr);
    set_color(cr, segs[i]);
    cairo_fill(cr);
  }
  cairo_restore(cr);
  ellipse(cr, b.cx, b.cy - b.ry * 0.1, b.rx * 0.18, b.ry * 0.18);
  flat_fill(cr, pal::white, 1.2);
  ellipse(cr, b.cx, b.cy, b.rx, b.ry);
  set_color(cr, pal::ink);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  gloss(cr, b.cx - b.rx * 0.4, b.cy - b.ry * 0.45, b.rx * 0.2, b.ry * 0.13);
}

void basket_ball(cairo_t* cr, double w, double h, int stage) {
  const BallShape b = ball_shape(w, h, stage);
  ellipse(cr, b.cx, b.cy, b.rx, b.ry);
  ink_fill(cr, pal::basket_orange);
  cairo_save(cr);
  ellipse(cr, b.cx, b.cy, b.rx, b.ry);
  cairo_clip(cr);
  set_color(cr, pal::ink);
  cairo_set_line_width(cr, 1.8);
  cairo_move_to(cr, b.cx - b.rx, b.cy);
  cairo_line_to(cr, b.cx + b.rx, b.cy);
  cairo_move_to(cr, b.cx, b.cy - b.ry);
  cairo_line_to(cr, b.cx, b.cy + b.ry);
  cairo_stroke(cr);
  for (double side : {-1.0, 1.0}) {
    ellipse(cr, b.cx + side * b.rx * 1.05, b.cy, b.rx * 0.6, b.ry * 1.1);
    cairo_stroke(cr);
  }
  cairo_restore(cr);
  gloss(cr, b.cx - b.rx * 0.4, b.cy - b.ry * 0.5, b.rx * 0.18, b.ry * 0.12);
}

void soccer_ball(cairo_t* cr, double w, double h, int stage) {
  const BallShape b = ball_shape(w, h, stage);
  ellipse(cr, b.cx, b.cy, b.rx, b.ry);
  ink_fill(cr, pal::white);
  cairo_save(cr);
  ellipse(cr, b.cx, b.cy, b.rx, b.ry);
  cairo_clip(cr);
  auto pentagon = [cr](double x, double y, double r) {
    cairo_new_path(cr);
    for (int i = 0; i < 5; ++i) {
      const double a = -kPi / 2 + 2 * kPi * i / 5;
      if (i == 0) cairo_move_to(cr, x + std::cos(a) * r, y + std::sin(a) * r);
      else cairo_line_to(cr, x + std::cos(a) * r, y + std::sin(a) * r);
    }
    cairo_close_path(cr);
    flat_fill(cr, pal::ink, 1.0);
  };
  cairo_translate(cr, b.cx, b.cy);
  cairo_scale(cr, b.rx / 26, b.ry / 26);
  pentagon(0, 0, 8);
  for (int i = 0; i < 5; ++i) {
    const double a = -kPi / 2 + 2 * kPi * i / 5 + kPi / 5;
    pentagon(std::cos(a) * 24, std::sin(a) * 24, 8);
    line(cr, std::cos(a) * 7, std::sin(a) * 7, std::cos(a) * 17, std::sin(a) * 17, pal::ink, 1.5);
  }
  cairo_restore(cr);
  gloss(cr, b.cx - b.rx * 0.4, b.cy - b.ry * 0.5, b.rx * 0.18, b.ry * 0.12);
}

// --- teddy bear -----------------------------------------------------------------
void bear_ear_pair(cairo_t* cr, double cx, double cy, double spread) {
  for (double side : {-1.0, 1.0}) {
    ball(cr, cx + side * spread, cy, 6, pal::bear_fur, 1.8);
    ball(cr, cx + side * spread, cy + 0.5, 3, pal::bear_light, 0);
  }
}
void bear_arm_pair(cairo_t* cr, double cx, double cy, double spread) {
  for (double side : {-1.0, 1.0}) {
    ellipse(cr, cx + side * spread, cy, 6, 9);
    ink_fill(cr, pal::bear_fur, 1.8);
  }
}
void bear_leg_pair(cairo_t* cr, double cx, double cy, double spread) {
  for (double side : {-1.0, 1.0}) {
    ellipse(cr, cx + side * spread, cy, 8, 7);
    ink_fill(cr, pal::bear_fur, 1.8);
    ellipse(cr, cx + side * spread, cy + 1, 4.5, 4);
    set_color(cr, pal::bear_light);
    cairo_fill(cr);
  }
}
void bear_torso_head(cairo_t* cr) {
  ellipse(cr, 25, 41, 13, 12);
  ink_fill(cr, pal::bear_fur);
  ellipse(cr, 25, 43, 7, 7);
  set_color(cr, pal::bear_light);
  cairo_fill(cr);
  ball(cr, 25, 20, 12, pal::bear_fur, 2);
  ellipse(cr, 25, 24, 6, 4.5);
  ink_fill(cr, pal::bear_light, 1.4);
  ellipse(cr, 25, 22.5, 2.2, 1.6);
  flat_fill(cr, pal::ink, 0.5);
  ball(cr, 20.5, 17, 1.7, pal::ink, 0);
  ball(cr, 29.5, 17, 1.7, pal::ink, 0);
  // A ribbon bow.
  cairo_new_path(cr);
  cairo_move_to(cr, 25, 31);
  cairo_line_to(cr, 19, 28);
  cairo_line_to(cr, 19, 34);
  cairo_close_path(cr);
  cairo_move_to(cr, 25, 31);
  cairo_line_to(cr, 31, 28);
  cairo_line_to(cr, 31, 34);
  cairo_close_path(cr);
  ink_fill(cr, pal::toy_red, 1.2);
}

// --- vehicles --------------------------------------------------------------------
void wheel(cairo_t* cr, double cx, double cy, double r) {
  ball(cr, cx, cy, r, pal::tyre, 2);
  ball(cr, cx, cy, r * 0.5, pal::steel, 1.5);
  ball(cr, cx, cy, r * 0.15, pal::steel_dark, 1);
}

void boat_hull(cairo_t* cr) {
  cairo_new_path(cr);
  cairo_move_to(cr, 2, 22);
  cairo_line_to(cr, 82, 20);
  cairo_curve_to(cr, 78, 30, 72, 38, 62, 38);
  cairo_line_to(cr, 16, 38);
  cairo_curve_to(cr, 10, 36, 5, 30, 2, 22);
  cairo_close_path(cr);
  ink_fill(cr, pal::toy_blue);
  rounded_rect(cr, 4, 20, 78, 5, 2);
  ink_fill(cr, pal::white, 1.5);
  for (double x : {20.0, 34.0, 48.0, 62.0}) ball(cr, x, 30, 2.8, pal::white, 1.2);
}
void boat_cabin_shape(cairo_t* cr) {
  rounded_rect(cr, 26, 6, 32, 16, 3);
  ink_fill(cr, pal::white);
  for (double x : {30.0, 41.0}) {
    rounded_rect(cr, x, 9, 8, 6, 1.5);
    ink_fill(cr, pal::glass, 1.2);
  }
  rounded_rect(cr, 22, 3, 40, 5, 2);
  ink_fill(cr, pal::toy_red, 1.5);
  rounded_rect(cr, 50, -4, 7, 9, 1);
  ink_fill(cr, pal::toy_yellow, 1.5);
}

void car_body(cairo_t* cr) {
  cairo_new_path(cr);
  cairo_move_to(cr, 4, 30);
  cairo_line_to(cr, 4, 20);
  cairo_curve_to(cr, 4, 17, 8, 16, 16, 15);
  cairo_line_to(cr, 26, 5);
  cairo_line_to(cr, 62, 5);
  cairo_line_to(cr, 74, 15);
  cairo_curve_to(cr, 84, 16, 88, 18, 88, 22);
  cairo_line_to(cr, 88, 30);
  cairo_close_path(cr);
  ink_fill(cr, pal::toy_red);
  cairo_new_path(cr);
  cairo_move_to(cr, 29, 8);
  cairo_line_to(cr, 43, 8);
  cairo_line_to(cr, 43, 15);
  cairo_line_to(cr, 22, 15);
  cairo_close_path(cr);
  ink_fill(cr, pal::glass, 1.5);
  cairo_new_path(cr);
  cairo_move_to(cr, 47, 8);
  cairo_line_to(cr, 60, 8);
  cairo_line_to(cr, 68, 15);
  cairo_line_to(cr, 47, 15);
  cairo_close_path(cr);
  ink_fill(cr, pal::glass, 1.5);
  ellipse(cr, 85, 21, 2.5, 2);
  flat_fill(cr, pal::hazard_yellow, 1);
  gloss(cr, 40, 18, 18, 1.5, 0.4);
  // Wheel arches stay dark until the wheels are on.
  for (double x : {22.0, 70.0}) {
    cairo_new_path(cr);
    cairo_arc(cr, x, 31, 9, kPi, 2 * kPi);
    cairo_close_path(cr);
    flat_fill(cr, pal::shadow, 1.5);
  }
}
void car_wheel_pair(cairo_t* cr) {
  wheel(cr, 22, 31, 8);
  wheel(cr, 70, 31, 8);
}

void tractor_body(cairo_t* cr) {
  rounded_rect(cr, 30, 24, 52, 14, 3);   // engine hood
  ink_fill(cr, pal::machine_green);
  rounded_rect(cr, 14, 4, 26, 32, 3);    // cab
  ink_fill(cr, pal::machine_green);
  rounded_rect(cr, 18, 8, 18, 13, 2);
  ink_fill(cr, pal::glass, 1.5);
  rounded_rect(cr, 66, 13, 5, 12, 1);    // exhaust
  ink_fill(cr, pal::steel_dark, 1.5);
  rounded_rect(cr, 10, 34, 74, 6, 2);    // chassis
  ink_fill(cr, pal::hazard_yellow, 1.5);
  for (double x : {48.0, 56.0, 64.0}) line(cr, x, 28, x, 34, darker(pal::machine_green, 0.35), 1.4);
}
void tractor_big_wheel(cairo_t* cr, double cx, double cy, double r) {
  ball(cr, cx, cy, r, pal::tyre, 2);
  for (int i = 0; i < 12; ++i) {
    const double a = 2 * kPi * i / 12;
    line(cr, cx + std::cos(a) * (r - 2), cy + std::sin(a) * (r - 2), cx + std::cos(a) * (r + 0.5), cy + std::sin(a) * (r + 0.5), pal::ink, 3);
  }
  ball(cr, cx, cy, r * 0.55, pal::hazard_yellow, 1.5);
  ball(cr, cx, cy, r * 0.18, pal::steel_dark, 1);
}

}  // namespace

// Balls: flat, half pumped, round.
void beachball(const Cell& c) { beach_ball(c.cr, c.w, c.h, c.pattern); }
void basketball(const Cell& c) { basket_ball(c.cr, c.w, c.h, c.pattern); }
void soccerball(const Cell& c) { soccer_ball(c.cr, c.w, c.h, c.pattern); }

// Bear: body and head, then legs, arms and ears.
void bear(const Cell& c) {
  cairo_t* cr = c.cr;
  if (c.pattern >= 3) bear_ear_pair(cr, 25, 10, 10);
  if (c.pattern >= 2) bear_arm_pair(cr, 25, 40, 13);
  if (c.pattern >= 1) bear_leg_pair(cr, 25, 52, 9);
  bear_torso_head(cr);
  if (c.pattern >= 1) {
    for (double side : {-1.0, 1.0}) {
      ellipse(cr, 25 + side * 9, 53, 4, 3.5);
      set_color(cr, pal::bear_light);
      cairo_fill(cr);
    }
  }
}
void bear_arms(const Cell& c) { bear_arm_pair(c.cr, 25, 10, 11); }
void bear_legs(const Cell& c) { bear_leg_pair(c.cr, 25, 10, 10); }
void bear_ears(const Cell& c) { bear_ear_pair(c.cr, 25, 10, 10); }

// Boat: hull, then the cabin.
void boat(const Cell& c) {
  if (c.pattern >= 1) boat_cabin_shape(c.cr);
  boat_hull(c.cr);
}
void boat_base(const Cell& c) { boat_hull(c.cr); }
void boat_cabin(const Cell& c) {
  cairo_save(c.cr);
  cairo_translate(c.cr, 0, 12);
  boat_cabin_shape(c.cr);
  cairo_restore(c.cr);
}

// Car: body on its own, then with wheels.
void car(const Cell& c) {
  car_body(c.cr);
  if (c.pattern >= 1) car_wheel_pair(c.cr);
}
void car_frame(const Cell& c) { car_body(c.cr); }
void car_wheels(const Cell& c) { car_wheel_pair(c.cr); }

// Tractor: body, then the big back wheel, then the small front wheel.
void tractor(const Cell& c) {
  tractor_body(c.cr);
  if (c.pattern >= 1) tractor_big_wheel(c.cr, 24, 34, 15);
  if (c.pattern >= 2) wheel(c.cr, 72, 40, 9);
}
void tractor_back_wheel(const Cell& c) { tractor_big_wheel(c.cr, 25, 25, 21); }
void tractor_front_wheel(const Cell& c) { wheel(c.cr, 25, 25, 14); }

}  // namespace assetgen::art

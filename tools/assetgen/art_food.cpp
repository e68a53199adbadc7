// Food products and their parts. Each product's patterns are its stages, so
// every layer is drawn by one function used both for the part on its own and
// for the product that has received it.

#include "art.h"
#include "draw.h"
#include "shapes.h"

#include <cmath>
#include <numbers>
#include <utility>

namespace assetgen::art {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kThin = 1.5;

// --- hamburger layers: (cx, bottom y, width) ---------------------------------
void bottom_bun(cairo_t* cr, double cx, double yb, double w) {
  rounded_rect(cr, cx - w / 2, yb - 8, w, 8, 3.5);
  ink_fill(cr, pal::bun, kThin);
}
void beef(cairo_t* cr, double cx, double yb, double w) {
  rounded_rect(cr, cx - w / 2 + 1, yb - 7, w - 2, 7, 3.5);
  ink_fill(cr, pal::beef, kThin);
  for (int i = 0; i < 3; ++i) line(cr, cx - w / 4 + i * w / 4 - 3, yb - 5, cx - w / 4 + i * w / 4 + 2, yb - 2, darker(pal::beef, 0.4), 1.2);
}
void onion(cairo_t* cr, double cx, double yb, double w) {
  const int rings = 4;
  for (int i = 0; i < rings; ++i) {
    const double x = cx - w / 2 + w * (i + 0.5) / rings;
    ellipse(cr, x, yb - 2.5, w / rings / 2 + 1, 2.5);
    set_color(cr, pal::onion);
    cairo_fill_preserve(cr);
    set_color(cr, hex(0x9B5FA8));
    cairo_set_line_width(cr, 1.4);
    cairo_stroke(cr);
  }
}
void lettuce(cairo_t* cr, double cx, double yb, double w) {
  cairo_new_path(cr);
  const double x0 = cx - w / 2 - 1, x1 = cx + w / 2 + 1;
  cairo_move_to(cr, x0, yb - 2);
  const int waves = 6;
  for (int i = 0; i < waves; ++i) {
    const double xa = x0 + (x1 - x0) * i / waves, xb = x0 + (x1 - x0) * (i + 1) / waves;
    cairo_curve_to(cr, xa + 1, yb - 7, xb - 1, yb - 7, xb, yb - 2);
  }
  cairo_curve_to(cr, x1, yb + 1, x0, yb + 1, x0, yb - 2);
  cairo_close_path(cr);
  ink_fill(cr, pal::lettuce, kThin);
}
void top_bun(cairo_t* cr, double cx, double yb, double w) {
  cairo_new_path(cr);
  cairo_move_to(cr, cx - w / 2, yb - 1);
  cairo_curve_to(cr, cx - w / 2, yb - 15, cx + w / 2, yb - 15, cx + w / 2, yb - 1);
  cairo_curve_to(cr, cx + w / 4, yb + 1, cx - w / 4, yb + 1, cx - w / 2, yb - 1);
  cairo_close_path(cr);
  ink_fill(cr, pal::bun, kThin);
  for (double sx : {-0.25, 0.0, 0.22, -0.1, 0.12}) {
    const double y = yb - 8 - (sx == 0.0 ? 2 : sx < 0 ? 0.5 : 0);
    ellipse(cr, cx + sx * w, y + (sx == -0.1 || sx == 0.12 ? -3 : 0), 1.4, 0.9);
    set_color(cr, pal::cream);
    cairo_fill(cr);
  }
  gloss(cr, cx - w * 0.18, yb - 10, w * 0.12, 1.6, 0.5);
}

// --- sorbet and ice cream ------------------------------------------------------
void scoop(cairo_t* cr, double cx, double cy, double r, Color c) {
  cairo_new_path(cr);
  cairo_arc(cr, cx, cy, r, kPi * 0.9, kPi * 2.1);
  // A drippy lower edge.
  const double y = cy + r * 0.35;
  cairo_curve_to(cr, cx + r, y + r * 0.2, cx + r * 0.6, y + r * 0.25, cx + r * 0.45, y + r * 0.1);
  cairo_curve_to(cr, cx + r * 0.3, y + r * 0.45, cx, y + r * 0.3, cx - r * 0.1, y + r * 0.1);
  cairo_curve_to(cr, cx - r * 0.4, y + r * 0.35, cx - r * 0.8, y + r * 0.25, cx - r * 0.98, y - r * 0.05);
  cairo_close_path(cr);
  ink_fill(cr, c, r > 8 ? 2.0 : kThin);
  gloss(cr, cx - r * 0.35, cy - r * 0.4, r * 0.28, r * 0.16);
}

void wafer(cairo_t* cr, double x, double y, double w, double h, double angle) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, angle);
  rounded_rect(cr, -w / 2, -h / 2, w, h, 2);
  ink_fill(cr, pal::cone, kThin);
  for (double i = -w / 2 + 4; i < w / 2; i += 4) line(cr, i, -h / 2 + 1.5, i, h / 2 - 1.5, darker(pal::cone, 0.3), 0.9);
  cairo_restore(cr);
}

void sundae_glass(cairo_t* cr) {
  // Foot and stem.
  ellipse(cr, 45, 84, 18, 4.5);
  ink_fill(cr, pal::glass);
  rounded_rect(cr, 41, 66, 8, 18, 2);
  ink_fill(cr, pal::glass);
  // Bowl.
  cairo_new_path(cr);
  cairo_move_to(cr, 18, 46);
  cairo_curve_to(cr, 20, 66, 70, 66, 72, 46);
  cairo_close_path(cr);
  ink_fill(cr, pal::glass);
  gloss(cr, 28, 52, 4, 2, 0.7);
}

constexpr Color kSorbet1 = pal::strawberry;
constexpr Color kSorbet2 = pal::vanilla;
constexpr Color kSorbet3 = pal::mint;

// --- ice rocket lolly -----------------------------------------------------------
void rocket_segment(cairo_t* cr, double cx, double yb, int which) {
  cairo_new_path(cr);
  if (which == 0) {  // fins and green base
    cairo_move_to(cr, cx - 12, yb);
    cairo_line_to(cr, cx - 16, yb + 2);
    cairo_line_to(cr, cx - 11, yb - 14);
    cairo_line_to(cr, cx - 10, yb - 26);
    cairo_line_to(cr, cx + 10, yb - 26);
    cairo_line_to(cr, cx + 11, yb - 14);
    cairo_line_to(cr, cx + 16, yb + 2);
    cairo_line_to(cr, cx + 12, yb);
    cairo_close_path(cr);
    ink_fill(cr, pal::rocket_green);
  } else if (which == 1) {
    rounded_rect(cr, cx - 10, yb - 24, 20, 24, 2);
    ink_fill(cr, pal::rocket_yellow);
    ball(cr, cx, yb - 12, 4.5, pal::glass, 1.5);
  } else {
    cairo_move_to(cr, cx - 10, yb);
    cairo_curve_to(cr, cx - 10, yb - 16, cx - 4, yb - 26, cx, yb - 30);
    cairo_curve_to(cr, cx + 4, yb - 26, cx + 10, yb - 16, cx + 10, yb);
    cairo_close_path(cr);
    ink_fill(cr, pal::rocket_red);
  }
  gloss(cr, cx - 5, yb - 14, 1.8, 6, 0.45);
}

void lolly_stick(cairo_t* cr, double cx, double top, double bottom) {
  rounded_rect(cr, cx - 3.5, top, 7, bottom - top, 3.5);
  ink_fill(cr, pal::cone, kThin);
}

// --- fruit --------------------------------------------------------------------
void orange_fruit(cairo_t* cr, double cx, double cy, double r) {
  ball(cr, cx, cy, r, pal::orange);
  ellipse(cr, cx + r * 0.3, cy - r * 0.95, r * 0.35, r * 0.16);
  flat_fill(cr, pal::leaf, 1.2);
}
void apple_fruit(cairo_t* cr, double cx, double cy, double r) {
  cairo_new_path(cr);
  cairo_move_to(cr, cx, cy - r * 0.7);
  cairo_curve_to(cr, cx + r * 0.6, cy - r * 1.2, cx + r * 1.3, cy - r * 0.4, cx + r * 0.9, cy + r * 0.5);
  cairo_curve_to(cr, cx + r * 0.6, cy + r * 1.1, cx + r * 0.2, cy + r, cx, cy + r * 0.85);
  cairo_curve_to(cr, cx - r * 0.2, cy + r, cx - r * 0.6, cy + r * 1.1, cx - r * 0.9, cy + r * 0.5);
  cairo_curve_to(cr, cx - r * 1.3, cy - r * 0.4, cx - r * 0.6, cy - r * 1.2, cx, cy - r * 0.7);
  cairo_close_path(cr);
  ink_fill(cr, pal::apple);
  gloss(cr, cx - r * 0.4, cy - r * 0.2, r * 0.2, r * 0.32);
  line(cr, cx, cy - r * 0.7, cx + r * 0.15, cy - r * 1.15, pal::wood_dark, 2);
  ellipse(cr, cx + r * 0.45, cy - r * 1.0, r * 0.32, r * 0.14);
  flat_fill(cr, pal::leaf, 1.2);
}
void grapes_fruit(cairo_t* cr, double cx, double cy, double r) {
  const double g = r * 0.3;
  const double rows[4][3] = {{-1.5, 0, 1.5}, {-1, 1, 9}, {0, 9, 9}, {9, 9, 9}};
  for (int row = 0; row < 3; ++row)
    for (double col : rows[row])
      if (col < 9) ball(cr, cx + col * g * 1.2, cy - r * 0.45 + row * g * 1.7, g, pal::grape, 1.2);
  line(cr, cx, cy - r * 0.75, cx + 1, cy - r * 1.05, pal::wood_dark, 2);
  ellipse(cr, cx - r * 0.3, cy - r * 0.9, r * 0.3, r * 0.14);
  flat_fill(cr, pal::leaf, 1.2);
}
void bananas_fruit(cairo_t* cr, double cx, double cy, double r) {
  for (int i = 0; i < 3; ++i) {
    const double dy = (i - 1) * r * 0.3;
    cairo_new_path(cr);
    cairo_move_to(cr, cx - r, cy - r * 0.4 + dy);
    cairo_curve_to(cr, cx - r * 0.6, cy + r * 0.6 + dy, cx + r * 0.6, cy + r * 0.6 + dy, cx + r, cy - r * 0.5 + dy);
    cairo_curve_to(cr, cx + r * 0.5, cy + r * 0.2 + dy, cx - r * 0.5, cy + r * 0.2 + dy, cx - r, cy - r * 0.4 + dy);
    cairo_close_path(cr);
    ink_fill(cr, pal::banana, 1.4);
  }
  line(cr, cx + r, cy - r * 0.5 - r * 0.3, cx + r * 1.05, cy - r * 0.8, pal::wood_dark, 2.5);
}

void crate_back(cairo_t* cr, double w, double h) {
  // The inside of the box, seen over its front edge.
  rounded_rect(cr, 3, h - 24, w - 6, 20, 3);
  ink_fill(cr, darker(pal::cardboard, 0.3));
}
void crate_front(cairo_t* cr, double w, double h) {
  rounded_rect(cr, 1, h - 14, w - 2, 13, 2);
  ink_fill(cr, pal::cardboard);
  for (double x = 24; x < w - 10; x += 24) line(cr, x, h - 12, x, h - 3, darker(pal::cardboard, 0.25), 1.2);
  rounded_rect(cr, w / 2 - 12, h - 11, 24, 8, 2);
  flat_fill(cr, pal::white, 1);
  gear(cr, w / 2, h - 7, 3, 7, pal::cap_orange, 0.8);
}

// --- pizza -----------------------------------------------------------------------
void pizza_base(cairo_t* cr, double cx, double cy, double rx, double ry) {
  ellipse(cr, cx, cy, rx, ry);
  ink_fill(cr, pal::dough);
  ellipse(cr, cx, cy - 1, rx - 4, ry - 3);
  set_color(cr, lighter(pal::dough, 0.25));
  cairo_fill(cr);
}
void pizza_sauce(cairo_t* cr, double cx, double cy, double rx, double ry) {
  ellipse(cr, cx, cy - 1, rx - 4, ry - 3);
  set_color(cr, pal::tomato);
  cairo_fill(cr);
  for (double dx : {-0.4, 0.1, 0.45}) {
    ellipse(cr, cx + dx * rx, cy - 2 + dx * 3, rx * 0.12, ry * 0.22);
    set_color(cr, lighter(pal::tomato, 0.3));
    cairo_fill(cr);
  }
}
void pizza_toppings(cairo_t* cr, double cx, double cy, double rx, double ry) {
  // Cheese blobs, green pepper rings, olives, mushrooms.
  const double spots[][2] = {{-0.55, -0.1}, {-0.2, 0.3}, {0.15, -0.35}, {0.5, 0.15}, {0.1, 0.25}, {-0.35, -0.45}};
  for (const auto& s : spots) {
    ellipse(cr, cx + s[0] * rx, cy - 1 + s[1] * ry, rx * 0.13, ry * 0.2);
    set_color(cr, pal::cheese);
    cairo_fill(cr);
  }
  for (const auto& s : {std::pair{-0.4, 0.15}, std::pair{0.3, -0.15}, std::pair{0.6, -0.1}}) {
    ellipse(cr, cx + s.first * rx, cy - 1 + s.second * ry, 3.2, 2);
    set_color(cr, pal::leaf);
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
  }
  for (const auto& s : {std::pair{-0.1, -0.1}, std::pair{0.4, 0.35}, std::pair{-0.65, 0.25}}) {
    ellipse(cr, cx + s.first * rx, cy - 1 + s.second * ry, 2.2, 1.6);
    flat_fill(cr, pal::ink, 0.8);
  }
}

// --- cake ------------------------------------------------------------------------
void cake_plate(cairo_t* cr) {
  ellipse(cr, 46, 54, 44, 5);
  ink_fill(cr, pal::white);
}
void sponge(cairo_t* cr, double cx, double yb, double w, double h) {
  rounded_rect(cr, cx - w / 2, yb - h, w, h, 4);
  ink_fill(cr, hex(0xF3CF8C));
}
void berry_layer(cairo_t* cr, double cx, double yb, double w) {
  rounded_rect(cr, cx - w / 2, yb - 7, w, 7, 3);
  ink_fill(cr, pal::berry, kThin);
  for (double x = cx - w / 2 + 6; x < cx + w / 2 - 3; x += 9) ball(cr, x, yb - 6.5, 2.6, lighter(pal::berry, 0.2), 1);
}
void cream_top(cairo_t* cr, double cx, double yb, double w, double h) {
  sponge(cr, cx, yb, w, h);
  // Cream frosting with drips over the sponge.
  cairo_new_path(cr);
  cairo_move_to(cr, cx - w / 2, yb - h + 3);
  cairo_curve_to(cr, cx - w / 2, yb - h - 3, cx + w / 2, yb - h - 3, cx + w / 2, yb - h + 3);
  const int drips = 5;
  for (int i = drips; i >= 0; --i) {
    const double x = cx - w / 2 + w * i / drips;
    cairo_line_to(cr, x, yb - h + 4 + (i % 2) * 5);
  }
  cairo_close_path(cr);
  ink_fill(cr, pal::cream, kThin);
}
void berries_on_top(cairo_t* cr, double cx, double ytop, double w) {
  for (int i = 0; i < 4; ++i) {
    const double x = cx - w * 0.36 + w * 0.24 * i;
    ellipse(cr, x, ytop - 2, 4.5, 3);
    flat_fill(cr, pal::cream, 1.2);
    cairo_new_path(cr);
    cairo_move_to(cr, x - 4.5, ytop - 6);
    cairo_curve_to(cr, x - 4.5, ytop - 12, x + 4.5, ytop - 12, x + 4.5, ytop - 6);
    cairo_curve_to(cr, x + 3, ytop - 1, x - 3, ytop - 1, x - 4.5, ytop - 6);
    cairo_close_path(cr);
    ink_fill(cr, pal::berry, 1.4);
    line(cr, x, ytop - 11, x + 1.5, ytop - 14, pal::leaf, 2);
  }
}

// --- drink bottle ----------------------------------------------------------------
void bottle(cairo_t* cr, double fill, bool capped) {
  auto outline_path = [cr] {
    cairo_new_path(cr);
    cairo_move_to(cr, 16, 4);
    cairo_line_to(cr, 24, 4);
    cairo_line_to(cr, 24, 14);
    cairo_curve_to(cr, 24, 18, 31, 19, 31, 26);
    cairo_line_to(cr, 31, 44);
    cairo_curve_to(cr, 31, 47, 29, 48, 27, 48);
    cairo_line_to(cr, 13, 48);
    cairo_curve_to(cr, 11, 48, 9, 47, 9, 44);
    cairo_line_to(cr, 9, 26);
    cairo_curve_to(cr, 9, 19, 16, 18, 16, 14);
    cairo_close_path(cr);
  };
  outline_path();
  set_color(cr, lighter(pal::bottle_glass, 0.4));
  cairo_fill(cr);
  if (fill > 0) {
    cairo_save(cr);
    outline_path();
    cairo_clip(cr);
    const double top = 47 - fill * 29;
    cairo_rectangle(cr, 0, top, 40, 50);
    set_color(cr, pal::juice);
    cairo_fill(cr);
    ellipse(cr, 20, top, 12, 1.5);
    set_color(cr, lighter(pal::juice, 0.35));
    cairo_fill(cr);
    cairo_restore(cr);
  }
  outline_path();
  set_color(cr, pal::ink);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  // A small sticker low on the side, so the rising juice stays in view.
  ball(cr, 25, 42, 4, pal::white, 1.0);
  star(cr, 25, 42, 3, 1.3, pal::cap_orange, 0.6);
  gloss(cr, 13, 32, 1.3, 8, 0.5);
  if (capped) {
    rounded_rect(cr, 14.5, 1, 11, 7, 2);
    ink_fill(cr, pal::toy_red, 1.5);
  }
}

}  // namespace

// Hamburger: bun, then beef, onion, lettuce and the top bun.
void hamburger(const Cell& c) {
  cairo_t* cr = c.cr;
  const double w = 34;
  bottom_bun(cr, 20, 38, w);
  if (c.pattern >= 1) beef(cr, 20, 31, w);
  if (c.pattern >= 2) onion(cr, 20, 25, w - 2);
  if (c.pattern >= 3) lettuce(cr, 20, 22, w);
  if (c.pattern >= 4) top_bun(cr, 20, 18, w);
}
void burger_bottom_bread(const Cell& c) { bottom_bun(c.cr, 17, 12, 30); }
void burger_beef(const Cell& c) { beef(c.cr, 17, 11, 30); }
void burger_onion(const Cell& c) { onion(c.cr, 17, 10, 28); }
void burger_lettuce(const Cell& c) { lettuce(c.cr, 17, 11, 28); }
void burger_top_bread(const Cell& c) { top_bun(c.cr, 17, 14, 30); }

// Pizza: base, tomato sauce, then the toppings.
void pizza(const Cell& c) {
  pizza_base(c.cr, 35, 17, 32, 11);
  if (c.pattern >= 1) pizza_sauce(c.cr, 35, 17, 32, 11);
  if (c.pattern >= 2) pizza_toppings(c.cr, 35, 17, 32, 11);
}
void pizza_tomato(const Cell& c) {
  // A bowl of tomato sauce with a ladle.
  cairo_t* cr = c.cr;
  line(cr, 24, 12, 36, 2, pal::steel_dark, 3);
  cairo_new_path(cr);
  cairo_move_to(cr, 5, 10);
  cairo_curve_to(cr, 6, 26, 34, 26, 35, 10);
  cairo_close_path(cr);
  ink_fill(cr, pal::white);
  ellipse(cr, 20, 10, 15, 3.5);
  ink_fill(cr, pal::tomato, kThin);
  gloss(cr, 14, 9.5, 4, 1.2);
}
void pizza_vegetables(const Cell& c) {
  cairo_t* cr = c.cr;
  cairo_new_path(cr);
  cairo_move_to(cr, 5, 12);
  cairo_curve_to(cr, 6, 26, 34, 26, 35, 12);
  cairo_close_path(cr);
  ink_fill(cr, pal::wood);
  ball(cr, 12, 10, 4, pal::leaf, 1.2);
  ball(cr, 20, 8, 4, pal::cheese, 1.2);
  ball(cr, 28, 10, 4, pal::tomato, 1.2);
  ball(cr, 16, 12, 3, pal::onion, 1.2);
  ball(cr, 24, 12, 3, pal::ink, 1.0);
}

// Cake: sponge on a plate, berry filling, a cream-topped sponge, berries on top.
void cake(const Cell& c) {
  cairo_t* cr = c.cr;
  cake_plate(cr);
  sponge(cr, 46, 54, 72, 14);
  if (c.pattern >= 1) berry_layer(cr, 46, 40 + 1, 72);
  if (c.pattern >= 2) cream_top(cr, 46, 35, 72, 13);
  if (c.pattern >= 3) berries_on_top(cr, 46, 23, 72);
}
void cake_top(const Cell& c) { cream_top(c.cr, 36, 28, 68, 14); }
void cake_berries(const Cell& c) { berry_layer(c.cr, 36, 22, 68); }
void cake_berries_top(const Cell& c) { berries_on_top(c.cr, 36, 26, 68); }

// Fruit pack: a tray filled with orange, apple, grapes and bananas in turn.
void fruitpack(const Cell& c) {
  cairo_t* cr = c.cr;
  crate_back(cr, 100, 40);
  if (c.pattern >= 1) orange_fruit(cr, 15, 20, 11);
  if (c.pattern >= 2) apple_fruit(cr, 38, 19, 11);
  if (c.pattern >= 3) grapes_fruit(cr, 61, 19, 13);
  if (c.pattern >= 4) bananas_fruit(cr, 84, 19, 13);
  crate_front(cr, 100, 40);
}
void fruit_apple(const Cell& c) { apple_fruit(c.cr, 20, 22, 13); }
void fruit_bananas(const Cell& c) { bananas_fruit(c.cr, 20, 22, 15); }
void fruit_grapes(const Cell& c) { grapes_fruit(c.cr, 20, 22, 14); }
void fruit_orange(const Cell& c) { orange_fruit(c.cr, 20, 22, 13); }

// Ice sorbet: a sundae glass that gets three scoops and a wafer.
void icesorbet(const Cell& c) {
  cairo_t* cr = c.cr;
  sundae_glass(cr);
  if (c.pattern >= 1) scoop(cr, 34, 44, 13, kSorbet1);
  if (c.pattern >= 2) scoop(cr, 56, 44, 13, kSorbet2);
  if (c.pattern >= 3) scoop(cr, 45, 30, 13, kSorbet3);
  if (c.pattern >= 4) wafer(cr, 60, 22, 8, 26, 0.4);
}
void sorbet_ball1(const Cell& c) { scoop(c.cr, 20, 21, 14, kSorbet1); }
void sorbet_ball2(const Cell& c) { scoop(c.cr, 20, 21, 14, kSorbet2); }
void sorbet_ball3(const Cell& c) { scoop(c.cr, 20, 21, 14, kSorbet3); }
void sorbet_cookie(const Cell& c) { wafer(c.cr, 20, 20, 10, 32, 0.5); }

// Ice cream cone with three small scoops.
void ice(const Cell& c) {
  cairo_t* cr = c.cr;
  if (c.pattern >= 3) scoop(cr, 15, 8, 6, pal::strawberry);
  if (c.pattern >= 2) scoop(cr, 15, 12, 6.5, pal::vanilla);
  if (c.pattern >= 1) scoop(cr, 15, 16, 7, pal::chocolate);
  cairo_new_path(cr);
  cairo_move_to(cr, 8, 18);
  cairo_line_to(cr, 22, 18);
  cairo_line_to(cr, 15, 29);
  cairo_close_path(cr);
  ink_fill(cr, pal::cone, kThin);
  line(cr, 11, 21, 17, 21, darker(pal::cone, 0.3), 0.9);
  line(cr, 12.5, 24, 17.5, 24, darker(pal::cone, 0.3), 0.9);
}
void ice_ball1(const Cell& c) { scoop(c.cr, 10, 10, 8, pal::chocolate); }
void ice_ball2(const Cell& c) { scoop(c.cr, 10, 10, 8, pal::vanilla); }
void ice_ball3(const Cell& c) { scoop(c.cr, 10, 10, 8, pal::strawberry); }

// Ice rocket: a stick, then green fins, yellow middle and red nose.
void icerocket(const Cell& c) {
  cairo_t* cr = c.cr;
  lolly_stick(cr, 20, 60, 88);
  if (c.pattern >= 1) rocket_segment(cr, 20, 70, 0);
  if (c.pattern >= 2) rocket_segment(cr, 20, 45, 1);
  if (c.pattern >= 3) rocket_segment(cr, 20, 22, 2);
}
void rocket_bottom(const Cell& c) { rocket_segment(c.cr, 20, 34, 0); }
void rocket_middle(const Cell& c) { rocket_segment(c.cr, 20, 32, 1); }
void rocket_top(const Cell& c) { rocket_segment(c.cr, 20, 36, 2); }

// Drink bottle: empty, filled in four goes, capped when full.
void drinkbottle(const Cell& c) { bottle(c.cr, c.pattern / 4.0, c.pattern >= 4); }

}  // namespace assetgen::art

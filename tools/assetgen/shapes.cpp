#include "shapes.h"

#include "draw.h"

#include <cmath>
#include <numbers>

namespace assetgen {

namespace {
constexpr double kPi = std::numbers::pi;

void polyline(cairo_t* cr, std::initializer_list<Point> points) {
  bool first = true;
  for (const auto& [x, y] : points) {
    if (first) cairo_move_to(cr, x, y);
    else cairo_line_to(cr, x, y);
    first = false;
  }
}
}  // namespace

void limb(cairo_t* cr, std::initializer_list<Point> points, double width, Color color) {
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  polyline(cr, points);
  set_color(cr, pal::ink);
  cairo_set_line_width(cr, width + 4);
  cairo_stroke(cr);
  polyline(cr, points);
  set_color(cr, color);
  cairo_set_line_width(cr, width);
  cairo_stroke(cr);
}

void gear(cairo_t* cr, double cx, double cy, double radius, int teeth, Color color, double line_width) {
  const double inner = radius * 0.78;
  cairo_new_path(cr);
  for (int i = 0; i < teeth; ++i) {
    const double a = 2 * kPi * i / teeth;
    const double step = 2 * kPi / teeth;
    const double pts[4][2] = {{a - step * 0.25, inner}, {a - step * 0.15, radius}, {a + step * 0.15, radius}, {a + step * 0.25, inner}};
    for (const auto& p : pts) {
      const double x = cx + std::cos(p[0]) * p[1];
      const double y = cy + std::sin(p[0]) * p[1];
      if (i == 0 && &p == &pts[0]) cairo_move_to(cr, x, y);
      else cairo_line_to(cr, x, y);
    }
  }
  cairo_close_path(cr);
  cairo_new_sub_path(cr);
  cairo_arc_negative(cr, cx, cy, radius * 0.28, 2 * kPi, 0);
  cairo_close_path(cr);
  ink_fill(cr, color, line_width);
}

void star(cairo_t* cr, double cx, double cy, double r_outer, double r_inner, Color color, double line_width) {
  cairo_new_path(cr);
  for (int i = 0; i < 10; ++i) {
    const double a = -kPi / 2 + kPi * i / 5;
    const double r = i % 2 == 0 ? r_outer : r_inner;
    if (i == 0) cairo_move_to(cr, cx + std::cos(a) * r, cy + std::sin(a) * r);
    else cairo_line_to(cr, cx + std::cos(a) * r, cy + std::sin(a) * r);
  }
  cairo_close_path(cr);
  ink_fill(cr, color, line_width);
}

void arrow_down(cairo_t* cr, double cx, double tip_y, double width, double height, Color color) {
  const double shaft = width * 0.42;
  const double head = height * 0.5;
  cairo_new_path(cr);
  cairo_move_to(cr, cx, tip_y);
  cairo_line_to(cr, cx + width / 2, tip_y - head);
  cairo_line_to(cr, cx + shaft / 2, tip_y - head);
  cairo_line_to(cr, cx + shaft / 2, tip_y - height);
  cairo_line_to(cr, cx - shaft / 2, tip_y - height);
  cairo_line_to(cr, cx - shaft / 2, tip_y - head);
  cairo_line_to(cr, cx - width / 2, tip_y - head);
  cairo_close_path(cr);
  ink_fill(cr, color, 2.0);
}

void rivet(cairo_t* cr, double cx, double cy, double r) {
  ball(cr, cx, cy, r, pal::steel, 1.0);
}

void hazard_stripes(cairo_t* cr, double x, double y, double w, double h, double period) {
  cairo_save(cr);
  cairo_rectangle(cr, x, y, w, h);
  cairo_clip(cr);
  set_color(cr, pal::hazard_yellow);
  cairo_paint(cr);
  set_color(cr, pal::ink);
  for (double s = x - h; s < x + w + h; s += period) {
    cairo_move_to(cr, s, y + h);
    cairo_line_to(cr, s + h, y);
    cairo_line_to(cr, s + h + period / 2, y);
    cairo_line_to(cr, s + period / 2, y + h);
    cairo_close_path(cr);
  }
  cairo_fill(cr);
  cairo_restore(cr);
}

}  // namespace assetgen

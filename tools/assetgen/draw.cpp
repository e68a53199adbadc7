#include "draw.h"

#include "canvas.h"

#include <cmath>
#include <numbers>
#include <string>

namespace assetgen {

void set_color(cairo_t* cr, Color c, double alpha) { cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha); }

void rounded_rect(cairo_t* cr, double x, double y, double w, double h, double r) {
  constexpr double q = std::numbers::pi / 2;
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -q, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, q);
  cairo_arc(cr, x + r, y + h - r, r, q, 2 * q);
  cairo_arc(cr, x + r, y + r, r, 2 * q, 3 * q);
  cairo_close_path(cr);
}

void ellipse(cairo_t* cr, double cx, double cy, double rx, double ry) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, rx, ry);
  cairo_new_sub_path(cr);
  cairo_arc(cr, 0, 0, 1, 0, 2 * std::numbers::pi);
  cairo_close_path(cr);
  cairo_restore(cr);
}

namespace {
void outline(cairo_t* cr, double width) {
  if (width <= 0) {
    cairo_new_path(cr);
    return;
  }
  set_color(cr, pal::ink);
  cairo_set_line_width(cr, width);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke(cr);
}
}  // namespace

void ink_fill(cairo_t* cr, Color base, double width) {
  double x1, y1, x2, y2;
  cairo_fill_extents(cr, &x1, &y1, &x2, &y2);
  PatternPtr grad(cairo_pattern_create_linear(0, y1, 0, y2));
  const Color top = lighter(base, 0.35);
  const Color bottom = darker(base, 0.18);
  cairo_pattern_add_color_stop_rgb(grad.get(), 0.0, top.r, top.g, top.b);
  cairo_pattern_add_color_stop_rgb(grad.get(), 0.45, base.r, base.g, base.b);
  cairo_pattern_add_color_stop_rgb(grad.get(), 1.0, bottom.r, bottom.g, bottom.b);
  cairo_set_source(cr, grad.get());
  cairo_fill_preserve(cr);
  outline(cr, width);
}

void flat_fill(cairo_t* cr, Color base, double width) {
  set_color(cr, base);
  cairo_fill_preserve(cr);
  outline(cr, width);
}

void ball(cairo_t* cr, double cx, double cy, double r, Color base, double width) {
  PatternPtr grad(cairo_pattern_create_radial(cx - r * 0.35, cy - r * 0.4, r * 0.1, cx, cy, r));
  const Color hi = lighter(base, 0.45);
  const Color lo = darker(base, 0.22);
  cairo_pattern_add_color_stop_rgb(grad.get(), 0.0, hi.r, hi.g, hi.b);
  cairo_pattern_add_color_stop_rgb(grad.get(), 0.5, base.r, base.g, base.b);
  cairo_pattern_add_color_stop_rgb(grad.get(), 1.0, lo.r, lo.g, lo.b);
  cairo_new_path(cr);
  cairo_arc(cr, cx, cy, r, 0, 2 * std::numbers::pi);
  cairo_set_source(cr, grad.get());
  cairo_fill_preserve(cr);
  outline(cr, width);
}

void gloss(cairo_t* cr, double cx, double cy, double rx, double ry, double alpha) {
  ellipse(cr, cx, cy, rx, ry);
  set_color(cr, pal::white, alpha);
  cairo_fill(cr);
}

void line(cairo_t* cr, double x1, double y1, double x2, double y2, Color c, double width) {
  cairo_move_to(cr, x1, y1);
  cairo_line_to(cr, x2, y2);
  set_color(cr, c);
  cairo_set_line_width(cr, width);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke(cr);
}

void drop_shadow(cairo_t* cr, double cx, double cy, double rx, double ry) {
  ellipse(cr, cx, cy, rx, ry);
  set_color(cr, pal::shadow, 0.6);
  cairo_fill(cr);
}

namespace {
void select_face(cairo_t* cr, double size) {
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, size);
}
}  // namespace

double text_width(cairo_t* cr, std::string_view text, double size) {
  select_face(cr, size);
  const std::string s(text);
  cairo_text_extents_t ext;
  cairo_text_extents(cr, s.c_str(), &ext);
  return ext.x_advance;
}

void text_centered(cairo_t* cr, std::string_view text, double cx, double baseline, double size, Color fill,
                   Color outline_color, double outline_width) {
  select_face(cr, size);
  const std::string s(text);
  cairo_text_extents_t ext;
  cairo_text_extents(cr, s.c_str(), &ext);
  cairo_new_path(cr);
  cairo_move_to(cr, cx - ext.width / 2 - ext.x_bearing, baseline);
  cairo_text_path(cr, s.c_str());
  if (outline_width > 0) {
    set_color(cr, outline_color);
    cairo_set_line_width(cr, outline_width * 2);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr);
  }
  set_color(cr, fill);
  cairo_fill(cr);
}

}  // namespace assetgen

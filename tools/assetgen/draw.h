#pragma once
// The house drawing style: shapes filled with a top-lit gradient and outlined
// in warm ink, round joins, a glossy highlight here and there.

#include "palette.h"

#include <cairo.h>

#include <string_view>

namespace assetgen {

inline constexpr double kLine = 2.0;  // outline width of small sprites

void set_color(cairo_t* cr, Color c, double alpha = 1.0);

// Path builders (they only add to the current path).
void rounded_rect(cairo_t* cr, double x, double y, double w, double h, double r);
void ellipse(cairo_t* cr, double cx, double cy, double rx, double ry);

// Fill the current path with a gradient of `base`, lit from above, then
// outline it. The path is consumed.
void ink_fill(cairo_t* cr, Color base, double line = kLine);
// The same with a flat fill, for small details.
void flat_fill(cairo_t* cr, Color base, double line = kLine);
// A ball lit from the upper left; the path is a circle built here.
void ball(cairo_t* cr, double cx, double cy, double r, Color base, double line = kLine);
// A soft white highlight that makes round things look glossy.
void gloss(cairo_t* cr, double cx, double cy, double rx, double ry, double alpha = 0.55);
// A round-capped stroke.
void line(cairo_t* cr, double x1, double y1, double x2, double y2, Color c, double width);
// A soft shadow ellipse under objects standing on something.
void drop_shadow(cairo_t* cr, double cx, double cy, double rx, double ry);

// Bold text centred on (cx, baseline) with an outline of `outline_width` (0 for none).
void text_centered(cairo_t* cr, std::string_view text, double cx, double baseline, double size, Color fill,
                   Color outline, double outline_width);
// Width of text in the house face at `size`.
double text_width(cairo_t* cr, std::string_view text, double size);

}  // namespace assetgen

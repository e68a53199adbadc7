#pragma once
// Compound shapes several pictures share: limbs, gears, stars, arrows, rivets.

#include "palette.h"

#include <cairo.h>

#include <initializer_list>
#include <utility>

namespace assetgen {

using Point = std::pair<double, double>;

// A rounded limb along a polyline: an ink stroke with a coloured core.
void limb(cairo_t* cr, std::initializer_list<Point> points, double width, Color color);
// A gear with `teeth` teeth and a hole in the middle.
void gear(cairo_t* cr, double cx, double cy, double radius, int teeth, Color color, double line = 2.0);
// A five-pointed star.
void star(cairo_t* cr, double cx, double cy, double r_outer, double r_inner, Color color, double line = 1.5);
// A fat arrow pointing down, tip at (cx, tip_y).
void arrow_down(cairo_t* cr, double cx, double tip_y, double width, double height, Color color);
// A small bolt head.
void rivet(cairo_t* cr, double cx, double cy, double r);
// Diagonal black-and-yellow safety stripes filling a rectangle.
void hazard_stripes(cairo_t* cr, double x, double y, double w, double h, double period);

}  // namespace assetgen

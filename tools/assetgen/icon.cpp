#include "icon.h"

#include "art.h"
#include "canvas.h"
#include "draw.h"
#include "shapes.h"

#include <stdexcept>
#include <string>

namespace assetgen {

namespace {
constexpr Color kPlate = hex(0x2E5C8A);  // the blueprint blue of the menus
}  // namespace

void write_icon(const std::filesystem::path& file, int size, IconShape shape) {
  Canvas canvas(size, size);
  cairo_t* cr = canvas.cr();
  // Drawn on a 256-unit grid whatever the size.
  cairo_scale(cr, size / 256.0, size / 256.0);
  if (shape == IconShape::Maskable) {
    // Home screens keep at least the circle of 80 % of the width: the plate
    // fills the square and the cog shrinks into that circle.
    cairo_rectangle(cr, 0, 0, 256, 256);
    set_color(cr, kPlate);
    cairo_fill(cr);
    cairo_translate(cr, 128, 128);
    cairo_scale(cr, 0.78, 0.78);
    cairo_translate(cr, -128, -128);
  } else {
    rounded_rect(cr, 10, 10, 236, 236, 40);
    ink_fill(cr, kPlate, 6);
  }
  gear(cr, 128, 122, 100, 14, pal::hazard_yellow, 6);
  // The worker's head is drawn for a 70 × 80 cell; his face fills the cog's middle.
  cairo_save(cr);
  cairo_translate(cr, 128 - 35 * 2.3, 124 - 46 * 2.3);
  cairo_scale(cr, 2.3, 2.3);
  cairo_rectangle(cr, 0, 0, 70, 71);  // no neck: the head sits in the cog
  cairo_clip(cr);
  cairo_new_path(cr);
  art::worker_head(Cell{cr, 0, 70, 80});
  cairo_restore(cr);
  if (cairo_status(cr) != CAIRO_STATUS_SUCCESS)
    throw std::runtime_error(std::string("drawing the icon failed: ") + cairo_status_to_string(cairo_status(cr)));
  if (cairo_surface_write_to_png(canvas.surface(), file.c_str()) != CAIRO_STATUS_SUCCESS)
    throw std::runtime_error("cannot write " + file.string());
}

}  // namespace assetgen

#include "canvas.h"

#include <stdexcept>
#include <string>

namespace assetgen {

Canvas::Canvas(int width, int height)
    : surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)), context_(nullptr) {
  if (cairo_surface_status(surface_.get()) != CAIRO_STATUS_SUCCESS)
    throw std::runtime_error("cannot create a " + std::to_string(width) + "x" + std::to_string(height) + " drawing surface");
  context_.reset(cairo_create(surface_.get()));
  if (cairo_status(context_.get()) != CAIRO_STATUS_SUCCESS) throw std::runtime_error("cannot create a drawing context");
}

}  // namespace assetgen

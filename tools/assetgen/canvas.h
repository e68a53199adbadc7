#pragma once
// Owning handles for cairo objects, so every drawing is released on any path.

#include <cairo.h>

#include <memory>

namespace assetgen {

struct SurfaceDeleter {
  void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
struct ContextDeleter {
  void operator()(cairo_t* c) const { cairo_destroy(c); }
};
struct PatternDeleter {
  void operator()(cairo_pattern_t* p) const { cairo_pattern_destroy(p); }
};
using SurfacePtr = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;
using ContextPtr = std::unique_ptr<cairo_t, ContextDeleter>;
using PatternPtr = std::unique_ptr<cairo_pattern_t, PatternDeleter>;

// A transparent ARGB drawing area with its context.
class Canvas {
 public:
  Canvas(int width, int height);
  cairo_t* cr() const { return context_.get(); }
  cairo_surface_t* surface() const { return surface_.get(); }

 private:
  SurfacePtr surface_;
  ContextPtr context_;
};

}  // namespace assetgen

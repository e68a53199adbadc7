#pragma once
// Every picture and sound the game loads: file, folder, name and the pattern
// grid its code cuts from it, plus how many patterns the game ever asks for.

#include "raster.h"
#include "sound.h"

#include <cairo.h>

#include <span>
#include <string_view>

namespace assetgen {

// One pattern being drawn: the context is already moved to the pattern's
// top-left corner and clipped to its w x h rectangle.
struct Cell {
  cairo_t* cr;
  int pattern;
  double w;
  double h;
};
using Painter = void (*)(const Cell&);

struct ImageEntry {
  std::string_view file;
  std::string_view folder;  // below the game folder, '/'-separated
  std::string_view name;
  int pattern_width;
  int pattern_height;
  int skip_width;
  int skip_height;
  bool transparent;
  Rgb8 key;
  int patterns;  // at least as many as the game draws from it
  int columns;   // patterns per row of the strip
  Painter paint;

  int rows() const { return (patterns + columns - 1) / columns; }
  int width() const { return columns * pattern_width + (columns - 1) * skip_width; }
  int height() const { return rows() * pattern_height + (rows() - 1) * skip_height; }
};

struct SoundEntry {
  std::string_view file;
  std::string_view name;
  Sound (*make)();
};

std::span<const ImageEntry> image_catalogue();
std::span<const SoundEntry> sound_catalogue();

}  // namespace assetgen

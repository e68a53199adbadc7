#pragma once
// The game's icon: the worker's head in front of a big cog on a blueprint
// plate, drawn in the house style.

#include <filesystem>

namespace assetgen {

enum class IconShape {
  Rounded,   // a rounded plate on a transparent background (menus, browser tabs)
  Maskable,  // the plate fills the square and the art keeps to the middle, so a
             // home screen may cut any shape (circle, squircle) out of it
};

// Writes the icon as a `size` × `size` PNG. Throws std::runtime_error naming
// the file when it cannot be written.
void write_icon(const std::filesystem::path& file, int size, IconShape shape = IconShape::Rounded);

}  // namespace assetgen

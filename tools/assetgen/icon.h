#pragma once
// The desktop icon: the worker's head in front of a big cog on a blueprint
// plate, drawn in the house style.

#include <filesystem>

namespace assetgen {

// Writes the icon as a `size` × `size` PNG with a transparent background.
// Throws std::runtime_error naming the file when it cannot be written.
void write_icon(const std::filesystem::path& file, int size);

}  // namespace assetgen

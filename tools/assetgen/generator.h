#pragma once
// Writes the complete set of prefixed picture and sound files.

#include "catalogue.h"

#include <filesystem>

namespace assetgen {

// Draws one picture: every pattern painted into its cell of the strip, then
// reduced to colour-keyed 24-bit pixels.
Image24 render_image(const ImageEntry& entry);

// Writes every catalogue file below game_dir, creating its folders.
// Throws std::runtime_error naming the file on any write failure.
void generate_all(const std::filesystem::path& game_dir);

}  // namespace assetgen

#pragma once
// A small PNG encoder: 8-bit RGB, one IDAT chunk compressed with zlib.
#include <cstdint>
#include <vector>

namespace platform {

// The PNG file image of a `width` × `height` picture whose pixels are given
// as rows of R, G, B bytes without padding. Throws std::invalid_argument
// when the sizes do not match the pixels.
std::vector<uint8_t> encodePng(int width, int height, const std::vector<uint8_t>& rgb);

}  // namespace platform

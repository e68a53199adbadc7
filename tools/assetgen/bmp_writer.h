#pragma once
// Encodes a picture as an uncompressed 24-bit Windows bitmap file.

#include "raster.h"

#include <cstdint>
#include <vector>

namespace assetgen {

// A complete "BM" file: file header, 40-byte info header (BI_RGB), bottom-up
// rows padded to four bytes, pixels in blue-green-red order.
std::vector<std::uint8_t> encode_bmp(const Image24& image);

}  // namespace assetgen

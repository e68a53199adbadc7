#pragma once
// Decoder of Windows BMP files: core (OS/2) and info headers up to version 5;
// 1, 4, 8, 16, 24 and 32 bits; palettes; uncompressed, bit fields, RLE8 and
// RLE4; bottom-up and top-down. Every size in the header is checked against
// the data actually present before anything is allocated for it.
#include <cstdint>
#include <istream>
#include <vector>

#include "platform/win32/bitmap/bitmap.h"

namespace platform::bmp {

struct Decoded {
    int width = 0;
    int height = 0;
    TPixelFormat format = TPixelFormat::pfDevice;
    std::vector<std::uint8_t> pixels;  // blue, green, red bytes per pixel, top row first, no padding
};

// Throws EInvalidGraphic with the reason.
Decoded read(std::istream& stream);

// Expands run-length coded palette indices into `indices` (width * height
// bytes, bottom row first, pre-filled by the caller). Runs that leave the
// picture are clipped; a stream that ends early leaves the rest untouched.
void decodeRle(const std::vector<std::uint8_t>& data, int bitsPerPixel, int width, int height,
               std::vector<std::uint8_t>& indices);

}  // namespace platform::bmp

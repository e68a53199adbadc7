#include "platform/win32/gdi/gdi_bitmap.h"

#include <cstring>

#include "platform/errors.h"

namespace platform::gdi {
namespace {
// Larger than any picture the game has, small enough to never exhaust memory.
constexpr int kMaxSide = 16384;
}  // namespace

void Bitmap::checkSize(int width, int height)
{
    if (width < 0 || height < 0 || width > kMaxSide || height > kMaxSide)
        throw Exception("Bitmap size " + std::to_string(width) + "x" + std::to_string(height) + " is not supported.");
}

Bitmap::Bitmap(int width, int height)
{
    checkSize(width, height);
    width_ = width;
    height_ = height;
    data_.assign(static_cast<std::size_t>(width) * height * 3, 0);
}

Bitmap Bitmap::fromBgr24(int width, int height, const uint8_t* rows, int pitch)
{
    Bitmap b(width, height);
    if (width == 0 || height == 0) return b;
    if (!rows || pitch < width * 3) throw Exception("Bitmap rows are missing or shorter than the width.");
    for (int y = 0; y < height; ++y)
        std::memcpy(b.row(y), rows + static_cast<std::ptrdiff_t>(y) * pitch, static_cast<std::size_t>(width) * 3);
    return b;
}

Bitmap Bitmap::fromBgr24(int width, int height, std::vector<uint8_t>&& rows)
{
    Bitmap b;
    b.checkSize(width, height);
    if (rows.size() != static_cast<std::size_t>(width) * height * 3)
        throw Exception("Bitmap rows do not match its size.");
    b.width_ = width;
    b.height_ = height;
    b.data_ = std::move(rows);
    return b;
}

uint32_t Bitmap::pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    const uint8_t* p = row(y) + x * 3;
    return uint32_t(p[2]) | uint32_t(p[1]) << 8 | uint32_t(p[0]) << 16;
}

void Bitmap::setPixel(int x, int y, uint32_t colorRef)
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    uint8_t* p = row(y) + x * 3;
    p[2] = static_cast<uint8_t>(colorRef);
    p[1] = static_cast<uint8_t>(colorRef >> 8);
    p[0] = static_cast<uint8_t>(colorRef >> 16);
}

}  // namespace platform::gdi

#include "platform/win32/bitmap/bitmap.h"

#include "platform/win32/bitmap/bmp_reader.h"

namespace platform {

void TBitmap::LoadFromStream(std::istream& stream)
{
    bmp::Decoded decoded = bmp::read(stream);
    pixels_ = gdi::Bitmap::fromBgr24(decoded.width, decoded.height, std::move(decoded.pixels));
    format_ = decoded.format;
}

void TBitmap::SetSize(int width, int height)
{
    if (width < 0 || height < 0 || width > kMaxDimension || height > kMaxDimension ||
        static_cast<std::int64_t>(width) * height > kMaxPixels)
        throw EInvalidGraphic("Bitmap size " + std::to_string(width) + " x " + std::to_string(height) + " is not possible.");
    pixels_ = gdi::Bitmap(width, height);
    format_ = TPixelFormat::pf24bit;
}

void TBitmap::SetPixelFormat(TPixelFormat format)
{
    if (format == TPixelFormat::pf24bit || format == TPixelFormat::pf32bit) format_ = format;
}

std::int32_t TBitmap::Pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= Width() || y >= Height()) return -1;
    return static_cast<std::int32_t>(pixels_.pixel(x, y));
}

void TBitmap::SetPixel(int x, int y, std::int32_t color)
{
    pixels_.setPixel(x, y, static_cast<std::uint32_t>(color));
}

std::int32_t TBitmap::TransparentColor() const
{
    if (Empty()) return -1;
    const std::int32_t base = Monochrome() ? 0xFFFFFF : Pixel(0, Height() - 1);
    return base | kPaletteRelative;
}

}  // namespace platform

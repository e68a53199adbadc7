#include "platform/bitmap/bitmap.h"

#include "platform/bitmap/bmp_reader.h"

namespace platform {
namespace {

std::uint32_t toRgb(std::int32_t color)
{
    const auto c = static_cast<std::uint32_t>(color);
    return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}

std::int32_t toColor(std::uint32_t rgb)
{
    return static_cast<std::int32_t>(((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF));
}

}  // namespace

void TBitmap::LoadFromStream(std::istream& stream)
{
    bmp::Decoded decoded = bmp::read(stream);
    width_ = decoded.width;
    height_ = decoded.height;
    format_ = decoded.format;
    pixels_ = std::move(decoded.pixels);
}

void TBitmap::SetSize(int width, int height)
{
    if (width < 0 || height < 0 || width > kMaxDimension || height > kMaxDimension ||
        static_cast<std::int64_t>(width) * height > kMaxPixels)
        throw EInvalidGraphic("Bitmap size " + std::to_string(width) + " x " + std::to_string(height) + " is not possible.");
    width_ = width;
    height_ = height;
    format_ = TPixelFormat::pf24bit;
    pixels_.assign(static_cast<std::size_t>(width) * height, 0);
}

void TBitmap::SetPixelFormat(TPixelFormat format)
{
    if (format == TPixelFormat::pf24bit || format == TPixelFormat::pf32bit) format_ = format;
}

std::int32_t TBitmap::Pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return -1;
    return toColor(ScanLine(y)[x]);
}

void TBitmap::SetPixel(int x, int y, std::int32_t color)
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    ScanLine(y)[x] = toRgb(color);
}

std::int32_t TBitmap::TransparentColor() const
{
    if (Empty()) return -1;
    const std::int32_t base = Monochrome() ? 0xFFFFFF : Pixel(0, height_ - 1);
    return base | kPaletteRelative;
}

}  // namespace platform

#pragma once
// The platform's bitmap: a picture read from a BMP stream, kept in full
// colour as three bytes per pixel (blue, green, red; top row first) whatever
// depth the file had, plus the depth it came with so callers can ask for it
// and convert it. The pixels are a GDI bitmap, so surfaces are filled from
// them without a copy.
#include <cstdint>
#include <istream>

#include "platform/errors.h"
#include "platform/win32/gdi/gdi_bitmap.h"

namespace platform {

// A BMP stream that cannot be read as a picture: bad or truncated header,
// unsupported format, sizes that do not fit the data, absurd dimensions.
BRINDLECOG_ERROR_CLASS(EInvalidGraphic, Exception);

enum class TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };

class TBitmap {
public:
    // Loading refuses anything larger: no game picture comes close, and a
    // lying header must not make us allocate gigabytes.
    static constexpr int kMaxDimension = 16384;
    static constexpr std::int64_t kMaxPixels = 16 * 1024 * 1024;

    // Added to a colour taken from the picture, as Windows marks colours
    // meant relative to a palette.
    static constexpr std::int32_t kPaletteRelative = 0x02000000;

    TBitmap() = default;

    // Reads one BMP file starting at the stream's current position. On
    // failure throws EInvalidGraphic and leaves the bitmap as it was.
    void LoadFromStream(std::istream& stream);

    // Makes an empty (all black) picture of this size in 24 bits.
    void SetSize(int width, int height);
    void Assign(const TBitmap& source) { *this = source; }

    int Width() const { return pixels_.width(); }
    int Height() const { return pixels_.height(); }
    bool Empty() const { return Width() == 0 || Height() == 0; }
    TPixelFormat PixelFormat() const { return format_; }
    // Only pf24bit and pf32bit are targets: the pixels already hold full
    // colour, so converting changes the depth the picture reports and drops
    // the palette, never a pixel.
    void SetPixelFormat(TPixelFormat format);
    bool Monochrome() const { return format_ == TPixelFormat::pf1bit; }

    // Colours are the platform's 00BBGGRR values; outside the picture
    // Pixel answers -1 and SetPixel does nothing.
    std::int32_t Pixel(int x, int y) const;
    void SetPixel(int x, int y, std::int32_t color);

    // The colour a picture is transparent in when nobody says otherwise:
    // its bottom-left pixel (white for a monochrome one), palette-relative;
    // -1 for an empty picture.
    std::int32_t TransparentColor() const;

    // One row: Width() pixels of three bytes, blue, green, red.
    const std::uint8_t* ScanLine(int y) const { return pixels_.row(y); }
    std::uint8_t* ScanLine(int y) { return pixels_.row(y); }
    // The pixels as GDI copies them onto surfaces.
    const gdi::Bitmap& GdiBitmap() const { return pixels_; }

private:
    TPixelFormat format_ = TPixelFormat::pfDevice;
    gdi::Bitmap pixels_;
};

}  // namespace platform

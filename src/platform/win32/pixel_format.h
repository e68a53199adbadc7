#pragma once
// The pixel layouts surfaces are stored in, and the conversions between
// native pixel values and GDI colours (00BBGGRR): shared by DirectDraw's
// surfaces and the GDI device contexts drawing on their pixels.
#include <cstdint>

#include "platform/backends/video.h"

namespace platform {

struct SurfaceFormat {
    PixelLayout layout = PixelLayout::Rgb565;
    int bitsPerPixel = 16;
    uint32_t redMask = 0xF800, greenMask = 0x07E0, blueMask = 0x001F;

    int bytesPerPixel() const { return (bitsPerPixel + 7) / 8; }
    friend bool operator==(const SurfaceFormat&, const SurfaceFormat&) = default;
};

// The format a display of `bitsPerPixel` runs in: 8 palettised, 15 is 555,
// 16 is 565, 24 packed B,G,R bytes, 32 X,R,G,B. Other depths give 565.
SurfaceFormat formatForBits(int bitsPerPixel);
bool isSupportedDepth(int bitsPerPixel);

// GDI's conversion: keeps the top bits of each channel (no rounding); 8-bit
// surfaces take the nearest palette entry. `palette` holds 256 00RRGGBB.
uint32_t nativeFromColorRef(const SurfaceFormat& format, uint32_t colorRef, const uint32_t* palette);
// The colour GDI reports for a native value (00BBGGRR).
uint32_t colorRefFromNative(const SurfaceFormat& format, uint32_t native, const uint32_t* palette);

// Converts `count` GDI bitmap pixels (bytes blue, green, red) to native
// pixels at `out`, exactly as nativeFromColorRef would one by one, but a row
// at a time: the common display formats have loops of their own.
void nativeRowFromBgr24(const SurfaceFormat& format, const uint8_t* bgr, uint8_t* out, int count,
                        const uint32_t* palette);

// Reads or writes one pixel of `bytes` (1 to 4) bytes, low byte first.
uint32_t readPixel(const uint8_t* at, int bytes);
void writePixel(uint8_t* at, int bytes, uint32_t value);

}  // namespace platform

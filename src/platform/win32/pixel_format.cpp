#include "platform/win32/pixel_format.h"

#include <cstring>
#include <limits>

namespace platform {

SurfaceFormat formatForBits(int bitsPerPixel)
{
    switch (bitsPerPixel) {
    case 8: return {PixelLayout::Indexed8, 8, 0, 0, 0};
    case 15: return {PixelLayout::Rgb555, 16, 0x7C00, 0x03E0, 0x001F};
    case 24: return {PixelLayout::Rgb888, 24, 0xFF0000, 0x00FF00, 0x0000FF};
    case 32: return {PixelLayout::Xrgb8888, 32, 0xFF0000, 0x00FF00, 0x0000FF};
    default: return {PixelLayout::Rgb565, 16, 0xF800, 0x07E0, 0x001F};
    }
}

bool isSupportedDepth(int bitsPerPixel)
{
    return bitsPerPixel == 8 || bitsPerPixel == 15 || bitsPerPixel == 16 || bitsPerPixel == 24 || bitsPerPixel == 32;
}

namespace {

int shiftOf(uint32_t mask)
{
    int s = 0;
    while (mask && !(mask & 1u)) {
        mask >>= 1;
        ++s;
    }
    return s;
}

int widthOf(uint32_t mask)
{
    mask >>= shiftOf(mask);
    int w = 0;
    while (mask & 1u) {
        mask >>= 1;
        ++w;
    }
    return w;
}

uint32_t packChannel(uint32_t value8, uint32_t mask)
{
    const int w = widthOf(mask);
    if (w == 0) return 0;
    return ((value8 >> (8 - w)) << shiftOf(mask)) & mask;
}

uint32_t unpackChannel(uint32_t native, uint32_t mask)
{
    const int w = widthOf(mask);
    if (w == 0) return 0;
    return ((native & mask) >> shiftOf(mask)) << (8 - w);
}

}  // namespace

uint32_t nativeFromColorRef(const SurfaceFormat& format, uint32_t colorRef, const uint32_t* palette)
{
    const uint32_t r = colorRef & 0xFF, g = (colorRef >> 8) & 0xFF, b = (colorRef >> 16) & 0xFF;
    if (format.layout == PixelLayout::Indexed8) {
        if (!palette) return 0;
        uint32_t best = 0;
        int bestDistance = std::numeric_limits<int>::max();
        for (uint32_t i = 0; i < 256; ++i) {
            const int pr = int(palette[i] >> 16 & 0xFF), pg = int(palette[i] >> 8 & 0xFF), pb = int(palette[i] & 0xFF);
            const int d = (pr - int(r)) * (pr - int(r)) + (pg - int(g)) * (pg - int(g)) + (pb - int(b)) * (pb - int(b));
            if (d < bestDistance) {
                bestDistance = d;
                best = i;
            }
        }
        return best;
    }
    return packChannel(r, format.redMask) | packChannel(g, format.greenMask) | packChannel(b, format.blueMask);
}

uint32_t colorRefFromNative(const SurfaceFormat& format, uint32_t native, const uint32_t* palette)
{
    if (format.layout == PixelLayout::Indexed8) {
        const uint32_t rgb = palette ? palette[native & 0xFF] : 0;
        return (rgb >> 16 & 0xFF) | (rgb & 0xFF00) | (rgb & 0xFF) << 16;
    }
    return unpackChannel(native, format.redMask) | unpackChannel(native, format.greenMask) << 8 |
           unpackChannel(native, format.blueMask) << 16;
}

namespace {

// Rows of 16-bit pixels: the top bits of each channel, as packChannel keeps them.
template <int RedShift, int GreenBits>
void packRow16(const uint8_t* bgr, uint8_t* out, int count)
{
    for (int i = 0; i < count; ++i, bgr += 3, out += 2) {
        const uint32_t v = (uint32_t(bgr[2]) >> 3) << RedShift | (uint32_t(bgr[1]) >> (8 - GreenBits)) << 5 |
                           uint32_t(bgr[0]) >> 3;
        out[0] = static_cast<uint8_t>(v);
        out[1] = static_cast<uint8_t>(v >> 8);
    }
}

}  // namespace

void nativeRowFromBgr24(const SurfaceFormat& format, const uint8_t* bgr, uint8_t* out, int count,
                        const uint32_t* palette)
{
    if (count <= 0) return;
    if (format == formatForBits(16)) return packRow16<11, 6>(bgr, out, count);
    if (format == formatForBits(15)) return packRow16<10, 5>(bgr, out, count);
    if (format == formatForBits(24)) {
        // Native 00RRGGBB stored low byte first is the bitmap's own order.
        std::memcpy(out, bgr, static_cast<std::size_t>(count) * 3);
        return;
    }
    if (format == formatForBits(32)) {
        for (int i = 0; i < count; ++i, bgr += 3, out += 4) {
            out[0] = bgr[0];
            out[1] = bgr[1];
            out[2] = bgr[2];
            out[3] = 0;
        }
        return;
    }
    // Palettes and unusual masks go pixel by pixel; runs of one colour, common
    // in pictures with a key colour, skip the nearest-colour search.
    const int bytes = format.bytesPerPixel();
    uint32_t lastColor = 0, lastNative = 0;
    bool haveLast = false;
    for (int i = 0; i < count; ++i, bgr += 3, out += bytes) {
        const uint32_t colorRef = uint32_t(bgr[2]) | uint32_t(bgr[1]) << 8 | uint32_t(bgr[0]) << 16;
        if (!haveLast || colorRef != lastColor) {
            lastNative = nativeFromColorRef(format, colorRef, palette);
            lastColor = colorRef;
            haveLast = true;
        }
        writePixel(out, bytes, lastNative);
    }
}

uint32_t readPixel(const uint8_t* at, int bytes)
{
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = v << 8 | at[i];
    return v;
}

void writePixel(uint8_t* at, int bytes, uint32_t value)
{
    for (int i = 0; i < bytes; ++i) at[i] = static_cast<uint8_t>(value >> (8 * i));
}

}  // namespace platform

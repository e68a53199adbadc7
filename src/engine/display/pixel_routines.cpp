#include "engine/display/pixel_routines.h"

#include <cstddef>
#include <cstring>

namespace pixels {
namespace {

std::uint32_t load16(const std::uint8_t* p) { return static_cast<std::uint32_t>(p[0] | (p[1] << 8)); }
std::uint32_t load24(const std::uint8_t* p) { return load16(p) | (static_cast<std::uint32_t>(p[2]) << 16); }
std::uint32_t load32(const std::uint8_t* p)
{
    std::uint32_t v;
    std::memcpy(&v, p, 4);
    return v;
}
void store16(std::uint8_t* p, std::uint32_t v)
{
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}
void store32(std::uint8_t* p, std::uint32_t v) { std::memcpy(p, &v, 4); }

struct Pair16 {
    int redShift;
    std::uint32_t greenPairMask;
    std::uint32_t greenSingleMask;
};

// Two 16-bit pixels in one 32-bit word. The bias of 64 per half keeps
// s + 64 - d positive in both halves, so the one multiplication cannot
// borrow across them; subtracting Q = (alpha div 4) per half takes it out.
void blendPairs(const Pair16& f, const LockedPixels& dst, const LockedPixels& src, int width, int height,
                std::uint32_t alpha, bool transparent, std::uint32_t key)
{
    constexpr std::uint32_t kBias = 0x00400040;
    constexpr std::uint32_t kFive = 0x001F001F;
    const std::uint32_t q = (alpha / 4) * 0x00010001u;
    const int pairs = width / 2;
    for (int row = 0; row < height; ++row) {
        const std::uint8_t* s = src.bits + static_cast<std::ptrdiff_t>(row) * src.pitch;
        std::uint8_t* d = dst.bits + static_cast<std::ptrdiff_t>(row) * dst.pitch;
        for (int i = 0; i < pairs; ++i, s += 4, d += 4) {
            const std::uint32_t s2 = load32(s), d2 = load32(d);
            const bool lowKey = transparent && (s2 & 0xFFFF) == key;
            const bool highKey = transparent && (s2 >> 16) == key;
            if (lowKey && highKey) continue;
            const std::uint32_t r =
                (Mix(alpha, ((s2 >> f.redShift) & kFive) + kBias, (d2 >> f.redShift) & kFive) - q) & kFive;
            const std::uint32_t g =
                (Mix(alpha, ((s2 >> 5) & f.greenPairMask) + kBias, (d2 >> 5) & f.greenPairMask) - q) & f.greenPairMask;
            const std::uint32_t b = (Mix(alpha, (s2 & kFive) + kBias, d2 & kFive) - q) & kFive;
            const std::uint32_t blended = (r << f.redShift) | (g << 5) | b;
            if (highKey)
                store16(d, blended);
            else if (lowKey)
                store16(d + 2, blended >> 16);
            else
                store32(d, blended);
        }
        if (width & 1) {
            const std::uint32_t sp = load16(s), dp = load16(d);
            if (transparent && sp == key) continue;
            const std::uint32_t r = Mix(alpha, (sp >> f.redShift) & 0x1F, (dp >> f.redShift) & 0x1F) & 0x1F;
            const std::uint32_t g = Mix(alpha, (sp >> 5) & f.greenSingleMask, (dp >> 5) & f.greenSingleMask) &
                                    f.greenSingleMask;
            const std::uint32_t b = Mix(alpha, sp & 0x1F, dp & 0x1F) & 0x1F;
            store16(d, (r << f.redShift) | (g << 5) | b);
        }
    }
}

void blendOther16(const LockedPixels& dst, const LockedPixels& src, int width, int height, std::uint32_t alpha,
                  bool transparent, std::uint32_t key)
{
    for (int row = 0; row < height; ++row) {
        const std::uint8_t* s = src.bits + static_cast<std::ptrdiff_t>(row) * src.pitch;
        std::uint8_t* d = dst.bits + static_cast<std::ptrdiff_t>(row) * dst.pitch;
        for (int x = 0; x < width; ++x, s += 2, d += 2) {
            const std::uint32_t sp = load16(s), dp = load16(d);
            if (transparent && sp == key) continue;
            const std::uint32_t r = Mix(alpha, sp & src.redMask, dp & dst.redMask) & dst.redMask;
            const std::uint32_t g = Mix(alpha, sp & src.greenMask, dp & dst.greenMask) & dst.greenMask;
            const std::uint32_t b = Mix(alpha, sp & src.blueMask, dp & dst.blueMask) & dst.blueMask;
            store16(d, r | g | b);
        }
    }
}

void blend24(const LockedPixels& dst, const LockedPixels& src, int width, int height, std::uint32_t alpha,
             bool transparent, std::uint32_t key)
{
    for (int row = 0; row < height; ++row) {
        const std::uint8_t* s = src.bits + static_cast<std::ptrdiff_t>(row) * src.pitch;
        std::uint8_t* d = dst.bits + static_cast<std::ptrdiff_t>(row) * dst.pitch;
        for (int x = 0; x < width; ++x, s += 3, d += 3) {
            if (transparent && load24(s) == key) continue;
            d[0] = static_cast<std::uint8_t>(Mix(alpha, s[0], d[0]));
            d[1] = static_cast<std::uint8_t>(Mix(alpha, s[1], d[1]));
            d[2] = static_cast<std::uint8_t>(Mix(alpha, s[2], d[2]));
        }
    }
}

void blend32(const LockedPixels& dst, const LockedPixels& src, int width, int height, std::uint32_t alpha,
             bool transparent, std::uint32_t key)
{
    for (int row = 0; row < height; ++row) {
        const std::uint8_t* s = src.bits + static_cast<std::ptrdiff_t>(row) * src.pitch;
        std::uint8_t* d = dst.bits + static_cast<std::ptrdiff_t>(row) * dst.pitch;
        for (int x = 0; x < width; ++x, s += 4, d += 4) {
            const std::uint32_t sp = load32(s), dp = load32(d);
            if (transparent && (sp & 0xFFFFFF) == key) continue;
            const std::uint32_t r = Mix(alpha, sp & 0xFF0000, dp & 0xFF0000) & 0xFF0000;
            const std::uint32_t g = Mix(alpha, sp & 0x00FF00, dp & 0x00FF00) & 0x00FF00;
            const std::uint32_t b = Mix(alpha, sp & 0x0000FF, dp & 0x0000FF) & 0x0000FF;
            store32(d, r | g | b);
        }
    }
}

// The value a pixel is compared by; `whole32` keeps the top byte of 32-bit
// pixels, otherwise only their colour bits count.
std::uint32_t sample(const std::uint8_t* p, int bitsPerPixel, bool whole32)
{
    switch (bitsPerPixel) {
    case 8: return p[0];
    case 16: return load16(p);
    case 24: return load24(p);
    default: return whole32 ? load32(p) : load32(p) & 0xFFFFFF;
    }
}

bool comparableDepth(int bitsPerPixel)
{
    return bitsPerPixel == 8 || bitsPerPixel == 16 || bitsPerPixel == 24 || bitsPerPixel == 32;
}

}  // namespace

void BlendRows(BlendFormat format, const LockedPixels& dst, const LockedPixels& src, int width, int height,
               std::uint32_t alpha, bool transparent, std::uint32_t key)
{
    if (alpha > 256) alpha = 256;
    if (width <= 0 || height <= 0) return;
    switch (format) {
    case BlendFormat::Rgb555: blendPairs({10, 0x001F001F, 0x1F}, dst, src, width, height, alpha, transparent, key); break;
    case BlendFormat::Rgb565: blendPairs({11, 0x003F003F, 0x3F}, dst, src, width, height, alpha, transparent, key); break;
    case BlendFormat::Other16: blendOther16(dst, src, width, height, alpha, transparent, key); break;
    case BlendFormat::Bits24: blend24(dst, src, width, height, alpha, transparent, key); break;
    case BlendFormat::Bits32: blend32(dst, src, width, height, alpha, transparent, key); break;
    case BlendFormat::None: break;
    }
}

bool CollideInOneSurface(const LockedPixels& a, int ownX, int ownY, int otherX, int otherY, int width, int height)
{
    if (width <= 0 || height <= 0 || !comparableDepth(a.bitsPerPixel)) return false;
    const int bytes = a.bitsPerPixel / 8;
    for (int r = 0; r < height; ++r) {
        const std::uint8_t* p = a.bits + static_cast<std::ptrdiff_t>(ownY + r) * a.pitch + ownX * bytes;
        const std::uint8_t* q = a.bits + static_cast<std::ptrdiff_t>(otherY + r) * a.pitch + otherX * bytes;
        for (int c = 0; c < width; ++c, p += bytes, q += bytes)
            if (sample(p, a.bitsPerPixel, false) != a.colorKey && sample(q, a.bitsPerPixel, false) != a.colorKey)
                return true;
    }
    return false;
}

bool CollideAcrossSurfaces(const LockedPixels& a, const LockedPixels& b, int width, int height)
{
    if (width <= 0 || height <= 0 || a.bitsPerPixel != b.bitsPerPixel || !comparableDepth(a.bitsPerPixel))
        return false;
    const int bytes = a.bitsPerPixel / 8;
    for (int r = 0; r < height; ++r) {
        const std::uint8_t* p = a.bits + static_cast<std::ptrdiff_t>(r) * a.pitch;
        const std::uint8_t* q = b.bits + static_cast<std::ptrdiff_t>(r) * b.pitch;
        for (int c = 0; c < width; ++c, p += bytes, q += bytes)
            if (sample(p, a.bitsPerPixel, true) != a.colorKey && sample(q, b.bitsPerPixel, true) != b.colorKey)
                return true;
    }
    return false;
}

}  // namespace pixels

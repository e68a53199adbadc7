#pragma once
// The two software pixel routines: alpha blending of a source rectangle into
// a destination, and the pixel-exact overlap test of two same-sized areas.
// They work on locked pixel memory; the surfaces lock, call these, unlock.
#include <cstdint>

namespace pixels {

// A locked area as its lock describes it. Pixels are stored low byte first.
struct LockedPixels {
    std::uint8_t* bits = nullptr;
    std::int32_t pitch = 0;  // bytes from one row to the next
    int bitsPerPixel = 0;
    std::uint32_t redMask = 0, greenMask = 0, blueMask = 0;
    std::uint32_t colorKey = 0;  // the surface's source colour key, native
};

// How a destination is blended, by its pixel format class (same order).
enum class BlendFormat { Rgb555, Rgb565, Other16, Bits24, Bits32, None };

// One channel: a x (s - d), wrapping at 2^32, shifted right 8, plus d. For
// s < d the result carries 2^24 above the channel, which callers mask off.
constexpr std::uint32_t Mix(std::uint32_t alpha, std::uint32_t s, std::uint32_t d)
{
    return ((alpha * (s - d)) >> 8) + d;
}

// Blends `height` rows of `width` pixels of `src` into `dst` with weight
// `alpha` (0..256, larger is 256). With `transparent`, source pixels equal to
// `key` leave the destination alone. The 16-bit 555 and 565 formats go two
// pixels per 32-bit word; the others pixel by pixel; None blends nothing.
void BlendRows(BlendFormat format, const LockedPixels& dst, const LockedPixels& src, int width, int height,
               std::uint32_t alpha, bool transparent, std::uint32_t key);

// True when some position of two `width` x `height` areas is opaque (not the
// colour key) in both. `sameSurface`: both areas lie in one locked surface,
// at (ownX, ownY) and (otherX, otherY) of `a`, and 32-bit pixels compare by
// their low 24 bits. Otherwise each area starts at its own `bits`, depths
// must match, and 32-bit pixels compare whole.
bool CollideInOneSurface(const LockedPixels& a, int ownX, int ownY, int otherX, int otherY, int width, int height);
bool CollideAcrossSurfaces(const LockedPixels& a, const LockedPixels& b, int width, int height);

}  // namespace pixels

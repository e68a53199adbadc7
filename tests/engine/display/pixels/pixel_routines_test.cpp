#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

#include "engine/display/pixel_routines.h"

using pixels::BlendFormat;
using pixels::LockedPixels;
using pixels::Mix;

namespace {

// A block of pixel memory with `pad` spare bytes at the end of every row.
struct Area {
    int width, height, bytes, pitch;
    std::vector<std::uint8_t> mem;
    Area(int w, int h, int bitsPerPixel, int pad = 6)
        : width(w), height(h), bytes(bitsPerPixel / 8), pitch(w * bytes + pad),
          mem(static_cast<std::size_t>(pitch) * h, 0xEE)
    {
    }
    std::uint32_t get(int x, int y) const
    {
        std::uint32_t v = 0;
        std::memcpy(&v, &mem[static_cast<std::size_t>(y) * pitch + x * bytes], static_cast<std::size_t>(bytes));
        return v;
    }
    void set(int x, int y, std::uint32_t v)
    {
        std::memcpy(&mem[static_cast<std::size_t>(y) * pitch + x * bytes], &v, static_cast<std::size_t>(bytes));
    }
    LockedPixels locked(std::uint32_t r, std::uint32_t g, std::uint32_t b, std::uint32_t key = 0)
    {
        return {mem.data(), pitch, bytes * 8, r, g, b, key};
    }
};

// What one 16-bit half of a pair becomes: the bias of 64 goes in before the
// multiplication and alpha div 4 comes out after it.
std::uint32_t pairedChannel(std::uint32_t a, std::uint32_t s, std::uint32_t d)
{
    return (a * (s + 64 - d)) / 256 + d - a / 4;
}
std::uint32_t exactChannel(std::uint32_t a, std::uint32_t s, std::uint32_t d)
{
    return s >= d ? a * (s - d) / 256 + d : d - (a * (d - s) + 255) / 256;
}

std::uint32_t blend565(std::uint32_t a, std::uint32_t s, std::uint32_t d, bool paired)
{
    auto ch = [&](int shift, std::uint32_t mask) {
        const std::uint32_t sc = (s >> shift) & mask, dc = (d >> shift) & mask;
        return ((paired ? pairedChannel(a, sc, dc) : exactChannel(a, sc, dc)) & mask) << shift;
    };
    return ch(11, 0x1F) | ch(5, 0x3F) | ch(0, 0x1F);
}

TEST(MixChannel, WeightsAndTheWrapOfNegativeDifferences)
{
    EXPECT_EQ(Mix(128, 0, 31), 15u + (1u << 24));  // floor(128 * -31 / 256) + 31, 2^24 above the channel
    EXPECT_EQ(Mix(128, 0, 31) & 0x1F, 15u);
    EXPECT_EQ(Mix(256, 7, 200) & 0xFF, 7u);
    EXPECT_EQ(Mix(0, 7, 200), 200u);
    EXPECT_EQ(Mix(64, 200, 8), 56u);  // floor(64 * 192 / 256) + 8
}

TEST(AlphaBlend16, PairsAndTheOddPixelFollowTheirArithmetic)
{
    std::mt19937 rng(7);
    for (std::uint32_t alpha : {0u, 1u, 3u, 64u, 127u, 128u, 130u, 255u, 256u}) {
        Area src(5, 3, 16), dst(5, 3, 16);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 5; ++x) {
                src.set(x, y, rng() & 0xFFFF);
                dst.set(x, y, rng() & 0xFFFF);
            }
        const Area before = dst;
        pixels::BlendRows(BlendFormat::Rgb565, dst.locked(0xF800, 0x7E0, 0x1F), src.locked(0xF800, 0x7E0, 0x1F), 5, 3,
                          alpha, false, 0);
        for (int y = 0; y < 3; ++y) {
            for (int x = 0; x < 5; ++x)
                EXPECT_EQ(dst.get(x, y), blend565(alpha, src.get(x, y), before.get(x, y), x < 4))
                    << "alpha " << alpha << " at " << x << "," << y;
            EXPECT_EQ(dst.mem[static_cast<std::size_t>(y) * dst.pitch + 10], 0xEE) << "wrote past the row";
        }
    }
}

TEST(AlphaBlend16, FullWeightCopiesZeroKeepsAndAboveFullIsFull)
{
    Area src(4, 1, 16), a(4, 1, 16), b(4, 1, 16), c(4, 1, 16);
    const std::uint32_t key = 0x1234;
    const std::uint32_t s[4] = {0xFFFF, key, 0x0000, 0x8410};
    for (int x = 0; x < 4; ++x) {
        src.set(x, 0, s[x]);
        a.set(x, 0, 0x5555);
        b.set(x, 0, 0x5555);
        c.set(x, 0, 0x5555);
    }
    const auto srcL = src.locked(0x7C00, 0x3E0, 0x1F);
    pixels::BlendRows(BlendFormat::Rgb555, a.locked(0x7C00, 0x3E0, 0x1F), srcL, 4, 1, 256, true, key);
    pixels::BlendRows(BlendFormat::Rgb555, b.locked(0x7C00, 0x3E0, 0x1F), srcL, 4, 1, 0, true, key);
    pixels::BlendRows(BlendFormat::Rgb555, c.locked(0x7C00, 0x3E0, 0x1F), srcL, 4, 1, 300, true, key);
    EXPECT_EQ(a.get(0, 0), 0x7FFFu);  // 555 keeps no top bit
    EXPECT_EQ(a.get(1, 0), 0x5555u);  // the key is not copied
    EXPECT_EQ(a.get(2, 0), 0x0000u);
    EXPECT_EQ(a.get(3, 0), 0x0410u);
    for (int x = 0; x < 4; ++x) {
        EXPECT_EQ(b.get(x, 0), 0x5555u);
        EXPECT_EQ(c.get(x, 0), a.get(x, 0));
    }
}

TEST(AlphaBlend16, KeyedHalvesOfAPairAreLeftAlone)
{
    const std::uint32_t key = 0x001F;
    for (int keyed : {0, 1, 2}) {  // first, second, both
        Area src(2, 1, 16), dst(2, 1, 16);
        src.set(0, 0, keyed != 1 ? key : 0x7C00);
        src.set(1, 0, keyed != 0 ? key : 0x7C00);
        dst.set(0, 0, 0x03E0);
        dst.set(1, 0, 0x03E0);
        pixels::BlendRows(BlendFormat::Rgb555, dst.locked(0x7C00, 0x3E0, 0x1F), src.locked(0x7C00, 0x3E0, 0x1F), 2, 1,
                          128, true, key);
        // Red 0 -> 31 and green 31 -> 0 half way, through the paired arithmetic.
        const std::uint32_t mixed = (15u << 10) | (15u << 5);
        EXPECT_EQ(dst.get(0, 0), keyed != 1 ? 0x03E0u : mixed) << keyed;
        EXPECT_EQ(dst.get(1, 0), keyed != 0 ? 0x03E0u : mixed) << keyed;
    }
}

TEST(AlphaBlend16, OtherMasksUseEachSurfacesOwnChannels)
{
    Area src(2, 1, 16), dst(2, 1, 16);
    src.set(0, 0, 0x0F00);  // 444: red 15
    src.set(1, 0, 0x0ABC);
    dst.set(0, 0, 0x00F0);  // green 15
    dst.set(1, 0, 0x0123);
    pixels::BlendRows(BlendFormat::Other16, dst.locked(0xF00, 0x0F0, 0x00F), src.locked(0xF00, 0x0F0, 0x00F), 2, 1, 128,
                      true, 0x0ABC);
    EXPECT_EQ(dst.get(0, 0), 0x0770u);  // 0xF00 and 0x0F0 halved: 0x780 & 0xF00, 0x078 & 0x0F0
    EXPECT_EQ(dst.get(1, 0), 0x0123u);
}

TEST(AlphaBlendWide, TwentyFourAndThirtyTwoBits)
{
    Area s24(2, 1, 24), d24(2, 1, 24);
    s24.set(0, 0, 0x10FF80);
    s24.set(1, 0, 0xABCDEF);
    d24.set(0, 0, 0x9000F0);
    d24.set(1, 0, 0x010203);
    pixels::BlendRows(BlendFormat::Bits24, d24.locked(0, 0, 0), s24.locked(0, 0, 0), 2, 1, 128, true, 0xABCDEF);
    EXPECT_EQ(d24.get(0, 0), 0x507FB8u);  // 0x90->0x10: 0x50; 0x00->0xFF: 0x7F; 0xF0->0x80: 0xB8
    EXPECT_EQ(d24.get(1, 0), 0x010203u);

    Area s32(2, 1, 32), d32(2, 1, 32);
    s32.set(0, 0, 0xFF10FF80);  // its top byte is not part of the colour
    s32.set(1, 0, 0x77ABCDEF);
    d32.set(0, 0, 0xAA9000F0);
    d32.set(1, 0, 0x00010203);
    pixels::BlendRows(BlendFormat::Bits32, d32.locked(0xFF0000, 0xFF00, 0xFF), s32.locked(0xFF0000, 0xFF00, 0xFF), 2, 1,
                      128, true, 0xABCDEF);
    EXPECT_EQ(d32.get(0, 0), 0x00507FB8u);
    EXPECT_EQ(d32.get(1, 0), 0x00010203u);

    Area d(1, 1, 32);
    pixels::BlendRows(BlendFormat::None, d.locked(0, 0, 0), s32.locked(0, 0, 0), 1, 1, 256, false, 0);
    EXPECT_EQ(d.get(0, 0), 0xEEEEEEEEu);
}

TEST(PixelCollision, OpaqueInBothAtTheSamePosition)
{
    // Two 2x2 patterns side by side in one 16-bit surface, key 0.
    Area one(4, 2, 16);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x) one.set(x, y, 0);
    one.set(0, 0, 5);  // left pattern: top-left opaque
    one.set(3, 1, 9);  // right pattern: bottom-right opaque
    auto l = one.locked(0, 0, 0, 0);
    EXPECT_FALSE(pixels::CollideInOneSurface(l, 0, 0, 2, 0, 2, 2));
    one.set(2, 0, 1);
    EXPECT_TRUE(pixels::CollideInOneSurface(l, 0, 0, 2, 0, 2, 2));
    EXPECT_FALSE(pixels::CollideInOneSurface(l, 0, 0, 2, 0, 0, 2));
    EXPECT_FALSE(pixels::CollideInOneSurface(l, 1, 1, 3, 1, 1, 1));
}

TEST(PixelCollision, AcrossSurfacesDepthsMustMatchAndWholeWordsCount)
{
    Area a(2, 1, 32, 0), b(2, 1, 32, 0), c(2, 1, 16, 0);
    a.set(0, 0, 0x01000000);  // only the top byte differs from the key 0
    a.set(1, 0, 0);
    b.set(0, 0, 0x00000007);
    b.set(1, 0, 0x00000007);
    c.set(0, 0, 7);
    c.set(1, 0, 7);
    EXPECT_TRUE(pixels::CollideAcrossSurfaces(a.locked(0, 0, 0), b.locked(0, 0, 0), 2, 1));
    EXPECT_FALSE(pixels::CollideAcrossSurfaces(a.locked(0, 0, 0), c.locked(0, 0, 0), 2, 1));
    // Within one surface 32-bit pixels compare by their colour bits only.
    Area one(2, 1, 32, 0);
    one.set(0, 0, 0x01000000);
    one.set(1, 0, 0x00000007);
    EXPECT_FALSE(pixels::CollideInOneSurface(one.locked(0, 0, 0), 0, 0, 1, 0, 1, 1));

    // Each position is opaque in one area only: no collision until both are.
    Area p(2, 2, 24), q(2, 2, 24);
    const std::uint32_t k = 0xABCDEF;
    p.set(0, 0, k);
    p.set(1, 0, 3);
    p.set(0, 1, k);
    p.set(1, 1, 1);
    q.set(0, 0, 5);
    q.set(1, 0, 0);
    q.set(0, 1, 5);
    q.set(1, 1, 0);
    EXPECT_FALSE(pixels::CollideAcrossSurfaces(p.locked(0, 0, 0, k), q.locked(0, 0, 0, 0), 2, 2));
    q.set(1, 1, 5);
    EXPECT_TRUE(pixels::CollideAcrossSurfaces(p.locked(0, 0, 0, k), q.locked(0, 0, 0, 0), 2, 2));
    EXPECT_FALSE(pixels::CollideAcrossSurfaces(p.locked(0, 0, 0, k), q.locked(0, 0, 0, 0), 2, 1));
}

}  // namespace

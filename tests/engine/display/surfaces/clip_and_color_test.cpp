// Clipping arithmetic and colour conversion of the engine's surfaces.
#include <gtest/gtest.h>

#include "../screen/screen_fixture.h"

namespace {

const TRect kClip{0, 0, 100, 80};

TEST(ClipRects, CutsTheSourceAlongWithTheDestinationAtEveryEdge)
{
    struct Case {
        TRect dst, expectDst, expectSrc;
    };
    // A 32 x 32 source at (0, 0) of its surface, placed so it crosses each edge.
    const Case cases[] = {
        {{-10, 5, 22, 37}, {0, 5, 22, 37}, {10, 0, 32, 32}},      // left
        {{5, -7, 37, 25}, {5, 0, 37, 25}, {0, 7, 32, 32}},        // top
        {{90, 5, 122, 37}, {90, 5, 100, 37}, {0, 0, 10, 32}},     // right
        {{5, 70, 37, 102}, {5, 70, 37, 80}, {0, 0, 32, 10}},      // bottom
        {{-4, -4, 28, 28}, {0, 0, 28, 28}, {4, 4, 32, 32}},       // corner
    };
    for (const auto& c : cases) {
        TRect dst = c.dst, src{0, 0, 32, 32};
        EXPECT_TRUE(TDDrawSurface::ClipRects(dst, src, {0, 0, 32, 32}, kClip));
        EXPECT_EQ(dst, c.expectDst);
        EXPECT_EQ(src, c.expectSrc);
    }
}

TEST(ClipRects, EmptyWhenEntirelyOutsideOrWhenTheSourceBoundsCutEverything)
{
    TRect dst{100, 0, 132, 32}, src{0, 0, 32, 32};
    EXPECT_FALSE(TDDrawSurface::ClipRects(dst, src, {0, 0, 32, 32}, kClip));
    TRect dst2{0, 0, 10, 10}, src2{-20, 0, -10, 10};
    EXPECT_FALSE(TDDrawSurface::ClipRects(dst2, src2, {0, 0, 32, 32}, kClip));
}

TEST(ClipStretchRects, RoundsHalvesToEven)
{
    // 10 source pixels over 20 destination pixels, from x = -5: Round(2.5) = 2.
    TRect dst{-5, 0, 15, 10}, src{0, 0, 10, 10};
    EXPECT_TRUE(TDDrawSurface::ClipStretchRects(dst, src, kClip));
    EXPECT_EQ(dst, (TRect{0, 0, 15, 10}));
    EXPECT_EQ(src, (TRect{2, 0, 10, 10}));
    // From x = -3: Round(1.5) = 2 as well; at the right edge 0.5 x 25 = 12.5 -> 12.
    TRect dst2{-3, 0, 17, 10}, src2{0, 0, 10, 10};
    TDDrawSurface::ClipStretchRects(dst2, src2, kClip);
    EXPECT_EQ(src2.left, 2);
    TRect dst3{95, 0, 145, 10}, src3{0, 0, 25, 10};
    TDDrawSurface::ClipStretchRects(dst3, src3, kClip);
    EXPECT_EQ(dst3.right, 100);
    EXPECT_EQ(src3.right, 25 - 22);
}

struct ConvertCase {
    int bits;
    int32_t format;
    uint32_t white, red, grey;
};

class ConvertColorByDepth : public testing::TestWithParam<ConvertCase> {};

TEST_P(ConvertColorByDepth, GivesTheListedValues)
{
    const ConvertCase c = GetParam();
    HeadlessDisplay d;
    d.screen.SetDisplayMode(c.bits == 24 ? m0800x600x24 : c.bits == 32 ? m0800x600x32 : m0800x600x16);
    d.screen.Driver().options().desktopBitsPerPixel = c.bits;
    d.screen.Initialize();
    auto s = d.surface(4, 4);
    EXPECT_EQ(s->GetPixelFormat(), c.format);
    EXPECT_EQ(s->ConvertColor(0xFFFFFF), c.white);
    EXPECT_EQ(s->ConvertColor(0x0000FF), c.red);
    EXPECT_EQ(s->ConvertColor(0x808080), c.grey);
}

INSTANTIATE_TEST_SUITE_P(Formats, ConvertColorByDepth,
                         testing::Values(ConvertCase{15, spfRGB555, 0x7FFF, 0x7C00, 16u << 10 | 16u << 5 | 16u},
                                         ConvertCase{16, spfRGB565, 0xFFFF, 0xF800, 16u << 11 | 32u << 5 | 16u},
                                         ConvertCase{24, spf24Bit, 0xFFFFFF, 0xFF0000, 0x808080},
                                         ConvertCase{32, spf32Bit, 0xFFFFFF, 0xFF0000, 0x808080}));

TEST(ColorMatch, UsesGdiConversionAndLeavesTheSurfaceAsItWas)
{
    HeadlessDisplay d;
    d.screen.Initialize();
    auto s = d.surface(8, 8, 0x1234);
    // GDI keeps the top bits: 0x0C0C0C becomes 1 in each 565 channel.
    EXPECT_EQ(s->ColorMatch(0x0C0C0C), int64_t(1u << 11 | 3u << 5 | 1u));
    EXPECT_EQ(nativeAt(*s, 0, 0), 0x1234u);
    s->SetColorKey(0xFF00FF);
    EXPECT_EQ(s->ColorKey, 0xFF00FF);
    EXPECT_EQ(s->ColorKeyValue, 0xF81Fu);
    platform::ddraw::DDCOLORKEY key;
    ASSERT_EQ(s->Surface()->GetColorKey(platform::ddraw::DDCKEY_SRCBLT, key), 0);
    EXPECT_EQ(key.dwColorSpaceLowValue, 0xF81Fu);
}

TEST(ColorMatch, IsMinusOneWhenTheSurfaceCannotBeLockedAndTheKeyFollows)
{
    HeadlessDisplay d;
    d.screen.Initialize();
    auto s = d.surface(8, 8);
    s->Surface()->markLost();
    EXPECT_EQ(s->ColorMatch(0xFFFFFF), -1);
    s->SetColorKey(0xFFFFFF);
    EXPECT_EQ(s->ColorKeyValue, 0xFFFFFFFFu);
}

}  // namespace

// The pixel routines as the surfaces reach them: DrawAlpha and
// PixelCollision on real surfaces of the software display.
#include <gtest/gtest.h>

#include "../screen/screen_fixture.h"

namespace {

namespace dd = platform::ddraw;

void fill(TDDrawSurface& s, const TRect& r, uint32_t value)
{
    dd::DDBLTFX fx;
    fx.dwFillColor = value;
    s.Surface()->Blt(&r, nullptr, nullptr, dd::DDBLT_COLORFILL, &fx);
}

// Full screen at `mode`, so surfaces have that mode's depth.
struct Display : HeadlessDisplay {
    explicit Display(int mode, int version = 7) : HeadlessDisplay(true, version)
    {
        screen.SetDisplayMode(mode);
        screen.Initialize();
    }
};

TEST(DrawAlpha, BlendsHalfWayIn565WithKeyAndClipping)
{
    Display d(5);  // 800 x 600 x 16
    auto dst = d.surface(20, 4, 0x001F);  // blue
    auto src = d.surface(5, 4, 0xF800);   // red, key black in the middle column
    fill(*src, {2, 0, 3, 4}, 0);
    src->SetColorKey(0);
    dst->DrawAlpha(-1, 0, 128, true, {0, 0, 5, 4}, src.get());
    // Columns 1..4 of the source land on 0..3; column 2 is key.
    EXPECT_EQ(nativeAt(*dst, 0, 0), 0x780Fu);
    EXPECT_EQ(nativeAt(*dst, 1, 3), 0x001Fu);
    EXPECT_EQ(nativeAt(*dst, 2, 3), 0x780Fu);
    EXPECT_EQ(nativeAt(*dst, 3, 0), 0x780Fu);
    EXPECT_EQ(nativeAt(*dst, 4, 0), 0x001Fu);

    dst->DrawAlpha(10, 0, 256, false, {0, 0, 5, 4}, src.get());  // odd width 5, no key: exact copy
    for (int x = 10; x < 15; ++x) EXPECT_EQ(nativeAt(*dst, x, 1), x == 12 ? 0u : 0xF800u) << x;
}

TEST(DrawAlpha, WideFormatsAndTheFirstGeneration)
{
    for (int mode : {6, 7}) {  // 24 and 32 bits
        Display d(mode);
        auto dst = d.surface(4, 1, 0x0000FF);
        auto src = d.surface(4, 1, 0xFF0000);
        dst->DrawAlpha(0, 0, 128, false, {0, 0, 4, 1}, src.get());
        EXPECT_EQ(nativeAt(*dst, 3, 0) & 0xFFFFFF, 0x7F007Fu) << mode;
    }
    Display v1(5, 1);
    auto dst = v1.surface(4, 1, 0x001F);
    auto src = v1.surface(4, 1, 0xF800);
    fill(*src, {0, 0, 1, 1}, 0);
    src->SetColorKey(0);
    dst->DrawAlpha(0, 0, 128, false, {0, 0, 4, 1}, src.get());
    EXPECT_EQ(nativeAt(*dst, 0, 0), 0x001Fu);  // a keyed copy whatever Transparent says
    EXPECT_EQ(nativeAt(*dst, 1, 0), 0xF800u);
    EXPECT_EQ(dst->AlphaBlend(0, 0, spfRGB565, 128, false, nullptr, src.get()), 0);
}

TEST(AlphaBlend, ResultCodes)
{
    Display d(5);
    auto dst = d.surface(8, 8, 0);
    auto src = d.surface(4, 4, 0xFFFF);
    EXPECT_EQ(dst->AlphaBlend(0, 0, spfRGB565, 256, false, nullptr, src.get()), 0);  // whole source
    EXPECT_EQ(nativeAt(*dst, 3, 3), 0xFFFFu);
    EXPECT_EQ(nativeAt(*dst, 4, 4), 0u);
    EXPECT_EQ(dst->AlphaBlend(6, 6, spfRGB565, 256, false, nullptr, src.get()), 1);  // does not fit: no lock
    EXPECT_EQ(dst->AlphaBlend(0, 0, spfOther, 256, false, nullptr, src.get()), 0);   // nothing to blend
    dst->Surface()->markLost();
    EXPECT_EQ(dst->AlphaBlend(0, 0, spfRGB565, 256, false, nullptr, src.get()), 1);
}

TEST(PixelCollisionOnSurfaces, DepthsMustMatchAndAreasMustExist)
{
    Display d16(5), d32(7);
    auto a = d16.surface(4, 4, 0x1234);
    auto b = d16.surface(4, 4, 0x4321);
    auto c = d32.surface(4, 4, 0x123456);
    a->SetColorKey(0);
    b->SetColorKey(0);
    EXPECT_TRUE(a->PixelCollision(b.get(), 2, 2, {0, 0, 2, 2}, {2, 2, 4, 4}));
    EXPECT_FALSE(a->PixelCollision(c.get(), 2, 2, {0, 0, 2, 2}, {0, 0, 2, 2}));  // 16 against 32 bits
    EXPECT_FALSE(a->PixelCollision(b.get(), 2, 2, {3, 3, 5, 5}, {0, 0, 2, 2}));  // outside: not locked
    EXPECT_FALSE(a->PixelCollision(a.get(), 2, 2, {0, 0, 2, 2}, {3, 3, 5, 5}));
    fill(*b, {0, 0, 4, 4}, 0);
    EXPECT_FALSE(a->PixelCollision(b.get(), 4, 4, {0, 0, 4, 4}, {0, 0, 4, 4}));
}

}  // namespace

// Drawing primitives of both surface generations.
#include <gtest/gtest.h>

#include "../screen/screen_fixture.h"

namespace {

constexpr uint32_t kKey = 0x0000, kRed = 0xF800, kBlue = 0x001F;

// A 32 x 32 source: left half red, right half key colour, key set.
std::unique_ptr<TDDrawSurface> sprite(HeadlessDisplay& d)
{
    auto s = d.surface(32, 32, kKey);
    platform::ddraw::DDBLTFX fx;
    fx.dwFillColor = kRed;
    const TRect left{0, 0, 16, 32};
    s->Surface()->Blt(&left, nullptr, nullptr, platform::ddraw::DDBLT_COLORFILL, &fx);
    s->SetColorKey(0);
    return s;
}

class BothGenerations : public testing::TestWithParam<int> {};
INSTANTIATE_TEST_SUITE_P(Versions, BothGenerations, testing::Values(1, 7));

TEST_P(BothGenerations, DrawClipsAgainstTheDestinationOnly)
{
    HeadlessDisplay d(false, GetParam());
    d.screen.Initialize();
    ASSERT_EQ(d.screen.DXVersion(), GetParam());
    auto dst = d.surface(100, 80, kBlue);
    auto src = sprite(d);
    // At (-10, 5) the source's left 10 columns are cut off.
    dst->Draw(-10, 5, {0, 0, 32, 32}, src.get(), false);
    EXPECT_EQ(nativeAt(*dst, 0, 5), kRed);
    EXPECT_EQ(nativeAt(*dst, 5, 5), kRed);
    EXPECT_EQ(nativeAt(*dst, 6, 5), kKey);   // source column 16
    EXPECT_EQ(nativeAt(*dst, 21, 5), kKey);  // source column 31
    EXPECT_EQ(nativeAt(*dst, 22, 5), kBlue);
    EXPECT_EQ(nativeAt(*dst, 0, 4), kBlue);
    // At the bottom-right corner only the top-left of the source shows.
    dst->Draw(90, 70, {0, 0, 32, 32}, src.get(), true);
    EXPECT_EQ(nativeAt(*dst, 99, 79), kRed);
    EXPECT_EQ(nativeAt(*dst, 89, 79), kBlue);
}

TEST_P(BothGenerations, TransparentDrawSkipsKeyPixels)
{
    HeadlessDisplay d(false, GetParam());
    d.screen.Initialize();
    auto dst = d.surface(100, 80, kBlue);
    auto src = sprite(d);
    dst->Draw(10, 10, {0, 0, 32, 32}, src.get(), true);
    EXPECT_EQ(nativeAt(*dst, 10, 10), kRed);
    EXPECT_EQ(nativeAt(*dst, 30, 10), kBlue);
}

TEST_P(BothGenerations, DegenerateDrawsLeaveTheDestinationAlone)
{
    HeadlessDisplay d(false, GetParam());
    d.screen.Initialize();
    auto dst = d.surface(100, 80, kBlue);
    auto src = sprite(d);
    dst->Draw(100, 0, {0, 0, 32, 32}, src.get(), false);  // X = Width: clipped empty
    dst->Draw(101, 0, {0, 0, 32, 32}, src.get(), false);  // beyond: first test
    dst->Draw(0, 0, {10, 0, 5, 32}, src.get(), false);    // inverted source
    dst->Draw(0, 0, {10, 0, 10, 32}, src.get(), false);   // empty source
    dst->Draw(0, 0, {0, 0, 32, 32}, nullptr, false);
    TDDrawSurface7 unmade;
    dst->Draw(0, 0, {0, 0, 32, 32}, &unmade, false);
    for (int x : {0, 50, 99}) EXPECT_EQ(nativeAt(*dst, x, 0), kBlue);
}

TEST_P(BothGenerations, StretchDrawScalesAndClips)
{
    HeadlessDisplay d(false, GetParam());
    d.screen.Initialize();
    auto dst = d.surface(100, 80, kBlue);
    auto src = sprite(d);
    // 32 wide onto 64: red on 0..31, key (copied, not transparent) on 32..63.
    dst->StretchDraw(0, 0, 64, 16, {0, 0, 32, 32}, src.get(), false);
    EXPECT_EQ(nativeAt(*dst, 31, 15), kRed);
    EXPECT_EQ(nativeAt(*dst, 32, 0), kKey);
    EXPECT_EQ(nativeAt(*dst, 64, 0), kBlue);
    dst->StretchDraw(-32, 40, 64, 16, {0, 0, 32, 32}, src.get(), true);
    EXPECT_EQ(nativeAt(*dst, 0, 40), kBlue);  // the red half lies left of the edge
    dst->StretchDraw(0, 0, 0, 10, {0, 0, 32, 32}, src.get(), false);
}

TEST(Version7Surface, FillRectAndSetPixelWriteConvertedColours)
{
    HeadlessDisplay d(false, 7);
    d.screen.Initialize();
    auto s = d.surface(20, 20, 0);
    s->FillRect(2, 3, 4, 5, 0x0000FF);
    EXPECT_EQ(nativeAt(*s, 2, 3), 0xF800u);
    EXPECT_EQ(nativeAt(*s, 5, 7), 0xF800u);
    EXPECT_EQ(nativeAt(*s, 6, 7), 0u);
    s->FillRect(-1, 0, 4, 4, 0xFFFFFF);  // negative origin: nothing
    EXPECT_EQ(nativeAt(*s, 0, 0), 0u);
    s->SetPixel(19, 19, 0xFFFFFF);
    EXPECT_EQ(nativeAt(*s, 19, 19), 0xFFFFu);
    s->SetPixel(20, 0, 0xFFFFFF);  // X = Width: nothing
    s->SetPixel(0, 19, 0xFFFFFF);  // same colour again comes from the cache
    EXPECT_EQ(nativeAt(*s, 0, 19), 0xFFFFu);
}

TEST(Version1Surface, FillRectAndSetPixelDoNothing)
{
    HeadlessDisplay d(false, 1);
    d.screen.Initialize();
    auto s = d.surface(20, 20, 0x1111);
    s->FillRect(0, 0, 10, 10, 0xFFFFFF);
    s->SetPixel(1, 1, 0xFFFFFF);
    EXPECT_EQ(nativeAt(*s, 1, 1), 0x1111u);
}

TEST(Version1Surface, DrawAlphaIsATransparentDraw)
{
    HeadlessDisplay d(false, 1);
    d.screen.Initialize();
    auto a = d.surface(60, 40, kBlue), b = d.surface(60, 40, kBlue);
    auto src = sprite(d);
    a->DrawAlpha(-3, 4, 128, false, {0, 0, 32, 32}, src.get());
    b->Draw(-3, 4, {0, 0, 32, 32}, src.get(), true);
    for (int y = 0; y < 40; y += 3)
        for (int x = 0; x < 60; x += 2) ASSERT_EQ(nativeAt(*a, x, y), nativeAt(*b, x, y)) << x << "," << y;
}

TEST(SurfaceCanvas, TextNeedsTheDeviceContextAndBlocksBlitsWhileHeld)
{
    HeadlessDisplay d;
    d.screen.Initialize();
    auto s = d.surface(120, 40, 0);
    auto src = sprite(d);
    auto& canvas = s->Canvas();
    EXPECT_THROW(canvas.TextOut(0, 0, "x"), platform::Exception);
    ASSERT_TRUE(canvas.AcquireDC());
    canvas.Brush.Style = platform::gdi::TBrushStyle::bsClear;
    canvas.Font.Name = "Arial";
    canvas.Font.Size = 10;
    canvas.Font.Color = 0xFFFFFF;
    canvas.TextOut(0, 0, "FPS: 98");
    EXPECT_GT(canvas.TextWidth("FPS: 98"), 30);
    s->Draw(0, 0, {0, 0, 32, 32}, src.get(), false);  // refused: GDI holds the surface
    canvas.ReleaseDC();
    int lit = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 60; ++x) lit += nativeAt(*s, x, y) == 0xFFFF;
    EXPECT_GT(lit, 20);
    EXPECT_EQ(nativeAt(*s, 0, 30), 0u);  // the draw above did not happen
}

TEST(CopyBitmap, StretchesTheBitmapOverTheWholeSurface)
{
    HeadlessDisplay d;
    d.screen.Initialize();
    platform::gdi::Bitmap bmp(2, 1);
    bmp.setPixel(0, 0, 0x0000FF);
    bmp.setPixel(1, 0, 0xFF0000);
    auto s = d.surface(4, 2, 0);
    EXPECT_EQ(s->CopyBitmap(&bmp, 0, 0, 0, 0), 0);
    EXPECT_EQ(nativeAt(*s, 1, 1), 0xF800u);
    EXPECT_EQ(nativeAt(*s, 2, 0), 0x001Fu);
    EXPECT_EQ(s->CopyBitmap(nullptr, 0, 0, 0, 0), platform::ddraw::E_INVALIDARG);
    TDDrawSurface7 unmade;
    EXPECT_EQ(unmade.CopyBitmap(&bmp, 0, 0, 0, 0), platform::ddraw::E_INVALIDARG);
}

}  // namespace

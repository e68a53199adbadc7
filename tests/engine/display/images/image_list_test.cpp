// The image list: pattern layout, lookup, surfaces through the screen's
// life, drawing by pattern and collision tests.
#include <gtest/gtest.h>

#include "../screen/screen_fixture.h"
#include "engine/display/image_list.h"
#include "platform/win32/bitmap/bmp_test_files.h"

namespace {

constexpr TColor kBlack = 0x000000, kRed = 0x0000FF, kBlue = 0xFF0000, kWhite = 0xFFFFFF;
constexpr uint32_t kRed565 = 0xF800, kBlue565 = 0x001F, kWhite565 = 0xFFFF;

platform::TBitmap filled(int w, int h, TColor color)
{
    platform::TBitmap b;
    b.SetSize(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) b.SetPixel(x, y, color);
    return b;
}

// Two 32 x 32 patterns side by side: red and blue, each with a black
// (transparent) frame 4 pixels wide.
platform::TBitmap sheet()
{
    platform::TBitmap b = filled(64, 32, kBlack);
    for (int y = 4; y < 28; ++y)
        for (int x = 4; x < 28; ++x) {
            b.SetPixel(x, y, kRed);
            b.SetPixel(x + 32, y, kBlue);
        }
    return b;
}

struct Images : HeadlessDisplay {
    TDImageList list;
    explicit Images(int version = 7, bool fullScreen = false) : HeadlessDisplay(fullScreen, version)
    {
        list.SetDrawScreen(&screen);
    }
    TImageCollectionItem& add(const std::string& name, const platform::TBitmap& bitmap, int pw = 0, int ph = 0)
    {
        auto& item = list.Items().Add();
        item.SetBitmap(&bitmap);
        item.Name = name;
        item.SetPatternWidth(pw);
        item.SetPatternHeight(ph);
        return item;
    }
    uint32_t back(int x, int y) { return nativeAt(*screen.BackBuffer(), x, y); }
};

TEST(ImagePatterns, GridArithmeticAndSilentRefusals)
{
    TDImageList list;
    auto& item = list.Items().Add();
    const platform::TBitmap b = filled(100, 60, kWhite);
    item.SetBitmap(&b);
    EXPECT_EQ(item.PatternCount(), 1);
    item.SetPatternWidth(20);
    item.SetPatternHeight(30);
    EXPECT_EQ(item.PatternCount(), 10);  // 5 columns, 2 rows
    EXPECT_EQ(item.PatternRects()[6], (TRect{20, 30, 40, 60}));  // row-major numbering

    item.SetSkipWidth(5);  // (100 + 5) div 25 = 4 columns at 0, 25, 50, 75
    EXPECT_EQ(item.PatternCount(), 8);
    EXPECT_EQ(item.PatternRects()[3], (TRect{75, 0, 95, 30}));

    item.SetPatternWidth(200);  // does not fit: the old width stays
    EXPECT_EQ(item.PatternWidth(), 20);
    item.SetSkipWidth(81);  // 81 + 20 > 100
    EXPECT_EQ(item.SkipWidth(), 5);
    item.SetPatternWidth(-3);  // 0: one whole-bitmap pattern
    EXPECT_EQ(item.PatternWidth(), 0);
    EXPECT_EQ(item.PatternCount(), 1);
    EXPECT_EQ(item.PatternRects()[0], (TRect{0, 0, 100, 60}));

    // A new bitmap is one whole pattern again, whatever was cut before.
    const platform::TBitmap small = filled(10, 10, kRed);
    item.SetBitmap(&small);
    EXPECT_EQ(item.PatternCount(), 1);
    EXPECT_EQ(item.PatternWidth(), 10);
    EXPECT_EQ(item.SkipWidth(), 0);
    EXPECT_EQ(item.TransparentColor, kRed | 0x02000000);
}

TEST(ImageLookup, FindIgnoresCaseAndNamesWhatIsMissing)
{
    TDImageList list;
    list.Items().Add().Name = "Cursor";
    list.Items().Add().Name = "cursor";
    EXPECT_EQ(&list.Items().Find("CURSOR"), &list.Items().Items(0));
    try {
        list.Items().Find("Cursr");
        FAIL();
    } catch (const EDImageListError& e) {
        EXPECT_STREQ(e.what(), "Image Cursr does not exist.");
        EXPECT_STREQ(e.className(), "EDImageListError");
    }
    EXPECT_THROW(list.Items().Items(2), EDImageListError);
}

TEST(ImageLookup, CopiedItemsKeepEverythingButNamesAndSurfaces)
{
    Images d;
    d.add("Sheet", sheet(), 32, 32).Transparent = false;
    d.screen.Initialize();
    TDImageList other;
    other.SetItems(d.list.Items());
    auto& copy = other.Items().Items(0);
    EXPECT_EQ(copy.Name, "");
    EXPECT_EQ(copy.Surface(), nullptr);
    EXPECT_EQ(copy.PatternCount(), 2);
    EXPECT_FALSE(copy.Transparent);
    EXPECT_EQ(copy.Bitmap()->Pixel(40, 10), kBlue);
    EXPECT_THROW(other.Items().Find("Sheet"), EDImageListError);
}

std::string initializeError(Images& d)
{
    try {
        d.screen.Initialize();
    } catch (const EDImageListError& e) {
        return e.what();
    }
    return "no error";
}

TEST(ImageSurfaces, ValidationStopsInitializeBeforeTheDisplayChanges)
{
    Images d;
    d.list.Items().Add().Name = "empty";
    EXPECT_EQ(initializeError(d), "ImageCollectionItem empty has a Bitmap width or height of 0.");
    EXPECT_EQ(d.screen.BackBuffer(), nullptr);
    d.list.Items().Items(0).SetBitmap(nullptr);
    EXPECT_EQ(initializeError(d), "ImageCollectionItem empty has no Bitmap.");
}

TEST(ImageSurfaces, CreatedWithTheKeyRebuiltByInitializeAndFreedWithTheScreen)
{
    auto d = std::make_unique<Images>();
    auto& item = d->add("Sheet", sheet());
    EXPECT_EQ(item.Surface(), nullptr);
    d->screen.Initialize();
    ASSERT_NE(item.Surface(), nullptr);
    EXPECT_EQ(item.Surface()->ColorKeyValue, 0u);
    EXPECT_EQ(nativeAt(*item.Surface(), 4, 4), kRed565);
    d->screen.Initialize();  // again: a new surface with the same picture
    ASSERT_NE(item.Surface(), nullptr);
    EXPECT_EQ(nativeAt(*item.Surface(), 36, 4), kBlue565);
    // A list unbound before the screen goes away keeps its surfaces.
    d->list.SetDrawScreen(nullptr);
    EXPECT_TRUE(d->screen.ImageLists().empty());
    d->list.SetDrawScreen(&d->screen);
    d->list.FreeSurfaces();
    EXPECT_EQ(item.Surface(), nullptr);
}

TEST(ImageSurfaces, ComeBackAfterTheDisplayWasLost)
{
    Images d(7, true);
    auto& item = d.add("Sheet", sheet(), 32, 32);
    d.screen.Initialize();
    d.backend.loseFocus();
    d.app.processMessages();
    d.backend.gainFocus();
    d.app.processMessages();
    ASSERT_EQ(item.Surface()->Surface()->IsLost(), 0);
    EXPECT_EQ(nativeAt(*item.Surface(), 4, 4), kRed565);
    EXPECT_EQ(nativeAt(*item.Surface(), 60, 27), 0u);  // frame pixel, black
    EXPECT_EQ(nativeAt(*item.Surface(), 59, 27), kBlue565);
    d.screen.Clear();
    item.Draw(d.screen.BackBuffer(), 0, 0, 1);
    EXPECT_EQ(d.back(10, 10), kBlue565);
}

TEST(ImageDrawing, PatternsKeyAndClipAtTheScreenEdges)
{
    Images d;
    auto& item = d.add("Sheet", sheet(), 32, 32);
    d.screen.Initialize();
    auto* back = d.screen.BackBuffer();
    platform::ddraw::DDBLTFX fx;
    fx.dwFillColor = kWhite565;
    back->Surface()->Blt(nullptr, nullptr, nullptr, platform::ddraw::DDBLT_COLORFILL, &fx);

    item.Draw(back, -10, -10, 1);  // top-left corner: source starts at (10, 10)
    EXPECT_EQ(d.back(0, 0), kBlue565);
    EXPECT_EQ(d.back(17, 17), kBlue565);
    EXPECT_EQ(d.back(18, 18), kWhite565);  // the black frame is transparent

    item.Draw(back, 780, 590, 0);  // bottom-right corner
    EXPECT_EQ(d.back(783, 593), kWhite565);
    EXPECT_EQ(d.back(784, 594), kRed565);
    EXPECT_EQ(d.back(799, 599), kRed565);

    item.Transparent = false;  // the frame is copied too
    item.Draw(back, 100, 100, 0);
    EXPECT_EQ(d.back(100, 100), 0u);
    EXPECT_EQ(d.back(104, 104), kRed565);

    fx.dwFillColor = kWhite565;
    back->Surface()->Blt(nullptr, nullptr, nullptr, platform::ddraw::DDBLT_COLORFILL, &fx);
    item.Draw(back, 200, 200, 2);   // no pattern 2 on a 64 x 32 sheet
    item.Draw(back, 200, 200, -1);
    item.Draw(back, 800, 600, 0);   // fully outside
    for (int y = 195; y < 240; y += 4)
        for (int x = 195; x < 240; x += 4) ASSERT_EQ(d.back(x, y), kWhite565) << x << "," << y;
}

TEST(ImageDrawing, ASinglePatternImageDrawsItForAnyIndex)
{
    Images d;
    auto& item = d.add("Dot", filled(64, 64, kRed), 64, 64);
    d.screen.Initialize();
    d.screen.Clear();
    item.Draw(d.screen.BackBuffer(), 5, 5, 7);
    EXPECT_EQ(d.back(5, 5), 0u);  // keyed on its own bottom-left pixel: nothing shows
    item.Transparent = false;
    item.Draw(d.screen.BackBuffer(), 5, 5, 7);
    EXPECT_EQ(d.back(5, 5), kRed565);
}

TEST(ImageDrawing, ItemsWithoutSizesTakeTheSurfaceSizeOnCreation)
{
    Images d;
    auto& item = d.list.Items().Add();
    const auto b = filled(20, 10, kBlue);
    item.SetBitmap(&b);
    item.SetPatternWidth(0);
    d.screen.Initialize();
    EXPECT_EQ(item.PatternWidth(), 20);
    EXPECT_EQ(item.PatternHeight(), 10);
    EXPECT_EQ(item.PatternCount(), 1);
}

class ImageCollision : public testing::TestWithParam<int> {};
INSTANTIATE_TEST_SUITE_P(Versions, ImageCollision, testing::Values(1, 7));

TEST_P(ImageCollision, RectanglesPixelsAndTheFirstGeneration)
{
    Images d(GetParam());
    auto& a = d.add("a", sheet(), 32, 32);
    auto& b = d.add("b", sheet(), 32, 32);
    d.screen.Initialize();
    // Rectangles only: touching is not overlapping.
    EXPECT_FALSE(a.TestCollision(0, 0, 0, b, 32, 0, 0, false));
    EXPECT_TRUE(a.TestCollision(0, 0, 0, b, 31, 0, 0, false));
    // Overlapping only in the transparent frames: 4 + 4 pixels at the seam.
    const bool framesOnly = a.TestCollision(0, 0, 0, b, 24, 0, 1, true);
    EXPECT_EQ(framesOnly, GetParam() == 1) << "version 1 answers every overlap";
    EXPECT_TRUE(a.TestCollision(0, 0, 0, b, 23, 0, 1, true));
    // Two patterns of one surface.
    EXPECT_EQ(a.TestCollision(0, 0, 0, a, 24, 24, 1, true), GetParam() == 1);
    EXPECT_TRUE(a.TestCollision(0, 0, 0, a, 20, 20, 1, true));
    // An item without surface takes no part in pixel tests.
    auto& late = d.add("late", sheet(), 32, 32);
    EXPECT_EQ(a.TestCollision(0, 0, 0, late, 10, 10, 0, true), GetParam() == 1);
    EXPECT_FALSE(late.TestCollision(0, 0, 0, a, 10, 10, 0, true));
}

TEST(ImageCollision, OutOfRangePatternsHaveNoPixels)
{
    Images d;
    auto& a = d.add("a", sheet(), 32, 32);
    d.screen.Initialize();
    EXPECT_FALSE(a.TestCollision(0, 0, 5, a, 0, 0, 0, true));
    EXPECT_TRUE(a.TestCollision(0, 0, 5, a, 0, 0, 0, false));
}

// Real files made by ImageMagick, behind the 101-byte prefix, drawn onto a
// 32-bit back buffer give exactly ImageMagick's own pixels.
TEST(ImageFiles, LoadAndDrawTheSamePixels)
{
    Images d(7, true);  // full screen: windowed surfaces take the desktop's depth
    d.screen.SetDisplayMode(7);  // 800 x 600 x 32
    const char* names[] = {"rgb24", "rgb32", "rgb565", "rgb555", "pal8", "pal8_rle", "pal4", "mono", "os2_24"};
    for (const char* name : names) {
        auto in = bmptest::prefixed(bmptest::readFile(std::string(name) + ".bmp"));
        platform::TBitmap b;
        b.LoadFromStream(in);
        d.add(name, b).Transparent = false;
    }
    d.screen.Initialize();
    ASSERT_EQ(d.screen.BitCount(), 32);
    for (const char* name : names) {
        d.screen.Clear();
        d.list.Items().Find(name).Draw(d.screen.BackBuffer(), 5, 7, 0);
        const bmptest::Rgb expected = bmptest::readPpm(std::string(name) + ".ppm");
        for (int y = 0; y < expected.height; ++y)
            for (int x = 0; x < expected.width; ++x)
                ASSERT_EQ(d.back(5 + x, 7 + y), expected.pixels[static_cast<std::size_t>(y) * expected.width + x])
                    << name << " at " << x << "," << y;
    }
}

}  // namespace

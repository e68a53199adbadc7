// Device contexts: GDI colour rules, StretchBlt and text with a real font.
#include <gtest/gtest.h>

#include <vector>

#include "platform/errors.h"
#include "platform/win32/gdi/canvas.h"
#include "platform/win32/gdi/gdi_dc.h"

namespace {

using namespace platform::gdi;

struct Memory565 {
    std::vector<uint8_t> pixels;
    PixelTarget target;
    Memory565(int w, int h) : pixels(std::size_t(w) * h * 2, 0)
    {
        target = {pixels.data(), w, h, w * 2, platform::formatForBits(16), nullptr};
    }
    uint16_t at(int x, int y) const
    {
        return uint16_t(pixels[std::size_t(y * target.pitch + x * 2)] | pixels[std::size_t(y * target.pitch + x * 2 + 1)] << 8);
    }
};

TEST(DeviceContext, KeepsTheTopBitsOfEachChannel)
{
    Memory565 m(4, 4);
    DeviceContext dc(m.target, nullptr);
    EXPECT_EQ(dc.setPixel(1, 1, 0x0C0C0C), 0x080C08u);  // 5-6-5 bits kept
    EXPECT_EQ(m.at(1, 1), (1u << 11 | 3u << 5 | 1u));
    EXPECT_EQ(dc.getPixel(1, 1), 0x080C08u);
    EXPECT_EQ(dc.setPixel(4, 0, 0xFFFFFF), CLR_INVALID);
    EXPECT_EQ(dc.getPixel(-1, 0), CLR_INVALID);
}

TEST(DeviceContext, StretchBltScalesABitmapOntoTheTarget)
{
    Bitmap b(2, 2);
    b.setPixel(0, 0, 0x0000FF);
    b.setPixel(1, 1, 0xFF0000);
    DeviceContext memory;
    memory.selectObject(&b);
    Memory565 m(4, 4);
    DeviceContext dc(m.target, nullptr);
    ASSERT_TRUE(dc.stretchBlt({0, 0, 4, 4}, memory, {0, 0, 2, 2}, SRCCOPY));
    EXPECT_EQ(m.at(1, 1), 0xF800);
    EXPECT_EQ(m.at(2, 2), 0x001F);
    EXPECT_EQ(m.at(3, 0), 0x0000);
    // A source rectangle beyond the bitmap leaves those pixels alone.
    Memory565 n(2, 2);
    DeviceContext dc2(n.target, nullptr);
    dc2.stretchBlt({0, 0, 2, 2}, memory, {1, 1, 3, 3}, SRCCOPY);
    EXPECT_EQ(n.at(0, 0), 0x001F);
    EXPECT_EQ(n.at(1, 1), 0x0000);
}

TEST(Bitmap, RefusesSizesThatWouldExhaustMemory)
{
    EXPECT_THROW(Bitmap(100000, 100000), platform::Exception);
    EXPECT_THROW(Bitmap(-1, 4), platform::Exception);
    const uint8_t rows[6] = {1, 2, 3, 4, 5, 6};
    EXPECT_THROW(Bitmap::fromBgr24(2, 1, rows, 3), platform::Exception);  // pitch shorter than a row
    EXPECT_EQ(Bitmap::fromBgr24(2, 1, rows, 6).pixel(1, 0), 0x040506u);
}

TEST(Canvas, WritesTextInTheFontColourWithClearOrOpaqueBackground)
{
    FontCache fonts(std::string(BRINDLECOG_GAME_DIR) + "/" + kFontFolder);
    Memory565 m(120, 30);
    DeviceContext dc(m.target, &fonts);
    TCanvas canvas;
    canvas.SetHandle(&dc);
    canvas.Font.Name = "Verdana";
    canvas.Font.Size = 10;
    canvas.Font.Color = clWhite;
    canvas.Brush.Style = TBrushStyle::bsClear;
    const int w = canvas.TextWidth("FPS: 98"), h = canvas.TextHeight("FPS: 98");
    EXPECT_GT(w, 30);
    EXPECT_LT(w, 80);
    EXPECT_GE(h, 13);
    canvas.TextOut(0, 0, "FPS: 98");
    int white = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) white += m.at(x, y) == 0xFFFF;
    EXPECT_GT(white, 15);
    EXPECT_EQ(m.at(w + 5, 5), 0);  // clear brush: nothing beside the text
    canvas.Brush.Style = TBrushStyle::bsSolid;
    canvas.Brush.Color = 0x0000FF;
    canvas.TextOut(0, 0, "I");
    EXPECT_EQ(m.at(canvas.TextWidth("I") - 1, h - 1), 0xF800);  // opaque box in the brush colour
    canvas.Font.Style = fsBold;
    EXPECT_GT(canvas.TextWidth("FPS: 98"), w);
}

}  // namespace

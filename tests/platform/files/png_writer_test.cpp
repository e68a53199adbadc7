// Screenshots as PNG: the encoder's output read back chunk by chunk, and the
// presented frame's pixel layouts turned into plain RGB.
#include "platform/files/png_writer.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/backends/frame_rgb.h"
#include "support/png_reader.h"

TEST(PngWriter, WritesAPictureThatReadsBackPixelForPixel)
{
    // Rows that differ, so a swapped or skipped row shows.
    const int w = 37, h = 11;
    std::vector<uint8_t> rgb;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) rgb.insert(rgb.end(), {uint8_t(x * 7), uint8_t(y * 23), uint8_t(x ^ y)});
    const PngPicture back = decodePng(platform::encodePng(w, h, rgb));
    ASSERT_EQ(back.error, "");
    EXPECT_EQ(back.width, w);
    EXPECT_EQ(back.height, h);
    EXPECT_EQ(back.rgb, rgb);
}

TEST(PngWriter, AFlatScreenPacksSmallAndWrongSizesAreRefused)
{
    const std::vector<uint8_t> black(800 * 600 * 3, 0);
    const auto png = platform::encodePng(800, 600, black);
    EXPECT_LT(png.size(), 4000u);
    EXPECT_EQ(decodePng(png).error, "");
    EXPECT_THROW(platform::encodePng(800, 599, black), std::invalid_argument);
    EXPECT_THROW(platform::encodePng(0, 0, {}), std::invalid_argument);
}

TEST(FrameRgb, EveryPixelLayoutGivesTheSameColours)
{
    using platform::PixelLayout;
    platform::FrameView v;
    v.width = 2;
    v.height = 1;

    // White and pure red in 5-6-5, with a padded row.
    const uint8_t rgb565[] = {0xFF, 0xFF, 0x00, 0xF8, 0xEE, 0xEE};
    v.pixels = rgb565;
    v.pitch = 6;
    v.layout = PixelLayout::Rgb565;
    EXPECT_EQ(platform::frameToRgb(v, 2, 1), (std::vector<uint8_t>{255, 255, 255, 255, 0, 0}));

    const uint8_t rgb555[] = {0xFF, 0x7F, 0x1F, 0x00};  // white, pure blue
    v.pixels = rgb555;
    v.pitch = 4;
    v.layout = PixelLayout::Rgb555;
    EXPECT_EQ(platform::frameToRgb(v, 2, 1), (std::vector<uint8_t>{255, 255, 255, 0, 0, 255}));

    const uint8_t bgr[] = {1, 2, 3, 4, 5, 6};  // bytes blue, green, red
    v.pixels = bgr;
    v.pitch = 6;
    v.layout = PixelLayout::Rgb888;
    EXPECT_EQ(platform::frameToRgb(v, 2, 1), (std::vector<uint8_t>{3, 2, 1, 6, 5, 4}));

    const uint8_t xrgb[] = {1, 2, 3, 0xFF, 4, 5, 6, 0xFF};
    v.pixels = xrgb;
    v.pitch = 8;
    v.layout = PixelLayout::Xrgb8888;
    EXPECT_EQ(platform::frameToRgb(v, 2, 1), (std::vector<uint8_t>{3, 2, 1, 6, 5, 4}));

    const uint8_t indexed[] = {0, 1};
    const uint32_t palette[256] = {0x102030, 0xA0B0C0};
    v.pixels = indexed;
    v.pitch = 2;
    v.layout = PixelLayout::Indexed8;
    v.palette = palette;
    EXPECT_EQ(platform::frameToRgb(v, 2, 1), (std::vector<uint8_t>{0x10, 0x20, 0x30, 0xA0, 0xB0, 0xC0}));

    // Asking for more than the frame has gives the frame.
    EXPECT_EQ(platform::frameToRgb(v, 800, 600).size(), 6u);
    v.pixels = nullptr;
    EXPECT_TRUE(platform::frameToRgb(v, 2, 1).empty());
}

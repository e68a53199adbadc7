// The headless presenter shows every pixel layout as the player would see it.
#include <gtest/gtest.h>

#include <cstdint>

#include "platform/backends/headless/headless_video.h"

namespace {

using platform::FrameView;
using platform::PixelLayout;

TEST(HeadlessPresent, ConvertsEachLayoutAlsoWhenTheLayoutChangesBetweenFrames)
{
    platform::HeadlessVideo video;
    int frames = 0;
    video.setOnPresent([&](const platform::HeadlessVideo&) { ++frames; });
    const uint16_t red565[2] = {0xF800, 0x07E0};
    video.present(FrameView{red565, 2, 1, 4, PixelLayout::Rgb565, nullptr});
    EXPECT_EQ(video.pixel(0, 0), 0xFF0000u);
    EXPECT_EQ(video.pixel(1, 0), 0x00FF00u);
    const uint16_t red555[2] = {0x7C00, 0x0010};
    video.present(FrameView{red555, 2, 1, 4, PixelLayout::Rgb555, nullptr});
    EXPECT_EQ(video.pixel(0, 0), 0xFF0000u);
    EXPECT_EQ(video.pixel(1, 0), 0x000084u);
    const uint8_t bgr[6] = {0x11, 0x22, 0x33, 0, 0, 0};
    video.present(FrameView{bgr, 2, 1, 6, PixelLayout::Rgb888, nullptr});
    EXPECT_EQ(video.pixel(0, 0), 0x332211u);
    const uint32_t palette[256] = {0x123456, 0xFFFFFF};
    const uint8_t indices[2] = {1, 0};
    video.present(FrameView{indices, 2, 1, 2, PixelLayout::Indexed8, palette});
    EXPECT_EQ(video.pixel(0, 0), 0xFFFFFFu);
    EXPECT_EQ(video.pixel(1, 0), 0x123456u);
    video.present(FrameView{red565, 2, 1, 4, PixelLayout::Rgb565, nullptr});
    EXPECT_EQ(video.pixel(1, 0), 0x00FF00u);
    EXPECT_EQ(frames, 5);
    EXPECT_EQ(video.presentedCount(), 5);
}

}  // namespace

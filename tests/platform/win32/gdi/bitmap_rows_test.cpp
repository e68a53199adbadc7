// Filling pixel memory from bitmaps a row at a time must give exactly the
// pixels the one-colour-at-a-time conversion gives, in every display format.
#include <gtest/gtest.h>

#include <array>
#include <random>
#include <utility>
#include <vector>

#include "platform/win32/gdi/gdi_dc.h"
#include "platform/win32/pixel_format.h"

namespace {

using platform::formatForBits;
using platform::nativeFromColorRef;
using platform::nativeRowFromBgr24;
using platform::readPixel;
using platform::SurfaceFormat;

// Blue, green, red bytes for every value of each channel on its own and of
// all three together, then random colours.
std::vector<uint8_t> testColours()
{
    std::vector<uint8_t> bgr;
    for (int v = 0; v < 256; ++v) {
        const auto b = static_cast<uint8_t>(v);
        for (const auto& c : {std::array<uint8_t, 3>{b, 0, 0}, std::array<uint8_t, 3>{0, b, 0},
                              std::array<uint8_t, 3>{0, 0, b}, std::array<uint8_t, 3>{b, b, b}})
            bgr.insert(bgr.end(), c.begin(), c.end());
    }
    std::mt19937 random(11);
    for (int i = 0; i < 20000 * 3; ++i) bgr.push_back(static_cast<uint8_t>(random()));
    return bgr;
}

std::vector<uint32_t> randomPalette()
{
    std::mt19937 random(5);
    std::vector<uint32_t> palette(256);
    for (auto& entry : palette) entry = random() & 0xFFFFFF;
    return palette;
}

void expectRowMatchesOneByOne(const SurfaceFormat& format, const uint32_t* palette, const std::vector<uint8_t>& bgr)
{
    const int count = static_cast<int>(bgr.size() / 3);
    const int bytes = format.bytesPerPixel();
    std::vector<uint8_t> row(static_cast<std::size_t>(count) * bytes + 1, 0xAB);
    nativeRowFromBgr24(format, bgr.data(), row.data(), count, palette);
    for (int i = 0; i < count; ++i) {
        const uint8_t* p = &bgr[static_cast<std::size_t>(i) * 3];
        const uint32_t colorRef = uint32_t(p[2]) | uint32_t(p[1]) << 8 | uint32_t(p[0]) << 16;
        ASSERT_EQ(readPixel(&row[static_cast<std::size_t>(i) * bytes], bytes),
                  nativeFromColorRef(format, colorRef, palette))
            << format.bitsPerPixel << " bits, colour " << std::hex << colorRef;
    }
    EXPECT_EQ(row.back(), 0xAB) << "nothing written past the row";
}

TEST(BitmapRows, ConvertLikeSinglePixelsInEveryDisplayFormat)
{
    const std::vector<uint8_t> colours = testColours();
    for (int bits : {15, 16, 24, 32}) expectRowMatchesOneByOne(formatForBits(bits), nullptr, colours);
    // Masks no display mode has take the general way, with the same result.
    const SurfaceFormat bgr565{platform::PixelLayout::Rgb565, 16, 0x001F, 0x07E0, 0xF800};
    expectRowMatchesOneByOne(bgr565, nullptr, colours);
}

TEST(BitmapRows, PalettedRowsTakeTheNearestEntryForEveryPixel)
{
    const std::vector<uint32_t> palette = randomPalette();
    std::vector<uint8_t> colours = testColours();
    colours.resize(3000 * 3);
    // Runs of one colour, as pictures with a key colour have, then a change.
    for (int i = 0; i < 40; ++i) colours.insert(colours.end(), {9, 200, 31});
    colours.insert(colours.end(), {10, 200, 31});
    expectRowMatchesOneByOne(formatForBits(8), palette.data(), colours);
}

// A 1:1 StretchBlt from a bitmap partly outside the target and partly
// beyond the bitmap writes the overlapping pixels and leaves the rest.
TEST(BitmapRows, UnscaledCopyClipsAgainstTargetAndBitmap)
{
    platform::gdi::Bitmap bitmap(7, 5);
    std::mt19937 random(3);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x) bitmap.setPixel(x, y, random() & 0xFFFFFF);
    platform::gdi::DeviceContext memory;
    memory.selectObject(&bitmap);

    const std::vector<uint32_t> palette = randomPalette();
    const uint8_t untouched[4] = {0x5A, 0x5A, 0x5A, 0x5A};
    // Cut by the target's left and the bitmap's top and right; then by the
    // target's top, right and bottom.
    const std::pair<platform::Rect, platform::Rect> cases[] = {{{-2, 1, 6, 6}, {1, -1, 9, 4}},
                                                               {{2, -1, 8, 5}, {0, 0, 6, 6}}};
    for (const auto& [dst, src] : cases)
        for (int bits : {8, 15, 16, 24, 32}) {
            const SurfaceFormat format = formatForBits(bits);
            const uint32_t* pal = bits == 8 ? palette.data() : nullptr;
            const int w = 6, h = 4, bytes = format.bytesPerPixel(), pitch = w * bytes + 3;
            std::vector<uint8_t> pixels(static_cast<std::size_t>(pitch) * h, 0x5A);
            platform::gdi::DeviceContext dc({pixels.data(), w, h, pitch, format, pal}, nullptr);
            ASSERT_TRUE(dc.stretchBlt(dst, memory, src, platform::gdi::SRCCOPY));
            for (int y = 0; y < h; ++y) {
                for (int x = 0; x < w; ++x) {
                    const int sx = src.left + x - dst.left, sy = src.top + y - dst.top;
                    const bool copied = x >= dst.left && x < dst.right && y >= dst.top && y < dst.bottom && sx >= 0 &&
                                        sx < 7 && sy >= 0 && sy < 5;
                    const uint32_t expected = copied ? nativeFromColorRef(format, bitmap.pixel(sx, sy), pal)
                                                     : readPixel(untouched, bytes);
                    EXPECT_EQ(readPixel(&pixels[static_cast<std::size_t>(y) * pitch + x * bytes], bytes), expected)
                        << bits << " bits at " << x << "," << y;
                }
                for (int i = w * bytes; i < pitch; ++i)
                    EXPECT_EQ(pixels[static_cast<std::size_t>(y) * pitch + i], 0x5A)
                        << "row padding, " << bits << " bits";
            }
        }
}

}  // namespace

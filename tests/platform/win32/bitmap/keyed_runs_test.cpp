#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

#include "platform/win32/bitmap/keyed_runs.h"

using platform::TKeyedRuns;

namespace {

// Reference: compare every pixel with the key.
void keyedCopy(const std::vector<std::uint8_t>& src, int srcPitch, int bytes, int sx, int sy, int w, int h,
               std::uint32_t key, std::vector<std::uint8_t>& dst, int dstPitch)
{
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            std::uint32_t v = 0;
            const std::uint8_t* p = &src[static_cast<std::size_t>(sy + y) * srcPitch + (sx + x) * bytes];
            std::memcpy(&v, p, static_cast<std::size_t>(bytes));
            if (v != key) std::memcpy(&dst[static_cast<std::size_t>(y) * dstPitch + x * bytes], p, static_cast<std::size_t>(bytes));
        }
}

TEST(KeyedRuns, CopiesExactlyWhatAPerPixelKeyedCopyCopies)
{
    std::mt19937 rng(3);
    for (int bytes : {1, 2, 3, 4}) {
        const int w = 37, h = 11, pitch = w * bytes + 5;
        const std::uint32_t key = bytes == 1 ? 0x7A : 0x00ABCDEF & ((1ull << (8 * bytes)) - 1);
        std::vector<std::uint8_t> src(static_cast<std::size_t>(pitch) * h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const std::uint32_t v = rng() % 3 == 0 ? key : rng();
                std::memcpy(&src[static_cast<std::size_t>(y) * pitch + x * bytes], &v, static_cast<std::size_t>(bytes));
            }
        TKeyedRuns runs;
        runs.Build(src.data(), pitch, w, h, bytes, key);
        ASSERT_TRUE(runs.Built());
        {
            // The whole picture takes a way of its own.
            const int dstPitch = w * bytes + 1;
            std::vector<std::uint8_t> expected(static_cast<std::size_t>(dstPitch) * h, 0x55), got = expected;
            keyedCopy(src, pitch, bytes, 0, 0, w, h, key, expected, dstPitch);
            runs.Copy(src.data(), pitch, 0, 0, w, h, got.data(), dstPitch);
            ASSERT_EQ(got, expected) << bytes << " bytes, whole picture";
        }
        for (int trial = 0; trial < 50; ++trial) {
            const int sx = static_cast<int>(rng() % w), sy = static_cast<int>(rng() % h);
            const int cw = 1 + static_cast<int>(rng() % (w - sx)), ch = 1 + static_cast<int>(rng() % (h - sy));
            const int dstPitch = cw * bytes + 3;
            std::vector<std::uint8_t> expected(static_cast<std::size_t>(dstPitch) * ch, 0x55), got = expected;
            keyedCopy(src, pitch, bytes, sx, sy, cw, ch, key, expected, dstPitch);
            runs.Copy(src.data(), pitch, sx, sy, cw, ch, got.data(), dstPitch);
            ASSERT_EQ(got, expected) << bytes << " bytes, rect " << sx << "," << sy << " " << cw << "x" << ch;
        }
    }
}

TEST(KeyedRuns, RowsOfOnlyKeyOrOnlyOpaquePixels)
{
    const std::vector<std::uint16_t> px = {0, 0, 0, 0, 9, 8, 7, 6, 0, 5, 0, 4};
    TKeyedRuns runs;
    runs.Build(reinterpret_cast<const std::uint8_t*>(px.data()), 8, 4, 3, 2, 0);
    EXPECT_EQ(runs.RunCount(), 3u);  // none, one whole row, two singles
    runs.Clear();
    EXPECT_FALSE(runs.Built());
}

// The stream counts rows from one run to the next in 16 bits; a longer gap
// of empty rows must still land the next run on its own row.
TEST(KeyedRuns, GapsOfMoreEmptyRowsThanSixteenBitsHold)
{
    const int w = 3, h = 70000 * 2 + 5;
    const std::uint16_t key = 0;
    std::vector<std::uint16_t> px(static_cast<std::size_t>(w) * h, key);
    for (int y : {0, 1, 70001, 140003, h - 1}) px[static_cast<std::size_t>(y) * w + 1] = static_cast<std::uint16_t>(y + 1);
    TKeyedRuns runs;
    runs.Build(reinterpret_cast<const std::uint8_t*>(px.data()), w * 2, w, h, 2, key);
    ASSERT_TRUE(runs.Built());
    EXPECT_EQ(runs.RunCount(), 5u);
    std::vector<std::uint16_t> whole(px.size(), 0xAAAA);
    const auto* picture = reinterpret_cast<const std::uint8_t*>(px.data());
    runs.Copy(picture, w * 2, 0, 0, w, h, reinterpret_cast<std::uint8_t*>(whole.data()), w * 2);
    for (std::size_t i = 0; i < px.size(); ++i)
        ASSERT_EQ(whole[i], px[i] == key ? 0xAAAA : px[i]) << "pixel " << i;
    // Part of the picture, starting inside a gap.
    const int rows = h - 70000;  // to the last row
    std::vector<std::uint16_t> part(static_cast<std::size_t>(2) * rows, 0xAAAA);
    runs.Copy(picture, w * 2, 1, 70000, 2, rows, reinterpret_cast<std::uint8_t*>(part.data()), 4);
    for (int y = 0; y < rows; ++y) {
        const std::uint16_t want = px[static_cast<std::size_t>(70000 + y) * w + 1];
        ASSERT_EQ(part[static_cast<std::size_t>(y) * 2], want == key ? 0xAAAA : want) << "row " << y;
        ASSERT_EQ(part[static_cast<std::size_t>(y) * 2 + 1], 0xAAAA) << "row " << y;
    }
}

}  // namespace

#include <gtest/gtest.h>

#include <algorithm>

#include "bmp_test_files.h"
#include "platform/win32/bitmap/bitmap.h"

using platform::EInvalidGraphic;
using platform::TBitmap;
using platform::TPixelFormat;

namespace {

// Every pixel as 00RRGGBB, top row first, read from the rows.
std::vector<std::uint32_t> pixelsOf(const TBitmap& b)
{
    std::vector<std::uint32_t> out;
    for (int y = 0; y < b.Height(); ++y)
        for (const std::uint8_t* p = b.ScanLine(y); p != b.ScanLine(y) + b.Width() * 3; p += 3)
            out.push_back(std::uint32_t(p[2]) << 16 | std::uint32_t(p[1]) << 8 | p[0]);
    return out;
}

TBitmap load(const std::vector<std::uint8_t>& file)
{
    auto in = bmptest::prefixed(file);
    TBitmap b;
    b.LoadFromStream(in);
    return b;
}

// A BMP with a 40-byte info header around the given palette and pixel bytes.
std::vector<std::uint8_t> makeBmp(int width, int height, int bits, std::uint32_t compression,
                                  const std::vector<std::uint32_t>& palette, const std::vector<std::uint8_t>& data)
{
    std::vector<std::uint8_t> b(54 + palette.size() * 4, 0);
    b[0] = 'B';
    b[1] = 'M';
    bmptest::put32(b, 10, static_cast<std::uint32_t>(b.size()));
    bmptest::put32(b, 14, 40);
    bmptest::put32(b, 18, static_cast<std::uint32_t>(width));
    bmptest::put32(b, 22, static_cast<std::uint32_t>(height));
    b[26] = 1;
    b[28] = static_cast<std::uint8_t>(bits);
    bmptest::put32(b, 30, compression);
    bmptest::put32(b, 46, static_cast<std::uint32_t>(palette.size()));
    for (std::size_t i = 0; i < palette.size(); ++i) bmptest::put32(b, 54 + 4 * i, palette[i]);
    b.insert(b.end(), data.begin(), data.end());
    bmptest::put32(b, 2, static_cast<std::uint32_t>(b.size()));
    return b;
}

struct Sample {
    const char* file;
    TPixelFormat format;
};

class ImageMagickFiles : public ::testing::TestWithParam<Sample> {};

TEST_P(ImageMagickFiles, LoadBehindPrefixAsImageMagickDecodesThem)
{
    const Sample s = GetParam();
    const std::string name = s.file;
    const bmptest::Rgb expected = bmptest::readPpm(name + ".ppm");
    const TBitmap b = load(bmptest::readFile(name + ".bmp"));
    EXPECT_EQ(b.Width(), expected.width);
    EXPECT_EQ(b.Height(), expected.height);
    EXPECT_EQ(b.PixelFormat(), s.format);
    EXPECT_EQ(pixelsOf(b), expected.pixels);
}

INSTANTIATE_TEST_SUITE_P(Formats, ImageMagickFiles,
                         ::testing::Values(Sample{"rgb24", TPixelFormat::pf24bit},
                                           Sample{"rgb24_v5", TPixelFormat::pf24bit},
                                           Sample{"rgb32", TPixelFormat::pf32bit},
                                           Sample{"rgb565", TPixelFormat::pf16bit},
                                           Sample{"rgb555", TPixelFormat::pf15bit},
                                           Sample{"pal8", TPixelFormat::pf8bit},
                                           Sample{"pal8_rle", TPixelFormat::pf8bit},
                                           Sample{"pal4", TPixelFormat::pf4bit},
                                           Sample{"mono", TPixelFormat::pf1bit},
                                           Sample{"os2_24", TPixelFormat::pf24bit},
                                           Sample{"os2_pal4", TPixelFormat::pf4bit}),
                         [](const auto& sample) { return std::string(sample.param.file); });

TEST(BitmapLoad, PlainRgbCompressionUsesTheDefaultMasks)
{
    // The same 555 and 32-bit files with their masks declared implicitly.
    for (const char* name : {"rgb555", "rgb32"}) {
        auto file = bmptest::readFile(std::string(name) + ".bmp");
        bmptest::put32(file, 30, 0);
        EXPECT_EQ(pixelsOf(load(file)), bmptest::readPpm(std::string(name) + ".ppm").pixels) << name;
    }
}

TEST(BitmapLoad, TopDownRowsGiveTheSamePicture)
{
    auto file = bmptest::readFile("rgb24.bmp");
    const int w = 13, h = 7;
    const std::size_t stride = (w * 3 + 3) & ~3u, off = bmptest::get32(file, 10);
    bmptest::put32(file, 22, static_cast<std::uint32_t>(-h));
    std::vector<std::uint8_t> flipped(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(off));
    for (int row = h - 1; row >= 0; --row) {
        auto from = file.begin() + static_cast<std::ptrdiff_t>(off + row * stride);
        flipped.insert(flipped.end(), from, from + static_cast<std::ptrdiff_t>(stride));
    }
    EXPECT_EQ(pixelsOf(load(flipped)), bmptest::readPpm("rgb24.ppm").pixels);
}

TEST(BitmapLoad, Rle4RunsLiteralsDeltaAndEndCodes)
{
    const std::vector<std::uint32_t> pal = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF};
    // Bottom row: run of 5 alternating 1,2 then a literal 3,1,2 (padded).
    // Middle row: delta (2, 0) then run of 2 of colour 3; then end of line.
    // Top row: a run that is longer than the row (clipped), then end of picture.
    const std::vector<std::uint8_t> data = {5, 0x12, 0, 3, 0x31, 0x20, 0, 0,  //
                                            0, 2, 2, 0, 2, 0x33, 0, 0,        //
                                            20, 0x11, 0, 1};
    const TBitmap b = load(makeBmp(8, 3, 4, 2, pal, data));
    const std::vector<std::uint32_t> expected = {
        0xFF0000, 0xFF0000, 0xFF0000, 0xFF0000, 0xFF0000, 0xFF0000, 0xFF0000, 0xFF0000,  //
        0x000000, 0x000000, 0x0000FF, 0x0000FF, 0x000000, 0x000000, 0x000000, 0x000000,  //
        0xFF0000, 0x00FF00, 0xFF0000, 0x00FF00, 0xFF0000, 0x0000FF, 0xFF0000, 0x00FF00};
    EXPECT_EQ(pixelsOf(b), expected);
    EXPECT_EQ(b.PixelFormat(), TPixelFormat::pf4bit);
}

TEST(BitmapLoad, Rle8DeltaAcrossRowsAndPixelsOutsideThePictureAreDropped)
{
    const std::vector<std::uint32_t> pal = {0x101010, 0xABCDEF};
    // Delta 1 right, 1 up, a literal of 4 on a 3-wide row, a delta far outside.
    const std::vector<std::uint8_t> data = {0, 2, 1, 1, 0, 4, 1, 1, 1, 1, 0, 2, 200, 200, 3, 1};
    const TBitmap b = load(makeBmp(3, 2, 8, 1, pal, data));
    EXPECT_EQ(pixelsOf(b), (std::vector<std::uint32_t>{0x101010, 0xABCDEF, 0xABCDEF, 0x101010, 0x101010, 0x101010}));
}

TEST(BitmapLoad, TransparentColourIsTheBottomLeftPixelPaletteRelative)
{
    const TBitmap b = load(bmptest::readFile("rgb24.bmp"));
    const std::uint32_t rgb = bmptest::readPpm("rgb24.ppm").pixels[6 * 13];
    const auto asColor = static_cast<std::int32_t>(((rgb & 0xFF) << 16) | (rgb & 0xFF00) | (rgb >> 16));
    EXPECT_EQ(b.TransparentColor(), asColor | 0x02000000);
    EXPECT_EQ(b.Pixel(0, 6), asColor);

    EXPECT_EQ(load(bmptest::readFile("mono.bmp")).TransparentColor(), 0x02FFFFFF);
    EXPECT_EQ(TBitmap().TransparentColor(), -1);
}

TEST(BitmapPixels, ConversionTo24BitsKeepsEveryPixel)
{
    TBitmap b = load(bmptest::readFile("pal4.bmp"));
    const auto before = pixelsOf(b);
    b.SetPixelFormat(TPixelFormat::pf24bit);
    EXPECT_EQ(b.PixelFormat(), TPixelFormat::pf24bit);
    EXPECT_FALSE(b.Monochrome());
    EXPECT_EQ(pixelsOf(b), before);

    b.SetPixel(2, 3, 0x00332211);
    EXPECT_EQ(b.Pixel(2, 3), 0x00332211);
    EXPECT_EQ(pixelsOf(b)[3 * static_cast<std::size_t>(b.Width()) + 2], 0x112233u);
    EXPECT_EQ(b.ScanLine(3)[2 * 3], 0x33);  // blue first
    EXPECT_EQ(b.Pixel(13, 0), -1);
    b.SetPixel(-1, 0, 0);  // ignored

    TBitmap copy;
    copy.Assign(b);
    EXPECT_EQ(pixelsOf(copy), pixelsOf(b));
}

// --- bad input -----------------------------------------------------------

void expectInvalid(const std::vector<std::uint8_t>& file, const std::string& fragment = "")
{
    TBitmap b;
    b.SetSize(2, 2);
    auto in = bmptest::prefixed(file);
    try {
        b.LoadFromStream(in);
        ADD_FAILURE() << "loaded a bad bitmap";
    } catch (const EInvalidGraphic& e) {
        EXPECT_NE(std::string(e.what()).find(fragment), std::string::npos) << e.what();
        EXPECT_STREQ(e.className(), "EInvalidGraphic");
    }
    EXPECT_EQ(b.Width(), 2) << "a failed load must leave the bitmap as it was";
}

TEST(BitmapBadInput, EveryTruncationIsRejected)
{
    for (const char* name : {"rgb24.bmp", "pal8.bmp", "mono.bmp", "rgb565.bmp", "os2_pal4.bmp"}) {
        const auto file = bmptest::readFile(name);
        // The last row may lack its padding (at most 3 bytes), nothing more.
        for (std::size_t len = 0; len + 3 < file.size(); ++len)
            expectInvalid({file.begin(), file.begin() + static_cast<std::ptrdiff_t>(len)});
    }
    expectInvalid({}, "ends inside the file header");
}

TEST(BitmapBadInput, HeadersThatLieOrAreAbsurd)
{
    const auto good = bmptest::readFile("rgb24.bmp");
    auto with = [&](std::size_t at, std::uint32_t v) {
        auto f = good;
        bmptest::put32(f, at, v);
        return f;
    };
    auto sig = good;
    sig[0] = 'X';
    expectInvalid(sig, "signature");
    expectInvalid(with(14, 1000), "header size");
    expectInvalid(with(18, 0x7FFFFFFF), "too large");       // width
    expectInvalid(with(22, 0x80000000), "too large");       // height -2^31
    expectInvalid(with(18, 12000), "ends inside the pixel data");  // wider than the data in the file
    expectInvalid(with(18, 0), "no pixels");
    expectInvalid(with(22, 0), "no pixels");
    expectInvalid(with(30, 4), "compression 4");            // JPEG inside
    expectInvalid(with(10, 0x7FFFFFF0), "ends before the pixel data");
    auto bits = good;
    bits[28] = 2;
    expectInvalid(bits, "2 bits");

    auto pal = bmptest::readFile("pal8.bmp");
    bmptest::put32(pal, 46, 100000);
    expectInvalid(pal, "colour table");
    auto rle = bmptest::readFile("pal8_rle.bmp");
    bmptest::put32(rle, 22, static_cast<std::uint32_t>(-7));
    expectInvalid(rle, "top-down");
    bmptest::put32(rle, 22, 4096);
    bmptest::put32(rle, 18, 8192);
    expectInvalid(rle, "too large");
    bmptest::put32(rle, 22, 2000);
    bmptest::put32(rle, 18, 2000);
    expectInvalid(rle, "too short");
}

}  // namespace

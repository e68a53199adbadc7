#include <gtest/gtest.h>

#include "gui/fx_bitmap_font.h"
#include "gui/support/gui_fakes.h"

using namespace guitest;

namespace {

// 16 columns x 6 rows of 20 x 4 cells: patterns 0..95, the character
// order of a font sheet starting at the space.
constexpr int PW = 20, PH = 4;
FakeImage Sheet(FakeDisplay* d = nullptr, TFXColor transparent = 0xFF00FF) {
    return FakeImage(PW, PH, d, 0, 0, 16 * PW, 6 * PH, transparent);
}

int Advance(TFXBitmapFont& f, const std::string& s) {
    f.DrawText(0, 0, s);
    return f.LastX;
}

}  // namespace

TEST(BitmapFont, SpacingOutsideRangeBecomesZero) {
    FakeDisplay d;
    FakeImage img = Sheet();
    EXPECT_EQ(TFXBitmapFont(d, 3, img).Spacing, 0);
    EXPECT_EQ(TFXBitmapFont(d, -1, img).Spacing, 0);
    EXPECT_EQ(TFXBitmapFont(d, 2, img).Spacing, 2);
}

TEST(BitmapFont, GlyphTableMapsCodesToTheirCells) {
    FakeDisplay d;
    FakeImage img = Sheet();
    TFXBitmapFont f(d, 0, img);
    EXPECT_EQ(f.FindChar('0')->Pattern, 16);
    EXPECT_EQ(f.FindChar('Z')->Pattern, 58);
    EXPECT_EQ(f.FindChar('a')->Pattern, 65);
    EXPECT_EQ(f.FindChar('\'')->Pattern, 64);  // the cell of the back-quote
    EXPECT_EQ(f.FindChar(219)->Pattern, 91);   // the caret
    EXPECT_EQ(f.FindChar(','), nullptr);
    EXPECT_EQ(f.FindChar('-'), nullptr);
    EXPECT_EQ(f.FindCharByPattern(91)->Code, 219);
    EXPECT_EQ(f.FindCharByPattern(12), nullptr);
    EXPECT_EQ(f.Chars.size(), 10u + 26 + 26 + 13);
    EXPECT_EQ(f.PatternAt(45, 5), 2 + 16 * 1);
    EXPECT_EQ(img.prepared, 1);
}

TEST(BitmapFont, InkScanTrimRules) {
    FakeDisplay d;
    FakeImage img = Sheet();
    img.ink('A' - 32, 4, 0);  // leftmost ink in column 4, seen first
    img.ink('A' - 32, 7, 1);
    img.ink('B' - 32, 1, 0);  // column 1 yields 0, which reads as unset...
    img.ink('B' - 32, 6, 2);  // ...so a later, further-right line wins
    img.ink('C' - 32, 6, 0);
    img.ink('C' - 32, 3, 1);  // further left: replaces
    img.ink('C' - 32, 5, 2);  // further right than the stored trim: kept
    img.ink(':' - 32, 10, 0);  // symbols start at 8: ink right of it keeps 8
    img.ink('!' - 32, 5, 3);
    img.ink('D' - 32, 0, 0);  // column 0 gives -1, never replaced afterwards
    img.ink('D' - 32, 9, 1);
    TFXBitmapFont f(d, 0, img);

    auto trims = [&](char c) { return std::pair{f.FindChar(c)->LeftTrim, f.FindChar(c)->RightTrim}; };
    EXPECT_EQ(trims('A'), std::pair(3, 2));
    EXPECT_EQ(Advance(f, "A"), PW - 5);
    EXPECT_EQ(trims('B'), std::pair(5, 4));
    EXPECT_EQ(trims('C'), std::pair(2, 1));
    EXPECT_EQ(trims(':'), std::pair(8, 8));
    EXPECT_EQ(trims('!'), std::pair(4, 3));
    EXPECT_EQ(trims('D'), std::pair(-1, -2));
    // Untouched cells keep their creation trims.
    EXPECT_EQ(Advance(f, "z"), 0);
    EXPECT_EQ(Advance(f, " "), PW - 16);
}

TEST(BitmapFont, SpacingWidensAndGapsAndKeyFlagAreIgnored) {
    FakeDisplay d;
    // Cells with 2-pixel gaps between columns and 1 between rows; the
    // transparent colour carries the palette-relative flag.
    FakeImage img(PW, PH, nullptr, 2, 1, 16 * (PW + 2) - 2, 6 * (PH + 1) - 1, 0x02FF00FF);
    for (int y = 0; y < img.bh_; ++y)  // ink in every column gap
        for (int c = 1; c < 16; ++c) img.bitmap[static_cast<size_t>(y * img.bw_ + c * (PW + 2) - 1)] = 0x123456;
    img.ink('A' - 32, 4, 0);
    TFXBitmapFont f(d, 2, img);
    EXPECT_EQ(f.FindChar('A')->LeftTrim, 1);
    EXPECT_EQ(f.FindChar('B')->LeftTrim, 0);  // gap ink belongs to no cell
    EXPECT_EQ(f.FindChar('B')->RightTrim, PW);
}

TEST(BitmapFont, DrawTextPlacesTrimmedGlyphsAndSkipsUnknown) {
    FakeDisplay d;
    FakeImage img = Sheet();
    img.ink('A' - 32, 4, 0);
    img.ink('b' - 32, 2, 0);
    TFXBitmapFont f(d, 0, img);
    f.DrawText(100, 50, "A,b A");
    ASSERT_EQ(img.draws.size(), 4u);  // the comma has no glyph
    EXPECT_EQ(img.draws[0].pattern, 33);
    EXPECT_EQ(img.draws[0].x, 100 - 3);
    EXPECT_EQ(img.draws[1].pattern, 'b' - 32);
    EXPECT_EQ(img.draws[1].x, 115 - 1);  // right after A: pen 115
    EXPECT_EQ(img.draws[2].pattern, 0);  // space: PW - 16 = 4
    EXPECT_EQ(img.draws[3].x, 115 + 19 + 4 - 3);
    EXPECT_EQ(img.draws[3].y, 50);
    EXPECT_EQ(f.LastX, 115 + 19 + 4 + 15);
}

TEST(BitmapFont, ClipRightStopsAtAWholeGlyphForOneDrawOnly) {
    FakeDisplay d;
    FakeImage img = Sheet();
    for (char c = 'a'; c <= 'z'; ++c) img.ink(c - 32, 1, 0);  // trims 0/-1: advance 21
    TFXBitmapFont f(d, 0, img);
    f.ClipRight = 100;
    f.DrawText(0, 0, "abcdefgh");
    // Pens 0, 21, 42, 63 fit (pen + 20 <= 100); 84 would not.
    EXPECT_EQ(img.draws.size(), 4u);
    EXPECT_EQ(f.LastX, 84);
    EXPECT_EQ(f.ClipRight, -1);
    img.draws.clear();
    f.DrawText(0, 0, "abcdefgh");
    EXPECT_EQ(img.draws.size(), 8u);
}

TEST(BitmapFont, DrawTextAndGlyphAppendsTheCaret) {
    FakeDisplay d;
    FakeImage img = Sheet(&d);
    img.ink('A' - 32, 4, 0);
    img.ink(91, 5, 0);  // caret: trims 4/3
    TFXBitmapFont f(d, 0, img);
    f.DrawTextAndGlyph(10, 20, TFXBitmapFont::CaretPattern, "AA");
    ASSERT_EQ(img.draws.size(), 3u);
    EXPECT_EQ(img.draws[2].pattern, 91);
    EXPECT_EQ(img.draws[2].x, 40 - 4);
    EXPECT_EQ(f.LastX, 40 + PW - 7);
    EXPECT_EQ(d.at(36, 20), FakeImage::PatternColour(91));
    // A pattern outside the table draws nothing more.
    img.draws.clear();
    f.DrawTextAndGlyph(0, 0, 12, "");
    EXPECT_TRUE(img.draws.empty());
}

TEST(BitmapFont, ZeroSizedCellsMeasureNothing) {
    FakeDisplay d;
    FakeImage img(0, 0, nullptr, 0, 0, 10, 10);
    TFXBitmapFont f(d, 0, img);
    EXPECT_EQ(img.reads, 0);
    EXPECT_EQ(f.PatternAt(3, 3), -1);
}

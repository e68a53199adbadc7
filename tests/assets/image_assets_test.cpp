// Every picture the game loads: readable behind its prefix, cut into at least
// the patterns the game draws, and keyed cleanly for 16-bit colour-key blits.

#include "asset_files.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>
#include <ostream>

namespace asset_test {
namespace {

enum class Kind {
  Sprite,  // has see-through parts; every pattern drawn; each state looks different
  Plate,   // like a sprite but solid: the menus fill its rectangle first
  Opaque,  // a full picture without holes
  Font,    // glyph cells
};

struct Expected {
  std::string_view file;
  std::string_view folder;
  int pw, ph, sw, sh;
  bool grey_key;
  int patterns;  // the highest pattern the game draws, plus one
  Kind kind;
};

constexpr std::string_view S = "SysData";
constexpr std::string_view P = "SysData/Products";
constexpr Kind Spr = Kind::Sprite;

// Pattern needs: worker head 0-11, arms 0-10, body 0 and 3; chief 0-8; a
// product one per stage; tools pattern 2 (recipe hint); the ball 2-3; the
// speed box 0-3; belts three steps; the light 0-2; door and grabber 0-1; the
// buttons 0-31; the fonts up to the caret cell 91.
constexpr std::array<Expected, 90> kImages{{
    {"DatImg001.dat", S, 70, 80, 1, 1, false, 12, Spr}, {"DatImg002.dat", S, 70, 99, 1, 1, false, 4, Spr},
    {"DatImg003.dat", S, 180, 80, 1, 1, false, 11, Spr}, {"DatImg004.dat", S, 100, 300, 1, 1, false, 9, Spr},
    {"DatImg005.dat", S, 40, 20, 0, 0, false, 1, Spr}, {"DatImg006.dat", S, 80, 20, 0, 0, false, 1, Spr},
    {"DatImg007.dat", S, 40, 20, 0, 0, false, 1, Spr}, {"DatImg008.dat", P, 40, 40, 1, 1, false, 5, Spr},
    {"DatImg009.dat", P, 34, 15, 1, 1, false, 1, Spr}, {"DatImg010.dat", P, 34, 15, 1, 1, false, 1, Spr},
    {"DatImg011.dat", P, 34, 15, 1, 1, false, 1, Spr}, {"DatImg012.dat", P, 34, 15, 1, 1, false, 1, Spr},
    {"DatImg013.dat", P, 34, 15, 1, 1, false, 1, Spr}, {"DatImg014.dat", P, 70, 30, 0, 1, false, 3, Spr},
    {"DatImg015.dat", P, 40, 26, 0, 1, false, 1, Spr}, {"DatImg016.dat", P, 40, 26, 0, 1, false, 1, Spr},
    {"DatImg017.dat", P, 70, 70, 0, 1, false, 3, Spr}, {"DatImg018.dat", P, 70, 70, 1, 1, false, 3, Spr},
    {"DatImg019.dat", P, 50, 60, 1, 1, false, 4, Spr}, {"DatImg020.dat", P, 50, 20, 1, 1, false, 1, Spr},
    {"DatImg021.dat", P, 50, 20, 1, 1, false, 1, Spr}, {"DatImg022.dat", P, 50, 20, 1, 1, false, 1, Spr},
    {"DatImg023.dat", P, 84, 40, 1, 1, false, 2, Spr}, {"DatImg024.dat", P, 84, 40, 1, 1, false, 1, Spr},
    {"DatImg025.dat", P, 84, 40, 1, 1, false, 1, Spr}, {"DatImg026.dat", P, 92, 60, 1, 1, false, 4, Spr},
    {"DatImg027.dat", P, 72, 32, 1, 1, false, 1, Spr}, {"DatImg028.dat", P, 72, 32, 1, 1, false, 1, Spr},
    {"DatImg029.dat", P, 72, 32, 1, 1, false, 1, Spr}, {"DatImg030.dat", P, 92, 40, 1, 1, false, 2, Spr},
    {"DatImg031.dat", P, 92, 40, 1, 1, false, 1, Spr}, {"DatImg032.dat", P, 92, 40, 1, 1, false, 1, Spr},
    {"DatImg033.dat", P, 100, 40, 1, 1, false, 5, Spr}, {"DatImg034.dat", P, 40, 40, 1, 1, false, 1, Spr},
    {"DatImg035.dat", P, 40, 40, 1, 1, false, 1, Spr}, {"DatImg036.dat", P, 40, 40, 1, 1, false, 1, Spr},
    {"DatImg037.dat", P, 40, 40, 1, 1, false, 1, Spr}, {"DatImg038.dat", P, 40, 90, 1, 1, false, 4, Spr},
    {"DatImg039.dat", P, 40, 40, 1, 1, false, 1, Spr}, {"DatImg040.dat", P, 40, 40, 1, 1, false, 1, Spr},
    {"DatImg041.dat", P, 40, 40, 1, 1, false, 1, Spr}, {"DatImg042.dat", P, 90, 90, 1, 1, false, 5, Spr},
    {"DatImg043.dat", P, 40, 40, 1, 1, false, 1, Spr}, {"DatImg044.dat", P, 40, 40, 1, 1, false, 1, Spr},
    {"DatImg045.dat", P, 40, 40, 1, 1, false, 1, Spr}, {"DatImg046.dat", P, 40, 40, 1, 1, false, 1, Spr},
    {"DatImg047.dat", P, 59, 58, 1, 1, false, 3, Spr}, {"DatImg048.dat", P, 90, 50, 1, 1, false, 3, Spr},
    {"DatImg049.dat", P, 50, 50, 1, 1, false, 1, Spr}, {"DatImg050.dat", P, 50, 50, 1, 1, false, 1, Spr},
    {"DatImg051.dat", P, 40, 50, 1, 1, false, 5, Spr}, {"DatImg052.dat", P, 30, 30, 1, 1, false, 4, Spr},
    {"DatImg053.dat", P, 20, 20, 1, 1, false, 1, Spr}, {"DatImg054.dat", P, 20, 20, 1, 1, false, 1, Spr},
    {"DatImg055.dat", P, 20, 20, 1, 1, false, 1, Spr}, {"DatImg056.dat", P, 25, 60, 0, 0, false, 3, Spr},
    {"DatImg057.dat", P, 25, 60, 0, 0, false, 3, Spr}, {"DatImg058.dat", P, 25, 60, 0, 0, false, 3, Spr},
    {"DatImg059.dat", P, 50, 70, 0, 0, false, 3, Spr}, {"DatImg060.dat", S, 800, 260, 0, 0, false, 1, Kind::Opaque},
    {"DatImg061.dat", S, 800, 345, 0, 0, false, 1, Kind::Opaque}, {"DatImg062.dat", S, 240, 390, 1, 0, false, 2, Spr},
    {"DatImg063.dat", S, 800, 70, 0, 0, false, 1, Spr}, {"DatImg064.dat", S, 530, 12, 0, 0, false, 1, Spr},
    {"DatImg065.dat", S, 70, 70, 1, 1, false, 2, Spr}, {"DatImg066.dat", S, 40, 40, 1, 1, false, 4, Spr},
    {"DatImg067.dat", S, 90, 90, 1, 1, false, 4, Spr}, {"DatImg068.dat", S, 600, 150, 0, 0, false, 1, Spr},
    {"DatImg069.dat", S, 385, 146, 0, 0, false, 1, Spr}, {"DatImg070.dat", S, 580, 93, 0, 0, false, 1, Spr},
    {"DatImg071.dat", S, 590, 90, 0, 1, false, 3, Spr}, {"DatImg072.dat", S, 590, 90, 0, 1, false, 3, Spr},
    {"DatImg073.dat", S, 80, 300, 1, 1, false, 3, Spr}, {"DatImg074.dat", S, 20, 200, 1, 1, false, 1, Spr},
    {"DatImg075.dat", S, 31, 37, 1, 1, false, 92, Kind::Font}, {"DatImg076.dat", S, 22, 26, 1, 1, true, 92, Kind::Font},
    {"DatImg077.dat", S, 22, 25, 1, 1, true, 92, Kind::Font}, {"DatImg078.dat", S, 270, 80, 1, 1, false, 1, Spr},
    {"DatImg079.dat", S, 800, 600, 1, 1, false, 1, Kind::Opaque}, {"DatImg080.dat", S, 30, 30, 0, 0, false, 1, Spr},
    {"DatImg081.dat", S, 230, 50, 1, 1, false, 32, Kind::Plate}, {"DatImg082.dat", S, 390, 350, 1, 1, false, 1, Spr},
    {"DatImg083.dat", S, 320, 60, 1, 1, false, 1, Spr}, {"DatImg084.dat", S, 320, 60, 1, 1, false, 1, Spr},
    {"DatImg085.dat", S, 320, 60, 1, 1, false, 1, Spr}, {"DatImg086.dat", S, 40, 40, 1, 1, false, 3, Spr},
    {"DatImg087.dat", S, 510, 580, 1, 1, false, 1, Spr}, {"DatImg088.dat", S, 120, 40, 0, 0, false, 1, Spr},
    {"DatImg089.dat", S, 800, 600, 1, 1, false, 1, Kind::Opaque}, {"DatImg090.dat", S, 510, 580, 1, 1, false, 1, Spr},
}};

constexpr Pixel kMagenta{255, 0, 255};
constexpr Pixel kGrey{128, 128, 128};

// A coloured fringe: not the key in 565, but within two 565 steps of it.
bool near_key(Pixel p, std::uint16_t key565) {
  const int r = p.r >> 3, g = p.g >> 2, b = p.b >> 3;
  const int kr = key565 >> 11, kg = (key565 >> 5) & 63, kb = key565 & 31;
  const int d = std::max({std::abs(r - kr), std::abs(g - kg) / 2, std::abs(b - kb)});
  return rgb565(p) != key565 && d <= 2;
}

void PrintTo(const Expected& e, std::ostream* os) { *os << e.file; }

std::vector<Expected> of_kind(Kind kind) {
  std::vector<Expected> out;
  for (const Expected& e : kImages)
    if (e.kind == kind) out.push_back(e);
  return out;
}

struct Grid {
  int cols, rows;
};

class ImageAsset : public ::testing::TestWithParam<Expected> {
 protected:
  void SetUp() override {
    const Expected& e = GetParam();
    const auto bytes = read_all(game_dir() / e.folder / e.file);
    ASSERT_GT(bytes.size(), kPrefix);
    bmp_ = parse_bmp(std::span(bytes).subspan(kPrefix));
    key_ = rgb565(e.grey_key ? kGrey : kMagenta);
  }
  Grid grid() const {
    const Expected& e = GetParam();
    return {(bmp_.width + e.sw) / (e.pw + e.sw), (bmp_.height + e.sh) / (e.ph + e.sh)};
  }
  bool is_key(int x, int y) const { return rgb565(bmp_.at(x, y)) == key_; }
  int holes_in(int n) const {
    const Expected& e = GetParam();
    const int x0 = (n % grid().cols) * (e.pw + e.sw), y0 = (n / grid().cols) * (e.ph + e.sh);
    int holes = 0;
    for (int y = 0; y < e.ph; ++y)
      for (int x = 0; x < e.pw; ++x) holes += is_key(x0 + x, y0 + y) ? 1 : 0;
    return holes;
  }
  // Pixel columns of pattern n that hold ink, as (first, last), or (-1, -1).
  std::pair<int, int> ink_columns(int n) const {
    const Expected& e = GetParam();
    const int x0 = (n % grid().cols) * (e.pw + e.sw), y0 = (n / grid().cols) * (e.ph + e.sh);
    int first = -1, last = -1;
    for (int x = 0; x < e.pw; ++x)
      for (int y = 0; y < e.ph; ++y)
        if (!is_key(x0 + x, y0 + y)) {
          if (first < 0) first = x;
          last = x;
          break;
        }
    return {first, last};
  }
  bool patterns_equal(int a, int b) const {
    const Expected& e = GetParam();
    const Grid g = grid();
    for (int y = 0; y < e.ph; ++y)
      for (int x = 0; x < e.pw; ++x) {
        const Pixel pa = bmp_.at((a % g.cols) * (e.pw + e.sw) + x, (a / g.cols) * (e.ph + e.sh) + y);
        const Pixel pb = bmp_.at((b % g.cols) * (e.pw + e.sw) + x, (b / g.cols) * (e.ph + e.sh) + y);
        if (rgb565(pa) != rgb565(pb)) return false;
      }
    return true;
  }

  Bitmap bmp_;
  std::uint16_t key_ = 0;
};

TEST_P(ImageAsset, StripHoldsWholePatternsAndEnoughOfThem) {
  const Expected& e = GetParam();
  const Grid g = grid();
  EXPECT_EQ(bmp_.width, g.cols * e.pw + (g.cols - 1) * e.sw) << "partial pattern at the right edge";
  EXPECT_EQ(bmp_.height, g.rows * e.ph + (g.rows - 1) * e.sh) << "partial pattern at the bottom edge";
  EXPECT_GE(g.cols * g.rows, e.patterns);
}

TEST_P(ImageAsset, KeyedCleanlyWithoutFringes) {
  const Expected& e = GetParam();
  int fringes = 0;
  for (const Pixel& p : bmp_.pixels) fringes += near_key(p, key_) ? 1 : 0;
  EXPECT_EQ(fringes, 0) << "pixels that would show as a halo round the holes";
  int holes = 0;
  for (int n = 0; n < e.patterns; ++n) holes += holes_in(n);
  if (e.kind == Kind::Opaque || e.kind == Kind::Plate) EXPECT_EQ(holes, 0);
  else EXPECT_GT(holes, 0);
}

TEST_P(ImageAsset, GapsBetweenPatternsStayEmpty) {
  const Expected& e = GetParam();
  const Grid g = grid();
  for (int c = 1; c < g.cols; ++c)
    for (int s = 0; s < e.sw; ++s)
      for (int y = 0; y < bmp_.height; ++y) ASSERT_TRUE(is_key(c * (e.pw + e.sw) - e.sw + s, y)) << "column gap " << c;
  for (int r = 1; r < g.rows; ++r)
    for (int s = 0; s < e.sh; ++s)
      for (int x = 0; x < bmp_.width; ++x) ASSERT_TRUE(is_key(x, r * (e.ph + e.sh) - e.sh + s)) << "row gap " << r;
}

using SpriteAsset = ImageAsset;
using FontAsset = ImageAsset;

TEST_P(SpriteAsset, EveryStateIsDrawnAndLooksDifferent) {
  const Expected& e = GetParam();
  for (int n = 0; n < e.patterns; ++n) EXPECT_GE(ink_columns(n).first, 0) << "pattern " << n << " is empty";
  for (int n = 0; n + 1 < e.patterns; ++n) EXPECT_FALSE(patterns_equal(n, n + 1)) << "patterns " << n << " and " << n + 1;
}

TEST_P(FontAsset, CellsHoldGlyphsWhereTheFontReaderLooks) {
  const Expected& e = GetParam();
  std::vector<int> glyph_cells;
  for (int p = 16; p <= 25; ++p) glyph_cells.push_back(p);  // digits
  for (int p = 33; p <= 58; ++p) glyph_cells.push_back(p);  // capitals
  for (int p = 65; p <= 90; ++p) glyph_cells.push_back(p);  // small letters
  for (int p : {26, 14, 1, 8, 9, 64, 15, 28, 30, 29, 31, 91}) glyph_cells.push_back(p);
  for (int p : glyph_cells) {
    const auto [first, last] = ink_columns(p);
    ASSERT_GE(first, 0) << "cell " << p << " has no glyph";
    // Ink in the first two columns would make the reader's left trim 0 or -1
    // and spoil the spacing. The reader takes the left margin for the right
    // one too and leaves three pixels from ink to ink when they match: a
    // glyph left of centre stands apart from the next, one too far right of
    // it runs into the next.
    EXPECT_GE(first, 2) << "cell " << p;
    const int off_centre = first - (e.pw - 1 - last);
    EXPECT_GE(off_centre, -1) << "cell " << p << " stands apart";
    EXPECT_LE(off_centre, 3) << "cell " << p << " runs into the next glyph";
  }
  EXPECT_EQ(ink_columns(0).first, -1) << "the space cell must be empty";
}

std::string name_of(const ::testing::TestParamInfo<Expected>& info) {
  return std::string(info.param.file.substr(0, 9));
}

INSTANTIATE_TEST_SUITE_P(Asset, ImageAsset, ::testing::ValuesIn(kImages), name_of);
std::vector<Expected> sprites_and_plates() {
  auto out = of_kind(Kind::Sprite);
  const auto plates = of_kind(Kind::Plate);
  out.insert(out.end(), plates.begin(), plates.end());
  return out;
}

INSTANTIATE_TEST_SUITE_P(Asset, SpriteAsset, ::testing::ValuesIn(sprites_and_plates()), name_of);
INSTANTIATE_TEST_SUITE_P(Asset, FontAsset, ::testing::ValuesIn(of_kind(Kind::Font)), name_of);

}  // namespace
}  // namespace asset_test

// The game's own texts, measured the way its bitmap font measures glyphs:
// each must fit where the game draws it (score bar, hint messages, the
// chief's balloon, key hints, game-over panel).

#include "asset_files.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace asset_test {
namespace {

// Glyph widths as the font reader derives them: the leftmost ink column over
// all lines gives the left trim (column - 1), the right trim is one less.
class MeasuredFont {
 public:
  MeasuredFont(std::string_view file, int pw, int ph, Pixel key) : pw_(pw) {
    const auto bytes = read_all(game_dir() / "SysData" / file);
    const Bitmap bmp = parse_bmp(std::span(bytes).subspan(kPrefix));
    const int cols = (bmp.width + 1) / (pw + 1);
    auto add = [&](int code, int pattern, int left, int right) { glyphs_[static_cast<char>(code)] = {pattern, left, right}; };
    for (int c = '0'; c <= '9'; ++c) add(c, c - 32, 0, pw);
    for (int c = 'A'; c <= 'Z'; ++c) add(c, c - 32, 0, pw);
    for (int c = 'a'; c <= 'z'; ++c) add(c, c - 32, 0, pw);
    for (char c : std::string_view(" :.!()/<=>?")) add(c, c - 32, 8, 8);
    add('\'', 64, 8, 8);
    for (auto& [code, g] : glyphs_) {
      const int x0 = (g.pattern % cols) * (pw + 1), y0 = (g.pattern / cols) * (ph + 1);
      for (int y = 0; y < ph; ++y)
        for (int i = 0; i < pw; ++i) {
          const Pixel p = bmp.at(x0 + i, y0 + y);
          if (p.r == key.r && p.g == key.g && p.b == key.b) continue;
          if (i < g.left || g.left == 0) {
            g.left = i - 1;
            g.right = g.left - 1;
          }
          break;
        }
    }
  }
  int width(std::string_view text) const {
    int pen = 0;
    for (char c : text) {
      const auto it = glyphs_.find(c);
      if (it != glyphs_.end()) pen += pw_ - it->second.left - it->second.right;
    }
    return pen;
  }

 private:
  struct Glyph {
    int pattern, left, right;
  };
  int pw_;
  std::map<char, Glyph> glyphs_;
};

struct Placed {
  std::string_view text;
  int x;
  int right_limit;
};

void expect_fits(const MeasuredFont& font, std::initializer_list<Placed> texts) {
  for (const Placed& t : texts) {
    const int w = font.width(t.text);
    EXPECT_GT(w, 0) << t.text;
    EXPECT_LE(t.x + w, t.right_limit) << '"' << t.text << "\" is " << w << " pixels wide";
  }
}

TEST(AssetFontLayout, ScoreBarAndTitlesFitInBigFont) {
  const MeasuredFont big("DatImg075.dat", 31, 37, {255, 0, 255});
  expect_fits(big, {{"Level: 25", 15, 220},
                    {"Total: 000000", 220, 520},
                    {"Score: 000000", 520, 800},
                    {"Game Over", 290, 800},
                    {"All levels completed.", 100, 800}});
}

TEST(AssetFontLayout, MessagesFitOnScreenInFont1) {
  const MeasuredFont f1("DatImg076.dat", 22, 26, {128, 128, 128});
  expect_fits(f1, {{"You do not need a tool on this product!", 340, 800},
                   {"Wrong tool for this product!", 340, 800},
                   {"Part belongs to another product.", 340, 800},
                   {"You need another part first.", 340, 800},
                   {"Pause (Press <F2> to go back)", 360, 800},
                   {"Pause (tap Pause to go back)", 360, 800},
                   {"Tap Save to save highscores", 270, 594},
                   {"Not saved! Tap Save to retry", 270, 594},
                   {"Press S to save highscores", 270, 594},
                   {"Press button to continue", 100, 800}});
}

TEST(AssetFontLayout, ChiefsLinesFitHisBalloonInFont2) {
  const MeasuredFont f2("DatImg077.dat", 22, 25, {128, 128, 128});
  const int left = 500 + 20, balloon_right = 500 + 270 - 8;
  expect_fits(f2, {{"What the hell are you ", left, balloon_right},
                   {"doing? You are fired!", left, balloon_right},
                   {"You did your job John.", left, balloon_right},
                   {"But you can do better.", left, balloon_right},
                   {"Very good job John!", left, balloon_right},
                   {"Please continue this way.", left, balloon_right},
                   {"<F1> Help", 500, 640},
                   {"<F2> Pause", 640, 800}});
}

}  // namespace
}  // namespace asset_test

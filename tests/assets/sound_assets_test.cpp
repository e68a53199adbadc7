// Every sound the game loads: a PCM wave the game's reader accepts behind the
// prefix, of a sensible length, audible but never clipped; the music loops
// seamlessly.

#include "asset_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <ostream>
#include <string>

namespace asset_test {
namespace {

struct ExpectedSound {
  std::string_view file;
  bool music;
};

constexpr std::array<ExpectedSound, 11> kSounds{{
    {"DatSnd001.dat", false}, {"DatSnd002.dat", false}, {"DatSnd003.dat", false}, {"DatSnd004.dat", false},
    {"DatSnd005.dat", false}, {"DatSnd006.dat", false}, {"DatSnd007.dat", true}, {"DatSnd008.dat", true},
    {"DatSnd009.dat", true}, {"DatSnd010.dat", true}, {"DatSnd011.dat", true},
}};

void PrintTo(const ExpectedSound& s, std::ostream* os) { *os << s.file; }

class SoundAsset : public ::testing::TestWithParam<ExpectedSound> {
 protected:
  void SetUp() override {
    bytes_ = read_all(game_dir() / "SysData" / GetParam().file);
    ASSERT_GT(bytes_.size(), kPrefix + 44);
    wave_ = parse_wav(std::span(bytes_).subspan(kPrefix));
  }
  double seconds() const {
    return static_cast<double>(wave_.samples.size()) / wave_.channels / wave_.sample_rate;
  }
  std::vector<std::uint8_t> bytes_;
  Wave wave_;
};

// The game's wave reader jumps back to file offset 0 after the data chunk and
// reads prefix bytes 0-7 as a chunk header; that header must end its scan.
TEST_P(SoundAsset, PrefixEndsTheReadersSecondChunkScan) {
  const bool zero_id = bytes_[0] == 0 && bytes_[1] == 0 && bytes_[2] == 0 && bytes_[3] == 0;
  if (zero_id) return;
  const std::string id(bytes_.begin(), bytes_.begin() + 4);
  EXPECT_NE(id, "fmt ");
  EXPECT_NE(id, "data");
  std::int32_t skip = 0;
  std::memcpy(&skip, bytes_.data() + 4, 4);
  EXPECT_GE(8 + static_cast<std::int64_t>(skip), static_cast<std::int64_t>(bytes_.size()));
}

TEST_P(SoundAsset, IsPlainPcmTheGameCanBuffer) {
  EXPECT_EQ(wave_.format_tag, 1);
  EXPECT_EQ(wave_.bits, 16);
  EXPECT_EQ(wave_.sample_rate, 44100);
  EXPECT_TRUE(wave_.channels == 1 || wave_.channels == 2);
  EXPECT_EQ(wave_.riff_size, bytes_.size() - kPrefix - 8);
}

TEST_P(SoundAsset, LengthSuitsItsUse) {
  if (GetParam().music) {
    EXPECT_GE(seconds(), 15.0);
    EXPECT_LE(seconds(), 40.0);
  } else {
    EXPECT_GE(seconds(), 0.03);
    EXPECT_LE(seconds(), 2.0);
  }
}

TEST_P(SoundAsset, AudibleButNotClipped) {
  int peak = 0;
  double energy = 0;
  for (std::int16_t s : wave_.samples) {
    peak = std::max(peak, std::abs(static_cast<int>(s)));
    energy += static_cast<double>(s) * s;
  }
  const double rms = std::sqrt(energy / static_cast<double>(wave_.samples.size()));
  EXPECT_LT(peak, 32000) << "too close to full scale";
  EXPECT_GT(peak, 8000) << "too quiet to hear in the mix";
  EXPECT_GT(rms, 300.0);
}

using MusicAsset = SoundAsset;

TEST_P(MusicAsset, LoopsWithoutAClick) {
  const auto& s = wave_.samples;
  const auto ch = static_cast<std::size_t>(wave_.channels);
  // The jump from the last frame to the first must be no bigger than the
  // ordinary sample-to-sample steps inside the piece.
  std::vector<int> steps;
  for (std::size_t i = ch; i < s.size(); ++i) steps.push_back(std::abs(s[i] - s[i - ch]));
  std::nth_element(steps.begin(), steps.begin() + static_cast<std::ptrdiff_t>(steps.size() * 99 / 100), steps.end());
  const int p99 = steps[steps.size() * 99 / 100];
  for (std::size_t c = 0; c < ch; ++c) {
    const int seam = std::abs(s[s.size() - ch + c] - s[c]);
    EXPECT_LE(seam, std::max(p99, 64)) << "channel " << c;
  }
}

std::string sound_name(const ::testing::TestParamInfo<ExpectedSound>& info) {
  return std::string(info.param.file.substr(0, 9));
}

INSTANTIATE_TEST_SUITE_P(Asset, SoundAsset, ::testing::ValuesIn(kSounds), sound_name);
INSTANTIATE_TEST_SUITE_P(Asset, MusicAsset, ::testing::Values(kSounds[6], kSounds[7], kSounds[8], kSounds[9], kSounds[10]),
                         sound_name);

TEST(AssetMusic, FiveDifferentTunes) {
  std::vector<std::vector<std::uint8_t>> tunes;
  for (const auto& s : kSounds)
    if (s.music) tunes.push_back(read_all(game_dir() / "SysData" / s.file));
  for (std::size_t a = 0; a < tunes.size(); ++a)
    for (std::size_t b = a + 1; b < tunes.size(); ++b) EXPECT_NE(tunes[a], tunes[b]) << a << " vs " << b;
}

}  // namespace
}  // namespace asset_test

// The generator's building blocks, where a fault would be hard to see in the
// finished files: edge pixels next to the key, loop wrapping, and refusing
// scores or formats it cannot honour.

#include "bmp_writer.h"
#include "canvas.h"
#include "icon.h"
#include "raster.h"
#include "sequencer.h"
#include "synth.h"
#include "wav_writer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <utility>
#include <stdexcept>

namespace {

using namespace assetgen;

// One pixel painted with the given premultiplied ARGB value.
Image24 flatten_one(std::uint8_t a, std::uint8_t r, std::uint8_t g, std::uint8_t b, std::optional<Rgb8> key) {
  Canvas canvas(1, 1);
  cairo_surface_flush(canvas.surface());
  auto* px = reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(canvas.surface()));
  px[0] = static_cast<std::uint32_t>(a) << 24 | static_cast<std::uint32_t>(r) << 16 | static_cast<std::uint32_t>(g) << 8 | b;
  cairo_surface_mark_dirty(canvas.surface());
  return flatten(canvas.surface(), key);
}

TEST(AssetRaster, EdgePixelsBecomeTheirOwnColourOrExactlyTheKey) {
  // 60% red over nothing: shown as full red, never as a pink blend with the key.
  const Rgb8 strong = flatten_one(153, 153, 0, 0, kMagentaKey).at(0, 0);
  EXPECT_EQ(strong, (Rgb8{255, 0, 0}));
  // 40% coverage: a hole, and exactly the key, not a near miss.
  EXPECT_EQ(flatten_one(102, 102, 0, 0, kMagentaKey).at(0, 0), kMagentaKey);
  EXPECT_EQ(flatten_one(0, 0, 0, 0, kGreyKey).at(0, 0), kGreyKey);
}

TEST(AssetRaster, OpaqueColoursNeverCollideWithOrFringeTheKey) {
  // Hot pink that would turn into the magenta key in 16 bits.
  const Rgb8 pink = flatten_one(255, 252, 2, 250, kMagentaKey).at(0, 0);
  EXPECT_NE(to_rgb565(pink), to_rgb565(kMagentaKey));
  EXPECT_FALSE(near_key(pink, kMagentaKey));
  // Mid grey in a grey-keyed font: would vanish or halo.
  const Rgb8 grey = flatten_one(255, 130, 126, 129, kGreyKey).at(0, 0);
  EXPECT_NE(to_rgb565(grey), to_rgb565(kGreyKey));
  EXPECT_FALSE(near_key(grey, kGreyKey));
  // Ordinary colours are left alone.
  EXPECT_EQ(flatten_one(255, 40, 200, 90, kMagentaKey).at(0, 0), (Rgb8{40, 200, 90}));
}

TEST(AssetRaster, PicturesWithoutKeyLieOverTheBackdrop) {
  const Rgb8 half_white = flatten_one(128, 128, 128, 128, std::nullopt).at(0, 0);
  EXPECT_EQ(half_white, (Rgb8{128, 128, 128}));
}

TEST(AssetEncoders, RefuseWhatTheGameCouldNotRead) {
  EXPECT_THROW(encode_bmp(Image24(0, 5, {})), std::invalid_argument);
  const std::vector<std::int16_t> three{1, 2, 3};
  EXPECT_THROW(encode_wav(three, 2, 44100), std::invalid_argument) << "half a stereo frame";
  EXPECT_THROW(encode_wav(three, 3, 44100), std::invalid_argument);
  EXPECT_THROW(encode_wav({}, 1, 44100), std::invalid_argument);
}

TEST(AssetSynth, LoopingMixFoldsTheTailOntoTheStart) {
  synth::Mix loop(100, true);
  loop.add(105, 1.0);
  loop.add(-1, 0.5);
  EXPECT_DOUBLE_EQ(loop.samples()[5], 1.0);
  EXPECT_DOUBLE_EQ(loop.samples()[99], 0.5);
  synth::Mix once(100, false);
  once.add(105, 1.0);
  once.add(-1, 1.0);
  for (double v : once.samples()) EXPECT_EQ(v, 0.0);
}

TEST(AssetSynth, FinishScalesToThePeakAndKeepsSilenceSilent) {
  synth::Mix mix(4, false);
  mix.add(0, 3.0);
  mix.add(1, -6.0);
  const Sound s = synth::finish(mix, 0.5);
  EXPECT_EQ(s.samples[1], -16384);
  EXPECT_EQ(s.samples[0], 8192);
  const Sound quiet = synth::finish(synth::Mix(4, false), 0.5);
  for (auto v : quiet.samples) EXPECT_EQ(v, 0);
}

TEST(AssetSynth, NoiseRepeatsForTheSameSeed) {
  synth::Noise a(7), b(7), c(8);
  bool differs = false;
  for (int i = 0; i < 100; ++i) {
    const double va = a.next();
    EXPECT_EQ(va, b.next());
    EXPECT_GE(va, -1.0);
    EXPECT_LE(va, 1.0);
    differs |= va != c.next();
  }
  EXPECT_TRUE(differs);
}

Score tiny_score(std::string_view melody) {
  return Score{.bpm = 240, .tonic = 60, .chords = {1, 4, 5, 1, 1, 4, 5, 1}, .melody = melody, .bass = "R.F.R.F.",
               .kick = "x...", .snare = "..x.", .hats = "xxxx", .clank = "", .bars = 8,
               .lead = synth::Wave::Sine, .lead_gain = 0.2, .seed = 1};
}

TEST(AssetSequencer, LoopLastsExactlyItsBars) {
  std::string melody;
  for (int i = 0; i < 64; ++i) melody += i % 2 ? "- " : "1 ";
  const Sound s = perform(tiny_score(melody));
  EXPECT_EQ(s.samples.size(), static_cast<std::size_t>(8 * 4 * 0.25 * kSampleRate));
}

TEST(AssetSequencer, RejectsScoresItCannotPlay) {
  EXPECT_THROW(perform(tiny_score("1 2 3")), std::invalid_argument) << "melody shorter than eight bars";
  std::string bad;
  for (int i = 0; i < 64; ++i) bad += i == 10 ? "9 " : "1 ";
  EXPECT_THROW(perform(tiny_score(bad)), std::invalid_argument) << "degree 9 is not a scale step";
}

}  // namespace

// A home screen cuts its own shape out of a maskable icon: the plate must
// reach every corner, or the cut shape shows transparent bites.
TEST(AssetIcon, TheMaskableIconFillsItsSquareAndTheRoundedOneLeavesCornersClear) {
  const auto folder = std::filesystem::temp_directory_path();
  const auto alpha_at = [](const std::filesystem::path& file, int x, int y) {
    cairo_surface_t* png = cairo_image_surface_create_from_png(file.c_str());
    EXPECT_EQ(cairo_surface_status(png), CAIRO_STATUS_SUCCESS) << file;
    cairo_surface_flush(png);
    const auto* row = cairo_image_surface_get_data(png) + y * cairo_image_surface_get_stride(png);
    const std::uint32_t pixel = reinterpret_cast<const std::uint32_t*>(row)[x];
    cairo_surface_destroy(png);
    return pixel >> 24;
  };
  const auto maskable = folder / "brindlecog-maskable-test.png";
  const auto rounded = folder / "brindlecog-rounded-test.png";
  write_icon(maskable, 192, IconShape::Maskable);
  write_icon(rounded, 192);
  for (const auto& [x, y] : {std::pair{0, 0}, {191, 0}, {0, 191}, {191, 191}}) {
    EXPECT_EQ(alpha_at(maskable, x, y), 255u);
    EXPECT_EQ(alpha_at(rounded, x, y), 0u);
  }
  std::filesystem::remove(maskable);
  std::filesystem::remove(rounded);
}

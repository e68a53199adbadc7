#pragma once
// Readers for the generated .dat files, written independently of the
// generator so the tests check the files, not the code that wrote them.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace asset_test {

inline constexpr std::size_t kPrefix = 101;

std::filesystem::path game_dir();
std::vector<std::uint8_t> read_all(const std::filesystem::path& path);

struct Pixel {
  std::uint8_t r, g, b;
};
inline std::uint16_t rgb565(Pixel p) {
  return static_cast<std::uint16_t>(((p.r >> 3) << 11) | ((p.g >> 2) << 5) | (p.b >> 3));
}

// A decoded 24-bit BI_RGB bitmap, rows top-down. Throws std::runtime_error
// describing the first header field that is not what the game can read.
struct Bitmap {
  int width = 0;
  int height = 0;
  std::vector<Pixel> pixels;
  Pixel at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)]; }
};
Bitmap parse_bmp(std::span<const std::uint8_t> file);

// A decoded PCM wave; throws std::runtime_error when the chunk layout is not
// what the game's reader accepts.
struct Wave {
  int format_tag = 0;
  int channels = 0;
  int sample_rate = 0;
  int bits = 0;
  std::uint32_t riff_size = 0;
  std::vector<std::int16_t> samples;
};
Wave parse_wav(std::span<const std::uint8_t> file);

}  // namespace asset_test

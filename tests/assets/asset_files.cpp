#include "asset_files.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace asset_test {

namespace {

std::uint32_t le32(std::span<const std::uint8_t> b, std::size_t at) {
  if (at + 4 > b.size()) throw std::runtime_error("truncated at offset " + std::to_string(at));
  return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8 |
         static_cast<std::uint32_t>(b[at + 2]) << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}
std::uint16_t le16(std::span<const std::uint8_t> b, std::size_t at) {
  if (at + 2 > b.size()) throw std::runtime_error("truncated at offset " + std::to_string(at));
  return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}
void expect(bool ok, const std::string& what) {
  if (!ok) throw std::runtime_error(what);
}

}  // namespace

std::filesystem::path game_dir() { return BRINDLECOG_GAME_DIR; }

std::vector<std::uint8_t> read_all(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot open " + path.string());
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

Bitmap parse_bmp(std::span<const std::uint8_t> f) {
  expect(f.size() >= 54 && f[0] == 'B' && f[1] == 'M', "no BM signature");
  expect(le32(f, 2) == f.size(), "file size field does not match");
  const std::uint32_t offset = le32(f, 10);
  expect(le32(f, 14) == 40, "info header is not 40 bytes");
  const auto width = static_cast<std::int32_t>(le32(f, 18));
  const auto height = static_cast<std::int32_t>(le32(f, 22));
  expect(width > 0 && width <= 4096, "width out of range");
  expect(height > 0 && height <= 4096, "height must be positive (bottom-up) and sane");
  expect(le16(f, 26) == 1, "planes != 1");
  expect(le16(f, 28) == 24, "not 24 bits per pixel");
  expect(le32(f, 30) == 0, "compressed (not BI_RGB)");
  const std::size_t row = (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
  expect(offset >= 54 && offset + row * static_cast<std::size_t>(height) <= f.size(), "pixel array out of file");

  Bitmap bmp;
  bmp.width = width;
  bmp.height = height;
  bmp.pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  for (int y = 0; y < height; ++y) {
    const std::size_t src = offset + row * static_cast<std::size_t>(height - 1 - y);
    for (int x = 0; x < width; ++x) {
      const std::size_t p = src + static_cast<std::size_t>(x) * 3;
      bmp.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)] = {f[p + 2], f[p + 1], f[p]};
    }
  }
  return bmp;
}

Wave parse_wav(std::span<const std::uint8_t> f) {
  expect(f.size() >= 12 && std::string(f.begin(), f.begin() + 4) == "RIFF" &&
             std::string(f.begin() + 8, f.begin() + 12) == "WAVE",
         "no RIFF/WAVE header");
  Wave w;
  w.riff_size = le32(f, 4);
  bool have_fmt = false, have_data = false;
  std::size_t pos = 12;
  while (pos + 8 <= f.size()) {
    const std::string id(f.begin() + static_cast<std::ptrdiff_t>(pos), f.begin() + static_cast<std::ptrdiff_t>(pos) + 4);
    const std::uint32_t size = le32(f, pos + 4);
    pos += 8;
    expect(pos + size <= f.size(), "chunk " + id + " runs past the end");
    if (id == "fmt ") {
      expect(size >= 16 && size <= 18, "fmt chunk size the game rejects");
      w.format_tag = le16(f, pos);
      w.channels = le16(f, pos + 2);
      w.sample_rate = static_cast<int>(le32(f, pos + 4));
      expect(le32(f, pos + 8) == static_cast<std::uint32_t>(w.sample_rate) * le16(f, pos + 12), "byte rate inconsistent");
      w.bits = le16(f, pos + 14);
      expect(le16(f, pos + 12) == w.channels * w.bits / 8, "block align inconsistent");
      have_fmt = true;
    } else if (id == "data") {
      expect(have_fmt, "data before fmt");
      expect(size % 2 == 0, "odd data size for 16-bit samples");
      w.samples.resize(size / 2);
      for (std::size_t i = 0; i < w.samples.size(); ++i) w.samples[i] = static_cast<std::int16_t>(le16(f, pos + i * 2));
      have_data = true;
    }
    pos += size;
  }
  expect(have_fmt && have_data, "fmt or data chunk missing");
  return w;
}

}  // namespace asset_test

#pragma once
// Reading the BMP files ImageMagick made for these tests, and the PPM copies
// ImageMagick decoded from them (the pixels each file must give).
#include <cstdint>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace bmptest {

inline std::string dataPath(const std::string& name)
{
    return std::string(BRINDLECOG_SOURCE_DIR) + "/tests/platform/win32/bitmap/data/" + name;
}

inline std::vector<std::uint8_t> readFile(const std::string& name)
{
    std::ifstream in(dataPath(name), std::ios::binary);
    if (!in) throw std::runtime_error("missing test file " + name);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct Rgb {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;  // 00RRGGBB, top row first
};

// Binary PPM (P6, maxval 255) as ImageMagick writes it.
inline Rgb readPpm(const std::string& name)
{
    const std::vector<std::uint8_t> bytes = readFile(name);
    std::string text(bytes.begin(), bytes.end());
    std::istringstream head(text);
    std::string magic;
    int maxval = 0;
    Rgb out;
    head >> magic >> out.width >> out.height >> maxval;
    if (magic != "P6" || maxval != 255) throw std::runtime_error("unexpected PPM " + name);
    auto at = static_cast<std::size_t>(head.tellg()) + 1;
    for (int i = 0; i < out.width * out.height; ++i, at += 3)
        out.pixels.push_back((std::uint32_t{bytes[at]} << 16) | (std::uint32_t{bytes[at + 1]} << 8) | bytes[at + 2]);
    return out;
}

// `prefix` arbitrary bytes and then `file`, positioned behind the prefix.
inline std::istringstream prefixed(const std::vector<std::uint8_t>& file, std::size_t prefix = 101)
{
    std::string all(prefix, '\x5A');
    all.append(file.begin(), file.end());
    std::istringstream in(all);
    in.seekg(static_cast<std::streamoff>(prefix));
    return in;
}

inline void put32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v)
{
    // A file shorter than the field grows to hold it.
    if (b.size() < at + 4) b.resize(at + 4);
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

inline std::uint32_t get32(const std::vector<std::uint8_t>& b, std::size_t at)
{
    return std::uint32_t{b[at]} | (std::uint32_t{b[at + 1]} << 8) | (std::uint32_t{b[at + 2]} << 16) |
           (std::uint32_t{b[at + 3]} << 24);
}

}  // namespace bmptest

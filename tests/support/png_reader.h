#pragma once
// Reads back the PNG files the game writes (8-bit RGB, no interlace), every
// chunk's CRC checked, so a test can compare pixels.
#include <zlib.h>

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

struct PngPicture {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb;  // rows of R, G, B
    std::string error;         // empty when the file read back whole

    uint32_t pixel(int x, int y) const
    {
        const std::size_t at = (static_cast<std::size_t>(y) * width + x) * 3;
        return uint32_t(rgb[at]) << 16 | uint32_t(rgb[at + 1]) << 8 | rgb[at + 2];
    }
};

inline PngPicture decodePng(const std::vector<uint8_t>& file)
{
    PngPicture png;
    const auto u32 = [&](std::size_t at) {
        return uint32_t(file[at]) << 24 | uint32_t(file[at + 1]) << 16 | uint32_t(file[at + 2]) << 8 | file[at + 3];
    };
    static const uint8_t signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (file.size() < 8 || !std::equal(signature, signature + 8, file.begin())) return png.error = "no signature", png;
    std::vector<uint8_t> packed;
    bool ended = false;
    for (std::size_t at = 8; !ended;) {
        if (at + 12 > file.size()) return png.error = "chunk runs past the end", png;
        const uint32_t length = u32(at);
        if (at + 12 + length > file.size()) return png.error = "chunk runs past the end", png;
        const std::string type(file.begin() + static_cast<std::ptrdiff_t>(at + 4), file.begin() + static_cast<std::ptrdiff_t>(at + 8));
        const uint8_t* data = file.data() + at + 8;
        if (crc32(0, file.data() + at + 4, length + 4) != u32(at + 8 + length)) return png.error = "bad CRC in " + type, png;
        if (type == "IHDR") {
            png.width = static_cast<int>(u32(at + 8));
            png.height = static_cast<int>(u32(at + 12));
            if (length != 13 || data[8] != 8 || data[9] != 2 || data[12] != 0) return png.error = "not 8-bit RGB", png;
        } else if (type == "IDAT") {
            packed.insert(packed.end(), data, data + length);
        } else if (type == "IEND") {
            ended = true;
        }
        at += 12 + length;
    }
    const std::size_t row = static_cast<std::size_t>(png.width) * 3;
    std::vector<uint8_t> raw((row + 1) * static_cast<std::size_t>(png.height));
    uLongf rawSize = raw.size();
    if (uncompress(raw.data(), &rawSize, packed.data(), packed.size()) != Z_OK || rawSize != raw.size())
        return png.error = "pixel data does not inflate to the picture's size", png;
    for (int y = 0; y < png.height; ++y) {
        const auto start = raw.begin() + static_cast<std::ptrdiff_t>((row + 1) * static_cast<std::size_t>(y));
        if (*start != 0) return png.error = "unexpected row filter", png;
        png.rgb.insert(png.rgb.end(), start + 1, start + 1 + static_cast<std::ptrdiff_t>(row));
    }
    return png;
}

inline PngPicture readPng(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return decodePng({std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()});
}

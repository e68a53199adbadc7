#include "platform/backends/frame_rgb.h"

#include <algorithm>

namespace platform {
namespace {

// Widens a 5- or 6-bit channel to 8 bits so that full scale stays full scale.
uint8_t widen(uint32_t value, int bits)
{
    return static_cast<uint8_t>(bits == 5 ? (value << 3 | value >> 2) : (value << 2 | value >> 4));
}

void putRgb(uint8_t* out, uint32_t rgb)
{
    out[0] = static_cast<uint8_t>(rgb >> 16);
    out[1] = static_cast<uint8_t>(rgb >> 8);
    out[2] = static_cast<uint8_t>(rgb);
}

}  // namespace

std::vector<uint8_t> frameToRgb(const FrameView& frame, int width, int height)
{
    width = std::min(width, frame.width);
    height = std::min(height, frame.height);
    if (!frame.pixels || width <= 0 || height <= 0) return {};
    std::vector<uint8_t> rgb(static_cast<std::size_t>(width) * height * 3);
    const auto* base = static_cast<const uint8_t*>(frame.pixels);
    for (int y = 0; y < height; ++y) {
        const uint8_t* row = base + static_cast<std::ptrdiff_t>(y) * frame.pitch;
        uint8_t* out = rgb.data() + static_cast<std::size_t>(y) * width * 3;
        for (int x = 0; x < width; ++x, out += 3) {
            switch (frame.layout) {
            case PixelLayout::Rgb565: {
                const uint32_t p = row[2 * x] | uint32_t(row[2 * x + 1]) << 8;
                out[0] = widen(p >> 11 & 31, 5);
                out[1] = widen(p >> 5 & 63, 6);
                out[2] = widen(p & 31, 5);
                break;
            }
            case PixelLayout::Rgb555: {
                const uint32_t p = row[2 * x] | uint32_t(row[2 * x + 1]) << 8;
                out[0] = widen(p >> 10 & 31, 5);
                out[1] = widen(p >> 5 & 31, 5);
                out[2] = widen(p & 31, 5);
                break;
            }
            case PixelLayout::Rgb888:  // bytes B, G, R
                out[0] = row[3 * x + 2];
                out[1] = row[3 * x + 1];
                out[2] = row[3 * x];
                break;
            case PixelLayout::Xrgb8888:
                putRgb(out, row[4 * x] | uint32_t(row[4 * x + 1]) << 8 | uint32_t(row[4 * x + 2]) << 16);
                break;
            case PixelLayout::Indexed8:
                putRgb(out, frame.palette ? frame.palette[row[x]] : uint32_t(row[x]) * 0x010101u);
                break;
            }
        }
    }
    return rgb;
}

}  // namespace platform

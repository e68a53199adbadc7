#include "platform/headless/headless_video.h"

#include <cstring>

namespace platform {

std::vector<DisplayModeInfo> HeadlessVideo::displayModes() const
{
    if (customModes_) return modes_;
    std::vector<DisplayModeInfo> modes;
    for (auto [w, h] : {std::pair{640, 480}, std::pair{800, 600}, std::pair{1024, 768}})
        for (int bpp : {8, 16, 24, 32}) modes.push_back({w, h, bpp, 60});
    return modes;
}

uint32_t HeadlessVideo::pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    return rgb_[static_cast<std::size_t>(y) * width_ + x];
}

void HeadlessVideo::present(const FrameView& frame)
{
    ++presented_;
    width_ = frame.width;
    height_ = frame.height;
    rgb_.assign(static_cast<std::size_t>(width_) * height_, 0);
    const auto* base = static_cast<const uint8_t*>(frame.pixels);
    if (!base) {
        if (onPresent_) onPresent_(*this);
        return;
    }
    for (int y = 0; y < height_; ++y) {
        const uint8_t* row = base + static_cast<std::ptrdiff_t>(y) * frame.pitch;
        for (int x = 0; x < width_; ++x) {
            uint32_t rgb = 0;
            switch (frame.layout) {
            case PixelLayout::Rgb565: {
                uint16_t p;
                std::memcpy(&p, row + x * 2, 2);
                const uint32_t r = (p >> 11) & 31, g = (p >> 5) & 63, b = p & 31;
                rgb = ((r << 3 | r >> 2) << 16) | ((g << 2 | g >> 4) << 8) | (b << 3 | b >> 2);
                break;
            }
            case PixelLayout::Rgb555: {
                uint16_t p;
                std::memcpy(&p, row + x * 2, 2);
                const uint32_t r = (p >> 10) & 31, g = (p >> 5) & 31, b = p & 31;
                rgb = ((r << 3 | r >> 2) << 16) | ((g << 3 | g >> 2) << 8) | (b << 3 | b >> 2);
                break;
            }
            case PixelLayout::Rgb888:
                rgb = uint32_t(row[x * 3 + 2]) << 16 | uint32_t(row[x * 3 + 1]) << 8 | row[x * 3];
                break;
            case PixelLayout::Xrgb8888: {
                std::memcpy(&rgb, row + x * 4, 4);
                rgb &= 0xFFFFFF;
                break;
            }
            case PixelLayout::Indexed8: rgb = frame.palette ? frame.palette[row[x]] & 0xFFFFFF : row[x]; break;
            }
            rgb_[static_cast<std::size_t>(y) * width_ + x] = rgb;
        }
    }
    if (onPresent_) onPresent_(*this);
}

}  // namespace platform

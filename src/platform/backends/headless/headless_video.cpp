#include "platform/backends/headless/headless_video.h"

#include "platform/backends/headless/headless_window.h"

#include <algorithm>
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

namespace {

uint32_t expand565(uint32_t p)
{
    const uint32_t r = (p >> 11) & 31, g = (p >> 5) & 63, b = p & 31;
    return ((r << 3 | r >> 2) << 16) | ((g << 2 | g >> 4) << 8) | (b << 3 | b >> 2);
}

uint32_t expand555(uint32_t p)
{
    const uint32_t r = (p >> 10) & 31, g = (p >> 5) & 31, b = p & 31;
    return ((r << 3 | r >> 2) << 16) | ((g << 3 | g >> 2) << 8) | (b << 3 | b >> 2);
}

// Converts one row; the format is chosen once per row, not per pixel, since
// end-to-end runs present thousands of frames.
void convertRow(PixelLayout layout, const uint8_t* row, uint32_t* out, int width, const uint32_t* palette,
                const std::vector<uint32_t>& table16)
{
    switch (layout) {
    case PixelLayout::Rgb565:
    case PixelLayout::Rgb555:
        for (int x = 0; x < width; ++x) out[x] = table16[uint32_t(row[2 * x]) | uint32_t(row[2 * x + 1]) << 8];
        break;
    case PixelLayout::Rgb888:
        for (int x = 0; x < width; ++x)
            out[x] = uint32_t(row[x * 3 + 2]) << 16 | uint32_t(row[x * 3 + 1]) << 8 | row[x * 3];
        break;
    case PixelLayout::Xrgb8888:
        std::memcpy(out, row, static_cast<std::size_t>(width) * 4);
        for (int x = 0; x < width; ++x) out[x] &= 0xFFFFFF;
        break;
    case PixelLayout::Indexed8:
        for (int x = 0; x < width; ++x) out[x] = palette ? palette[row[x]] & 0xFFFFFF : row[x];
        break;
    }
}

}  // namespace

void HeadlessVideo::present(const FrameView& frame)
{
    ++presented_;
    unchanged_ = frame.unchanged;
    if (!drawing_) return;
    width_ = frame.width;
    height_ = frame.height;
    const auto* base = static_cast<const uint8_t*>(frame.pixels);
    rgb_.resize(static_cast<std::size_t>(width_) * height_);
    const bool sixteen = frame.layout == PixelLayout::Rgb565 || frame.layout == PixelLayout::Rgb555;
    if (sixteen && tableLayout_ != frame.layout) {
        // One lookup per pixel instead of shifting out three channels.
        table16_.resize(65536);
        for (uint32_t p = 0; p < 65536; ++p)
            table16_[p] = frame.layout == PixelLayout::Rgb565 ? expand565(p) : expand555(p);
        tableLayout_ = frame.layout;
    }
    if (!base) std::fill(rgb_.begin(), rgb_.end(), 0u);
    else
        for (int y = 0; y < height_; ++y)
            convertRow(frame.layout, base + static_cast<std::ptrdiff_t>(y) * frame.pitch,
                       rgb_.data() + static_cast<std::size_t>(y) * width_, width_, frame.palette, table16_);
    if (window_) {
        const DisplayModeInfo desk = desktopMode();
        const Point output = fullScreen_ ? Point{desk.width, desk.height} : window_->outputSize();
        fit_ = fitPicture(output.x, output.y, width_, height_, scaling());
    }
    if (onPresent_) onPresent_(*this);
}

}  // namespace platform

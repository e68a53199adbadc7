#include "platform/bitmap/keyed_runs.h"

#include <algorithm>
#include <cstring>

namespace {

std::uint32_t pixelAt(const std::uint8_t* p, int bytes)
{
    switch (bytes) {
    case 1: return p[0];
    case 2: return static_cast<std::uint32_t>(p[0] | (p[1] << 8));
    case 3: return static_cast<std::uint32_t>(p[0] | (p[1] << 8) | (p[2] << 16));
    default: {
        std::uint32_t v;
        std::memcpy(&v, p, 4);
        return v;
    }
    }
}

template <typename T>
void scanRow(const std::uint8_t* row, int width, T key, std::vector<std::uint32_t>& spans)
{
    // Rows of 16-bit pixels are the common case; comparing whole words keeps
    // the scan itself cheap.
    int x = 0;
    while (x < width) {
        T v;
        std::memcpy(&v, row + static_cast<std::size_t>(x) * sizeof(T), sizeof(T));
        if (v == key) {
            ++x;
            continue;
        }
        const int begin = x;
        do {
            ++x;
            if (x == width) break;
            std::memcpy(&v, row + static_cast<std::size_t>(x) * sizeof(T), sizeof(T));
        } while (v != key);
        spans.push_back(static_cast<std::uint32_t>(begin));
        spans.push_back(static_cast<std::uint32_t>(x));
    }
}

}  // namespace

namespace platform {

void TKeyedRuns::Clear()
{
    built_ = false;
    rowStart_.clear();
    runs_.clear();
}

void TKeyedRuns::Build(const std::uint8_t* pixels, std::int32_t pitch, int width, int height, int bytesPerPixel,
                       std::uint32_t key)
{
    Clear();
    key_ = key;
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    bytes_ = bytesPerPixel;
    rowStart_.reserve(static_cast<std::size_t>(height_) + 1);
    std::vector<std::uint32_t> spans;
    for (int y = 0; y < height_; ++y) {
        rowStart_.push_back(static_cast<std::uint32_t>(runs_.size()));
        const std::uint8_t* row = pixels + static_cast<std::ptrdiff_t>(y) * pitch;
        spans.clear();
        if (bytes_ == 2) {
            scanRow<std::uint16_t>(row, width_, static_cast<std::uint16_t>(key), spans);
        } else if (bytes_ == 4) {
            scanRow<std::uint32_t>(row, width_, key, spans);
        } else {
            int x = 0;
            while (x < width_) {
                if (pixelAt(row + x * bytes_, bytes_) == key) {
                    ++x;
                    continue;
                }
                const int begin = x;
                while (x < width_ && pixelAt(row + x * bytes_, bytes_) != key) ++x;
                spans.push_back(static_cast<std::uint32_t>(begin));
                spans.push_back(static_cast<std::uint32_t>(x));
            }
        }
        for (std::size_t i = 0; i < spans.size(); i += 2) runs_.push_back({spans[i], spans[i + 1]});
    }
    rowStart_.push_back(static_cast<std::uint32_t>(runs_.size()));
    built_ = true;
}

void TKeyedRuns::Copy(const std::uint8_t* src, std::int32_t srcPitch, int srcX, int srcY, int width, int height,
                      std::uint8_t* dst, std::int32_t dstPitch) const
{
    const auto left = static_cast<std::uint32_t>(srcX);
    const auto right = static_cast<std::uint32_t>(srcX + width);
    const std::size_t bytes = static_cast<std::size_t>(bytes_);
    for (int r = 0; r < height; ++r) {
        const int y = srcY + r;
        const Run* first = runs_.data() + rowStart_[y];
        const Run* last = runs_.data() + rowStart_[y + 1];
        // Sprite sheets put many patterns side by side; skip the runs of the
        // patterns left of this one without walking them.
        if (left > 0)
            first = std::partition_point(first, last, [left](const Run& run) { return run.end <= left; });
        const std::uint8_t* srcRow = src + static_cast<std::ptrdiff_t>(y) * srcPitch;
        std::uint8_t* dstRow = dst + static_cast<std::ptrdiff_t>(r) * dstPitch;
        for (const Run* run = first; run != last && run->begin < right; ++run) {
            const std::uint32_t b = std::max(run->begin, left);
            const std::uint32_t e = std::min(run->end, right);
            std::memcpy(dstRow + (b - left) * bytes, srcRow + b * bytes, (e - b) * bytes);
        }
    }
}

}  // namespace platform

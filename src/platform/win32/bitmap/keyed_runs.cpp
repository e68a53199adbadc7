#include "platform/win32/bitmap/keyed_runs.h"

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

// Sprite runs are mostly short; copying the shortest with a few fixed-size
// moves (overlapping at the end) saves the library call per run. Longer
// runs go to memcpy: an inline loop of 16-byte moves measured slower.
inline void copyRun(std::uint8_t* to, const std::uint8_t* from, std::size_t n)
{
    if (n <= 16) {
        if (n >= 8) {
            std::memcpy(to, from, 8);
            std::memcpy(to + n - 8, from + n - 8, 8);
        } else if (n >= 4) {
            std::memcpy(to, from, 4);
            std::memcpy(to + n - 4, from + n - 4, 4);
        } else {
            for (std::size_t i = 0; i < n; ++i) to[i] = from[i];
        }
    } else if (n <= 32) {
        std::memcpy(to, from, 16);
        std::memcpy(to + n - 16, from + n - 16, 16);
    } else {
        std::memcpy(to, from, n);
    }
}

}  // namespace

namespace platform {

void TKeyedRuns::Clear()
{
    built_ = false;
    runCount_ = 0;
    rowStart_.clear();
    runs_.clear();
}

void TKeyedRuns::Build(const std::uint8_t* pixels, std::int32_t pitch, int width, int height, int bytesPerPixel,
                       std::uint32_t key)
{
    Clear();
    // Runs are kept in 16 bits; wider pictures are copied pixel by pixel.
    if (width > kMaxWidth) return;
    key_ = key;
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    bytes_ = bytesPerPixel;
    rowStart_.reserve(static_cast<std::size_t>(height_) + 1);
    std::vector<std::uint32_t> spans;
    int lastRow = 0;  // the row of the previous run
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
        for (std::size_t i = 0; i < spans.size(); i += 2) {
            constexpr int kMaxRows = 0xFFFF;
            for (; y - lastRow > kMaxRows; lastRow += kMaxRows) runs_.push_back({kMaxRows, 0, 0});
            runs_.push_back({static_cast<std::uint16_t>(y - lastRow), static_cast<std::uint16_t>(spans[i]),
                             static_cast<std::uint16_t>(spans[i + 1] - spans[i])});
            lastRow = y;
            ++runCount_;
        }
    }
    rowStart_.push_back(static_cast<std::uint32_t>(runs_.size()));
    runs_.shrink_to_fit();
    built_ = true;
}

template <int Bytes>
void TKeyedRuns::copyWhole(const std::uint8_t* pixels, std::int32_t pitch, std::uint8_t* dst,
                           std::int32_t dstPitch) const
{
    const std::size_t bytes = Bytes > 0 ? static_cast<std::size_t>(Bytes) : static_cast<std::size_t>(bytes_);
    const std::uint8_t* from = pixels;
    std::uint8_t* to = dst;
    for (const Run& run : runs_) {
        from += static_cast<std::ptrdiff_t>(run.rows) * pitch;
        to += static_cast<std::ptrdiff_t>(run.rows) * dstPitch;
        const std::size_t at = run.begin * bytes;
        copyRun(to + at, from + at, run.length * bytes);
    }
}

template <int Bytes>
void TKeyedRuns::copyRows(const std::uint8_t* pixels, std::int32_t pitch, int srcX, int srcY, int width, int height,
                          std::uint8_t* dst, std::int32_t dstPitch) const
{
    const std::size_t bytes = Bytes > 0 ? static_cast<std::size_t>(Bytes) : static_cast<std::size_t>(bytes_);
    const auto left = static_cast<std::uint32_t>(srcX);
    const auto right = static_cast<std::uint32_t>(srcX + width);
    for (int r = 0; r < height; ++r) {
        const auto y = static_cast<std::size_t>(srcY + r);
        const std::uint8_t* srcRow = pixels + static_cast<std::ptrdiff_t>(y) * pitch;
        std::uint8_t* dstRow = dst + static_cast<std::ptrdiff_t>(r) * dstPitch;
        for (std::uint32_t i = rowStart_[y]; i < rowStart_[y + 1]; ++i) {
            const Run& run = runs_[i];
            if (run.begin >= right) break;
            const std::uint32_t b = std::max<std::uint32_t>(run.begin, left);
            const std::uint32_t e = std::min<std::uint32_t>(run.begin + run.length, right);
            if (b < e) copyRun(dstRow + (b - left) * bytes, srcRow + b * bytes, (e - b) * bytes);
        }
    }
}

void TKeyedRuns::Copy(const std::uint8_t* pixels, std::int32_t pitch, int srcX, int srcY, int width, int height,
                      std::uint8_t* dst, std::int32_t dstPitch) const
{
    if (srcX == 0 && srcY == 0 && width == width_ && height == height_) {
        // A whole sprite, the common case: 16-bit pixels get their own loop.
        if (bytes_ == 2)
            copyWhole<2>(pixels, pitch, dst, dstPitch);
        else
            copyWhole<0>(pixels, pitch, dst, dstPitch);
    } else {
        // Patterns of a sheet, and sprites clipped at the display's edges.
        copyRows<0>(pixels, pitch, srcX, srcY, width, height, dst, dstPitch);
    }
}

}  // namespace platform

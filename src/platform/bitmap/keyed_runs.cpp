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

// Sprite runs are mostly short; copying them with a few fixed-size moves
// (overlapping at the end) saves the library call per run.
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
    } else if (n <= 64) {
        std::memcpy(to, from, 16);
        for (std::size_t at = 16; at + 16 < n; at += 16) std::memcpy(to + at, from + at, 16);
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
    rowStart_.clear();
    runs_.clear();
    packed_.clear();
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
            const std::size_t from = spans[i] * static_cast<std::size_t>(bytes_);
            const std::size_t to = spans[i + 1] * static_cast<std::size_t>(bytes_);
            runs_.push_back({static_cast<std::uint16_t>(spans[i]), static_cast<std::uint16_t>(spans[i + 1]),
                             static_cast<std::uint32_t>(packed_.size())});
            packed_.insert(packed_.end(), row + from, row + to);
        }
    }
    rowStart_.push_back(static_cast<std::uint32_t>(runs_.size()));
    built_ = true;
}

void TKeyedRuns::Copy(int srcX, int srcY, int width, int height, std::uint8_t* dst, std::int32_t dstPitch) const
{
    const std::size_t bytes = static_cast<std::size_t>(bytes_);
    if (srcX == 0 && width == width_) {
        // Whole rows, the common case of a single-pattern image: the packed
        // pixels of a row follow each other, nothing to clip.
        for (int r = 0; r < height; ++r) {
            const int y = srcY + r;
            std::uint8_t* dstRow = dst + static_cast<std::ptrdiff_t>(r) * dstPitch;
            const Run* run = runs_.data() + rowStart_[y];
            const Run* last = runs_.data() + rowStart_[y + 1];
            if (run == last) continue;
            const std::uint8_t* from = packed_.data() + run->packed;
            for (; run != last; ++run) {
                const std::size_t n = (run->end - run->begin) * bytes;
                copyRun(dstRow + run->begin * bytes, from, n);
                from += n;
            }
        }
        return;
    }
    const auto left = static_cast<std::uint32_t>(srcX);
    const auto right = static_cast<std::uint32_t>(srcX + width);
    for (int r = 0; r < height; ++r) {
        const int y = srcY + r;
        const Run* first = runs_.data() + rowStart_[y];
        const Run* last = runs_.data() + rowStart_[y + 1];
        // Sprite sheets put many patterns side by side; skip the runs of the
        // patterns left of this one without walking them.
        if (left > 0)
            first = std::partition_point(first, last, [left](const Run& run) { return run.end <= left; });
        std::uint8_t* dstRow = dst + static_cast<std::ptrdiff_t>(r) * dstPitch;
        for (const Run* run = first; run != last && run->begin < right; ++run) {
            const std::uint32_t b = std::max<std::uint32_t>(run->begin, left);
            const std::uint32_t e = std::min<std::uint32_t>(run->end, right);
            copyRun(dstRow + (b - left) * bytes, packed_.data() + run->packed + (b - run->begin) * bytes, (e - b) * bytes);
        }
    }
}

}  // namespace platform

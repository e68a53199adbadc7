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
    stream_.clear();
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
    rowStart_.reserve(static_cast<std::size_t>(height_));
    std::vector<std::uint32_t> spans;
    auto header = [this](std::uint32_t begin, std::uint32_t length) {
        const RunHeader h{static_cast<std::uint16_t>(begin), static_cast<std::uint16_t>(length)};
        const std::size_t at = stream_.size();
        stream_.resize(at + sizeof h);
        std::memcpy(stream_.data() + at, &h, sizeof h);
    };
    for (int y = 0; y < height_; ++y) {
        rowStart_.push_back(static_cast<std::uint32_t>(stream_.size()));
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
            header(spans[i], spans[i + 1] - spans[i]);
            const std::size_t from = spans[i] * static_cast<std::size_t>(bytes_);
            const std::size_t to = spans[i + 1] * static_cast<std::size_t>(bytes_);
            stream_.insert(stream_.end(), row + from, row + to);
            ++runCount_;
        }
        header(0, 0);
    }
    built_ = true;
}

void TKeyedRuns::Copy(int srcX, int srcY, int width, int height, std::uint8_t* dst, std::int32_t dstPitch) const
{
    const std::size_t bytes = static_cast<std::size_t>(bytes_);
    const auto left = static_cast<std::uint32_t>(srcX);
    const auto right = static_cast<std::uint32_t>(srcX + width);
    const bool wholeRows = srcX == 0 && width == width_;
    for (int r = 0; r < height; ++r) {
        const std::uint8_t* at = stream_.data() + rowStart_[static_cast<std::size_t>(srcY + r)];
        std::uint8_t* dstRow = dst + static_cast<std::ptrdiff_t>(r) * dstPitch;
        for (;;) {
            RunHeader h;
            std::memcpy(&h, at, sizeof h);
            at += sizeof h;
            if (h.length == 0) break;
            const std::size_t n = h.length * bytes;
            if (wholeRows) {
                copyRun(dstRow + h.begin * bytes, at, n);
            } else {
                // Patterns of a sheet: only the part inside the rectangle.
                const std::uint32_t b = std::max<std::uint32_t>(h.begin, left);
                const std::uint32_t e = std::min<std::uint32_t>(h.begin + h.length, right);
                if (h.begin >= right) break;
                if (b < e) copyRun(dstRow + (b - left) * bytes, at + (b - h.begin) * bytes, (e - b) * bytes);
            }
            at += n;
        }
    }
}

}  // namespace platform

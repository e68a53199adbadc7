#pragma once
// The opaque runs of a colour-keyed picture. A sprite drawn with a colour
// key spends most of a per-pixel copy on comparing pixels with the key; with
// the runs known in advance a keyed copy is one memcpy per run, reading only
// the pixels that are drawn. Only where the runs lie is kept: the pixels are
// read from the picture itself, so the cache costs six bytes a run, not a
// second copy of the picture.
//
// It lives beside the bitmap, below the DirectDraw stand-in, so a surface's
// own keyed blit can use it: the surface keeps one TKeyedRuns and a counter
// of changes to its pixels (bumped by Lock, GetDC, Restore and every blit
// or fill onto it); a keyed blit from it rebuilds the runs when the key or
// the counter differs from the build's, then calls Copy instead of the
// per-pixel loop.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace platform {

class TKeyedRuns {
public:
    static constexpr int kMaxWidth = 65535;

    // Scans `height` rows of `width` pixels of `bytesPerPixel` (1 to 4) bytes
    // and notes where the pixels that are not `key` lie. Leaves nothing built
    // for pictures wider than kMaxWidth.
    void Build(const std::uint8_t* pixels, std::int32_t pitch, int width, int height, int bytesPerPixel,
               std::uint32_t key);
    void Clear();

    bool Built() const { return built_; }
    std::uint32_t Key() const { return key_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    int BytesPerPixel() const { return bytes_; }
    std::size_t RunCount() const { return runCount_; }

    // Copies the opaque pixels of the rectangle at (srcX, srcY) of size
    // width x height of `pixels` (the picture the runs were built from,
    // unchanged since, `pitch` bytes a row) onto `dst` (the destination's
    // pixel for the rectangle's top-left corner). The rectangle must lie
    // inside the scanned picture.
    void Copy(const std::uint8_t* pixels, std::int32_t pitch, int srcX, int srcY, int width, int height,
              std::uint8_t* dst, std::int32_t dstPitch) const;

private:
    // `rows` counts the rows from the previous run's row (from row 0 for the
    // first), so a copy of the whole picture walks the runs in one loop with
    // no per-row lookups or end-of-row markers: the only branches left are
    // the ones that size each copy. A gap of more empty rows than 16 bits
    // hold is bridged by runs of length 0.
    struct Run {
        std::uint16_t rows;
        std::uint16_t begin;
        std::uint16_t length;
    };

    template <int Bytes>
    void copyWhole(const std::uint8_t* pixels, std::int32_t pitch, std::uint8_t* dst, std::int32_t dstPitch) const;
    template <int Bytes>
    void copyRows(const std::uint8_t* pixels, std::int32_t pitch, int srcX, int srcY, int width, int height,
                  std::uint8_t* dst, std::int32_t dstPitch) const;

    bool built_ = false;
    std::uint32_t key_ = 0;
    int width_ = 0;
    int height_ = 0;
    int bytes_ = 0;
    std::size_t runCount_ = 0;
    // Index in runs_ of the first run of each row, and the end: for copies
    // of part of the picture.
    std::vector<std::uint32_t> rowStart_;
    std::vector<Run> runs_;
};

}  // namespace platform

#pragma once
// The opaque runs of a colour-keyed picture, row by row, with the opaque
// pixels themselves packed behind each other. A sprite drawn with a colour
// key spends most of a per-pixel copy on comparing pixels with the key;
// with the runs known in advance a keyed copy is one memcpy per run, reading
// only the pixels that are drawn, as fast as a plain copy. A surface builds
// them once per colour key and drops them whenever its pixels change. It
// lives beside the bitmap, below the DirectDraw stand-in, so the surfaces'
// own blits can use it.
#include <cstdint>
#include <vector>

namespace platform {

class TKeyedRuns {
public:
    static constexpr int kMaxWidth = 65535;

    // Scans `height` rows of `width` pixels of `bytesPerPixel` (1 to 4) bytes
    // and keeps a copy of the pixels that are not `key`. Leaves nothing built
    // for pictures wider than kMaxWidth.
    void Build(const std::uint8_t* pixels, std::int32_t pitch, int width, int height, int bytesPerPixel,
               std::uint32_t key);
    void Clear();

    bool Built() const { return built_; }
    std::uint32_t Key() const { return key_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    int BytesPerPixel() const { return bytes_; }
    std::size_t RunCount() const { return runs_.size(); }

    // Copies the opaque pixels of the rectangle at (srcX, srcY) of size
    // width x height, as they were when built, onto `dst` (the destination's
    // pixel for the rectangle's top-left corner). The rectangle must lie
    // inside the scanned picture.
    void Copy(int srcX, int srcY, int width, int height, std::uint8_t* dst, std::int32_t dstPitch) const;

private:
    struct Run {
        std::uint16_t begin;  // first opaque pixel
        std::uint16_t end;    // one past the last
        std::uint32_t packed;  // where its pixels start in packed_, in bytes
    };

    bool built_ = false;
    std::uint32_t key_ = 0;
    int width_ = 0;
    int height_ = 0;
    int bytes_ = 0;
    std::vector<std::uint32_t> rowStart_;  // first run of each row; one more entry at the end
    std::vector<Run> runs_;
    std::vector<std::uint8_t> packed_;
};

}  // namespace platform

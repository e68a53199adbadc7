#pragma once
// The opaque runs of a colour-keyed picture, row by row. A sprite drawn with
// a colour key spends most of a per-pixel copy on comparing pixels with the
// key; with the runs known in advance a keyed copy is one memcpy per run,
// as fast as a plain copy. A surface builds them once per colour key and
// drops them whenever its pixels change. It lives beside the bitmap, below
// the DirectDraw stand-in, so the surfaces' own blits can use it.
#include <cstdint>
#include <vector>

namespace platform {

class TKeyedRuns {
public:
    // Scans `height` rows of `width` pixels of `bytesPerPixel` (1 to 4) bytes.
    void Build(const std::uint8_t* pixels, std::int32_t pitch, int width, int height, int bytesPerPixel,
               std::uint32_t key);
    void Clear();

    bool Built() const { return built_; }
    std::uint32_t Key() const { return key_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    int BytesPerPixel() const { return bytes_; }
    // All opaque runs, for telling whether keying is worth it at all.
    std::size_t RunCount() const { return runs_.size(); }

    // Copies the opaque pixels of the source rectangle at (srcX, srcY) of
    // size width x height onto `dst` (already at the destination's top-left
    // corner of the copy). The rectangle must lie inside the scanned picture
    // and `src` must be the picture the runs were built from.
    void Copy(const std::uint8_t* src, std::int32_t srcPitch, int srcX, int srcY, int width, int height,
              std::uint8_t* dst, std::int32_t dstPitch) const;

private:
    struct Run {
        std::uint32_t begin;  // first opaque pixel
        std::uint32_t end;    // one past the last
    };

    bool built_ = false;
    std::uint32_t key_ = 0;
    int width_ = 0;
    int height_ = 0;
    int bytes_ = 0;
    std::vector<std::uint32_t> rowStart_;  // first run of each row; one more entry at the end
    std::vector<Run> runs_;
};

}  // namespace platform

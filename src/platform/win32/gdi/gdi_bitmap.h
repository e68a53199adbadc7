#pragma once
// A GDI bitmap as CopyBitmap and StretchBlt read it: 24-bit pixels, rows top
// down, bytes blue, green, red. Image loaders hand their pictures over in
// this form (see fromBgr24), so the display needs no knowledge of files.
#include <cstdint>
#include <vector>

namespace platform::gdi {

class Bitmap {
public:
    Bitmap() = default;
    Bitmap(int width, int height);

    // Copies `height` rows of `width` B,G,R pixels, `pitch` bytes apart,
    // starting at `rows` (top row first). Throws platform::Exception on a
    // size that is negative or too large.
    static Bitmap fromBgr24(int width, int height, const uint8_t* rows, int pitch);
    // Takes over `rows`, width * 3 bytes each without padding, top row
    // first; throws platform::Exception when they do not fill the size.
    static Bitmap fromBgr24(int width, int height, std::vector<uint8_t>&& rows);

    int width() const { return width_; }
    int height() const { return height_; }
    int pitch() const { return width_ * 3; }
    const uint8_t* row(int y) const { return data_.data() + static_cast<std::size_t>(y) * pitch(); }
    uint8_t* row(int y) { return data_.data() + static_cast<std::size_t>(y) * pitch(); }

    // 00BBGGRR, the way GDI reports colours.
    uint32_t pixel(int x, int y) const;
    void setPixel(int x, int y, uint32_t colorRef);

private:
    static void checkSize(int width, int height);

    int width_ = 0;
    int height_ = 0;
    std::vector<uint8_t> data_;
};

using HBITMAP = const Bitmap*;

}  // namespace platform::gdi

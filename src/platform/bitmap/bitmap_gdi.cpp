#include "platform/bitmap/bitmap_gdi.h"

namespace platform {

gdi::Bitmap ToGdiBitmap(const TBitmap& bitmap)
{
    gdi::Bitmap out(bitmap.Width(), bitmap.Height());
    for (int y = 0; y < bitmap.Height(); ++y) {
        const std::uint32_t* from = bitmap.ScanLine(y);
        std::uint8_t* to = out.row(y);
        for (int x = 0; x < bitmap.Width(); ++x, to += 3) {
            to[0] = static_cast<std::uint8_t>(from[x]);
            to[1] = static_cast<std::uint8_t>(from[x] >> 8);
            to[2] = static_cast<std::uint8_t>(from[x] >> 16);
        }
    }
    return out;
}

}  // namespace platform

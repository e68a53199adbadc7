#pragma once
// Handing a picture to GDI: the 24-bit bitmap StretchBlt and CopyBitmap read.
#include "platform/bitmap/bitmap.h"
#include "platform/gdi/gdi_bitmap.h"

namespace platform {

gdi::Bitmap ToGdiBitmap(const TBitmap& bitmap);

}  // namespace platform

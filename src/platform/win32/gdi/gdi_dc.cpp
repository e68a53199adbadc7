#include "platform/win32/gdi/gdi_dc.h"

#include <algorithm>

namespace platform::gdi {

DeviceContext::DeviceContext(PixelTarget target, FontCache* fonts) : target_(target), fonts_(fonts) {}

HBITMAP DeviceContext::selectObject(HBITMAP bitmap)
{
    HBITMAP old = bitmap_;
    bitmap_ = bitmap;
    return old;
}

int DeviceContext::width() const { return target_.pixels ? target_.width : (bitmap_ ? bitmap_->width() : 0); }
int DeviceContext::height() const { return target_.pixels ? target_.height : (bitmap_ ? bitmap_->height() : 0); }

uint32_t DeviceContext::sourcePixel(int x, int y) const
{
    if (target_.pixels) {
        const int bpp = target_.format.bytesPerPixel();
        const uint8_t* at = target_.pixels + static_cast<std::ptrdiff_t>(y) * target_.pitch + x * bpp;
        return colorRefFromNative(target_.format, readPixel(at, bpp), target_.palette);
    }
    return bitmap_ ? bitmap_->pixel(x, y) : 0;
}

uint32_t DeviceContext::getPixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width() || y >= height()) return CLR_INVALID;
    return sourcePixel(x, y);
}

uint32_t DeviceContext::setPixel(int x, int y, uint32_t colorRef)
{
    if (!target_.pixels || x < 0 || y < 0 || x >= target_.width || y >= target_.height) return CLR_INVALID;
    const int bpp = target_.format.bytesPerPixel();
    const uint32_t native = nativeFromColorRef(target_.format, colorRef, target_.palette);
    writePixel(target_.pixels + static_cast<std::ptrdiff_t>(y) * target_.pitch + x * bpp, bpp, native);
    return colorRefFromNative(target_.format, native, target_.palette);
}

bool DeviceContext::fillRect(const Rect& rect, uint32_t colorRef)
{
    if (!target_.pixels) return false;
    const int l = std::max(rect.left, 0), t = std::max(rect.top, 0);
    const int r = std::min(rect.right, target_.width), b = std::min(rect.bottom, target_.height);
    const int bpp = target_.format.bytesPerPixel();
    const uint32_t native = nativeFromColorRef(target_.format, colorRef, target_.palette);
    for (int y = t; y < b; ++y) {
        uint8_t* row = target_.pixels + static_cast<std::ptrdiff_t>(y) * target_.pitch;
        for (int x = l; x < r; ++x) writePixel(row + x * bpp, bpp, native);
    }
    return true;
}

bool DeviceContext::textExtent(const std::string& text, int& width, int& height)
{
    if (!fonts_) {
        width = height = 0;
        return false;
    }
    return fonts_->measure(font_, text, width, height);
}

bool DeviceContext::textOut(int x, int y, const std::string& text)
{
    if (!target_.pixels || !fonts_) return false;
    TextMask mask;
    if (!fonts_->render(font_, text, mask)) return false;
    if (bkMode_ == OPAQUE) fillRect({x, y, x + mask.width, y + mask.height}, bkColor_);
    const int bpp = target_.format.bytesPerPixel();
    const uint32_t tr = textColor_ & 0xFF, tg = textColor_ >> 8 & 0xFF, tb = textColor_ >> 16 & 0xFF;
    for (int my = 0; my < mask.height; ++my) {
        const int py = y + my;
        if (py < 0 || py >= target_.height) continue;
        uint8_t* row = target_.pixels + static_cast<std::ptrdiff_t>(py) * target_.pitch;
        for (int mx = 0; mx < mask.width; ++mx) {
            const int px = x + mx;
            const uint32_t a = mask.coverage[static_cast<std::size_t>(my) * mask.width + mx];
            if (px < 0 || px >= target_.width || a == 0) continue;
            uint8_t* at = row + px * bpp;
            uint32_t color = textColor_;
            if (a < 255) {
                const uint32_t under = colorRefFromNative(target_.format, readPixel(at, bpp), target_.palette);
                const auto mix = [a](uint32_t fg, uint32_t bg) { return (fg * a + bg * (255 - a) + 127) / 255; };
                color = mix(tr, under & 0xFF) | mix(tg, under >> 8 & 0xFF) << 8 | mix(tb, under >> 16 & 0xFF) << 16;
            }
            writePixel(at, bpp, nativeFromColorRef(target_.format, color, target_.palette));
        }
    }
    return true;
}

bool DeviceContext::stretchBlt(const Rect& dst, const DeviceContext& source, const Rect& src, uint32_t rop)
{
    if (!target_.pixels || rop != SRCCOPY) return false;
    const int dw = dst.width(), dh = dst.height(), sw = src.width(), sh = src.height();
    if (dw == 0 || dh == 0 || sw == 0 || sh == 0) return true;
    const int bpp = target_.format.bytesPerPixel();
    const int srcW = source.width(), srcH = source.height();
    if (dw == sw && dh == sh && dw > 0 && dh > 0 && !source.target_.pixels && source.bitmap_) {
        copyBitmapRows(dst, *source.bitmap_, src);
        return true;
    }
    // Negative extents mirror, as in GDI; every pixel samples its centre.
    for (int j = 0; j < std::abs(dh); ++j) {
        const int dy = dh > 0 ? dst.top + j : dst.top - 1 - j;
        if (dy < 0 || dy >= target_.height) continue;
        const int sy = src.top + static_cast<int>((static_cast<int64_t>(j) * 2 + 1) * sh / (2 * std::abs(dh))) -
                       (sh < 0 ? 1 : 0);
        uint8_t* row = target_.pixels + static_cast<std::ptrdiff_t>(dy) * target_.pitch;
        for (int i = 0; i < std::abs(dw); ++i) {
            const int dx = dw > 0 ? dst.left + i : dst.left - 1 - i;
            if (dx < 0 || dx >= target_.width) continue;
            const int sx = src.left + static_cast<int>((static_cast<int64_t>(i) * 2 + 1) * sw / (2 * std::abs(dw))) -
                           (sw < 0 ? 1 : 0);
            // Outside the source GDI leaves the destination alone.
            if (sx < 0 || sy < 0 || sx >= srcW || sy >= srcH) continue;
            writePixel(row + dx * bpp, bpp, nativeFromColorRef(target_.format, source.sourcePixel(sx, sy), target_.palette));
        }
    }
    return true;
}

void DeviceContext::copyBitmapRows(const Rect& dst, const Bitmap& bitmap, const Rect& src)
{
    // The part of the rectangle that lies inside both the target and the
    // bitmap; the rest is left alone, as the scaled copy leaves it.
    const int left = std::max({0, -dst.left, -src.left});
    const int right = std::min({dst.width(), target_.width - dst.left, bitmap.width() - src.left});
    const int top = std::max({0, -dst.top, -src.top});
    const int bottom = std::min({dst.height(), target_.height - dst.top, bitmap.height() - src.top});
    if (left >= right) return;
    const int bpp = target_.format.bytesPerPixel();
    for (int j = top; j < bottom; ++j) {
        uint8_t* row = target_.pixels + static_cast<std::ptrdiff_t>(dst.top + j) * target_.pitch;
        const uint8_t* from = bitmap.row(src.top + j) + static_cast<std::ptrdiff_t>(src.left + left) * 3;
        nativeRowFromBgr24(target_.format, from, row + static_cast<std::ptrdiff_t>(dst.left + left) * bpp,
                                  right - left, target_.palette);
    }
}

}  // namespace platform::gdi

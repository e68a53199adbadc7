#pragma once
// Device contexts: GDI drawing on pixel memory. A surface hands one out from
// GetDC over its own pixels; a memory context holds a selected bitmap, the
// source of StretchBlt.
#include <cstdint>
#include <string>

#include "platform/backends/window.h"
#include "platform/win32/gdi/gdi_bitmap.h"
#include "platform/win32/gdi/gdi_font.h"
#include "platform/win32/pixel_format.h"

namespace platform::gdi {

inline constexpr int TRANSPARENT = 1, OPAQUE = 2;   // background modes
inline constexpr uint32_t SRCCOPY = 0x00CC0020;    // the plain copy raster operation
inline constexpr uint32_t CLR_INVALID = 0xFFFFFFFF;

// Pixel memory a context draws on.
struct PixelTarget {
    uint8_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    int pitch = 0;
    SurfaceFormat format;
    const uint32_t* palette = nullptr;  // 256 entries 00RRGGBB, 8-bit only
};

class DeviceContext {
public:
    // A context drawing on `target`; `fonts` may be null (no text then).
    DeviceContext(PixelTarget target, FontCache* fonts);
    // A memory context with nothing selected (CreateCompatibleDC).
    DeviceContext() = default;

    // Memory contexts: selects a bitmap as the drawing source; returns the
    // one selected before.
    HBITMAP selectObject(HBITMAP bitmap);
    HBITMAP selectedBitmap() const { return bitmap_; }

    uint32_t getPixel(int x, int y) const;
    // Returns the colour actually set, or CLR_INVALID outside the area.
    uint32_t setPixel(int x, int y, uint32_t colorRef);
    bool fillRect(const Rect& rect, uint32_t colorRef);

    void setTextColor(uint32_t colorRef) { textColor_ = colorRef; }
    void setBkColor(uint32_t colorRef) { bkColor_ = colorRef; }
    void setBkMode(int mode) { bkMode_ = mode; }
    int bkMode() const { return bkMode_; }
    void selectFont(const LogFont& font) { font_ = font; }
    const LogFont& font() const { return font_; }
    bool textOut(int x, int y, const std::string& text);
    bool textExtent(const std::string& text, int& width, int& height);

    // Copies `src` rectangle of `source` onto `dst` (scaled, nearest pixel).
    bool stretchBlt(const Rect& dst, const DeviceContext& source, const Rect& src, uint32_t rop);

    int width() const;
    int height() const;

private:
    uint32_t sourcePixel(int x, int y) const;  // 00BBGGRR from target or bitmap
    // StretchBlt without scaling from a bitmap (how surfaces are filled
    // from pictures): whole rows at a time, the same pixels.
    void copyBitmapRows(const Rect& dst, const Bitmap& bitmap, const Rect& src);

    PixelTarget target_;
    FontCache* fonts_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    uint32_t textColor_ = 0;
    uint32_t bkColor_ = 0xFFFFFF;
    int bkMode_ = OPAQUE;
    LogFont font_;
};

using HDC = DeviceContext*;

}  // namespace platform::gdi

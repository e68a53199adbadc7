#include "engine/display/dd_surface.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "engine/display/dd_check.h"

namespace dd = platform::ddraw;

TDDrawSurface::~TDDrawSurface() = default;

int32_t TDDrawSurface::CachedPixelFormat()
{
    if (FPixelFormat == -1) FPixelFormat = GetPixelFormat();
    return FPixelFormat;
}

uint32_t TDDrawSurface::ConvertColor(TColor color)
{
    const auto c = static_cast<uint32_t>(color);
    const double r = c & 0xFF, g = c >> 8 & 0xFF, b = c >> 16 & 0xFF;
    const auto scale = [](double v, double max) { return static_cast<uint32_t>(std::lround(v * max / 255.0)); };
    switch (CachedPixelFormat()) {
    case spfRGB555: return scale(r, 31) << 10 | scale(g, 31) << 5 | scale(b, 31);
    case spfRGB565: return scale(r, 31) << 11 | scale(g, 63) << 5 | scale(b, 31);
    case spf24Bit:
    case spf32Bit: return (c & 0xFF) << 16 | (c & 0xFF00) | (c >> 16 & 0xFF);
    default: return 0;
    }
}

bool TDDrawSurface::ClipRects(TRect& dst, TRect& src, const TRect& srcBounds, const TRect& clip)
{
    if (dst.left < clip.left) { src.left += clip.left - dst.left; dst.left = clip.left; }
    if (dst.top < clip.top) { src.top += clip.top - dst.top; dst.top = clip.top; }
    if (src.left < srcBounds.left) { dst.left += srcBounds.left - src.left; src.left = srcBounds.left; }
    if (src.top < srcBounds.top) { dst.top += srcBounds.top - src.top; src.top = srcBounds.top; }
    if (dst.right > clip.right) { src.right += clip.right - dst.right; dst.right = clip.right; }
    if (dst.bottom > clip.bottom) { src.bottom += clip.bottom - dst.bottom; dst.bottom = clip.bottom; }
    if (src.right > srcBounds.right) { dst.right += srcBounds.right - src.right; src.right = srcBounds.right; }
    if (src.bottom > srcBounds.bottom) { dst.bottom += srcBounds.bottom - src.bottom; src.bottom = srcBounds.bottom; }
    return dst.left < dst.right && dst.top < dst.bottom && src.left < src.right && src.top < src.bottom;
}

bool TDDrawSurface::ClipStretchRects(TRect& dst, TRect& src, const TRect& clip)
{
    // Halves round to the even neighbour (the default rounding mode).
    const auto round = [](double v) { return static_cast<int>(std::nearbyint(v)); };
    const auto fx = [&] { return std::abs(double(src.right) - src.left) / std::abs(double(dst.right) - dst.left); };
    const auto fy = [&] { return std::abs(double(src.bottom) - src.top) / std::abs(double(dst.bottom) - dst.top); };
    if (dst.left < clip.left) { src.left += round(fx() * (clip.left - dst.left)); dst.left = clip.left; }
    if (dst.top < clip.top) { src.top += round(fy() * (clip.top - dst.top)); dst.top = clip.top; }
    if (dst.right > clip.right) { src.right -= round(fx() * (dst.right - clip.right)); dst.right = clip.right; }
    if (dst.bottom > clip.bottom) { src.bottom -= round(fy() * (dst.bottom - clip.bottom)); dst.bottom = clip.bottom; }
    return dst.left < dst.right && dst.top < dst.bottom && src.left < src.right && src.top < src.bottom;
}

template <typename Desc>
int32_t TDDrawSurfaceOf<Desc>::GetPixelFormat()
{
    if (!FSurface) return spfOther;
    Desc desc;
    if (FSurface->GetSurfaceDesc(desc) != 0) return spfOther;
    const auto& pf = desc.ddpfPixelFormat;
    switch (pf.dwRGBBitCount) {
    case 16:
        if (pf.dwRBitMask == 0x7C00 && pf.dwGBitMask == 0x03E0 && pf.dwBBitMask == 0x001F) return spfRGB555;
        if (pf.dwRBitMask == 0xF800 && pf.dwGBitMask == 0x07E0 && pf.dwBBitMask == 0x001F) return spfRGB565;
        return spf16Bit;
    case 24: return spf24Bit;
    case 32:
        if (pf.dwRBitMask == 0xFF0000 && pf.dwGBitMask == 0x00FF00 && pf.dwBBitMask == 0x0000FF) return spf32Bit;
        return spfOther;
    default: return spfOther;
    }
}

template <typename Desc>
void TDDrawSurfaceOf<Desc>::ReleaseSurface()
{
    // The canvas holds the interface it was made for; it goes with it.
    FCanvas.reset();
    FGammaControl.reset();
    FSurface.reset();
}

template <typename Desc>
int64_t TDDrawSurfaceOf<Desc>::ColorMatch(TColor color)
{
    if (!FSurface) return 0;
    uint32_t saved = 0;
    HDC dc = nullptr;
    if (color != -1 && FSurface->GetDC(dc) == 0) {
        saved = dc->getPixel(0, 0);
        dc->setPixel(0, 0, static_cast<uint32_t>(color));
        FSurface->ReleaseDC(dc);
    }
    int64_t result = -1;
    Desc desc;
    if (FSurface->Lock(nullptr, desc, dd::DDLOCK_WAIT) == 0) {
        uint32_t word = 0;
        const int bits = static_cast<int>(desc.ddpfPixelFormat.dwRGBBitCount);
        // Never read past the buffer: a 1-pixel 8-bit surface has one byte.
        std::memcpy(&word, desc.lpSurface, static_cast<std::size_t>(std::min(4, std::max(1, (bits + 7) / 8))));
        if (bits < 32) word &= (1u << bits) - 1u;
        result = word;
        FSurface->Unlock(nullptr);
    }
    if (color != -1 && FSurface->GetDC(dc) == 0) {
        dc->setPixel(0, 0, saved);
        FSurface->ReleaseDC(dc);
    }
    return result;
}

template <typename Desc>
void TDDrawSurfaceOf<Desc>::SetColorKey(TColor color)
{
    if (!FSurface) return;
    const int64_t value = ColorMatch(color);
    const auto native = static_cast<uint32_t>(value);
    dd::DDCOLORKEY key{native, native};
    DDCheck(FSurface->SetColorKey(dd::DDCKEY_SRCBLT, &key), "SetColorKey");
    ColorKeyValue = native;
    ColorKey = color;
}

template <typename Desc>
HRESULT TDDrawSurfaceOf<Desc>::SetPalette(std::shared_ptr<dd::DirectDrawPalette> palette)
{
    if (!FSurface) return dd::E_INVALIDARG;
    return FSurface->SetPalette(std::move(palette));
}

template <typename Desc>
HRESULT TDDrawSurfaceOf<Desc>::CopyBitmap(HBITMAP bitmap, int x, int y, int srcWidth, int srcHeight)
{
    if (!bitmap || !FSurface) return dd::E_INVALIDARG;
    if (HRESULT hr = FSurface->Restore(); hr != 0) return hr;
    platform::gdi::DeviceContext memory;  // compatible with the screen
    memory.selectObject(bitmap);
    if (srcWidth == 0) srcWidth = bitmap->width();
    if (srcHeight == 0) srcHeight = bitmap->height();
    Desc desc;
    if (HRESULT hr = FSurface->GetSurfaceDesc(desc); hr != 0) return hr;
    HDC dc = nullptr;
    if (HRESULT hr = FSurface->GetDC(dc); hr != 0) return hr;
    dc->stretchBlt({0, 0, int(desc.dwWidth), int(desc.dwHeight)}, memory, {x, y, x + srcWidth, y + srcHeight},
                   platform::gdi::SRCCOPY);
    return FSurface->ReleaseDC(dc);
}

template <typename Desc>
HRESULT TDDrawSurfaceOf<Desc>::Blt(const TRect* dst, TDDrawSurface* source, const TRect* src, uint32_t flags,
                                   const dd::DDBLTFX* fx)
{
    if (!FSurface) return dd::E_INVALIDARG;
    return FSurface->Blt(dst, source ? source->Surface() : nullptr, src, flags, fx);
}

template <typename Desc>
HRESULT TDDrawSurfaceOf<Desc>::BltFast(int x, int y, const TRect& src, TDDrawSurface* source, bool transparent)
{
    if (!FSurface) return dd::E_INVALIDARG;
    const uint32_t flags = dd::DDBLTFAST_WAIT | (transparent ? dd::DDBLTFAST_SRCCOLORKEY : 0);
    return FSurface->BltFast(x, y, source ? source->Surface() : nullptr, &src, flags);
}

template <typename Desc>
HRESULT TDDrawSurfaceOf<Desc>::Flip()
{
    if (!FSurface) return dd::E_INVALIDARG;
    return FSurface->Flip(nullptr, 0);
}

template <typename Desc>
bool TDDrawSurfaceOf<Desc>::PixelCollision(TDDrawSurface* other, int width, int height, const TRect& ownRect,
                                           const TRect& otherRect)
{
    if (!other) return false;
    return SoftwarePixelCollision(*this, *other, width, height, ownRect, otherRect);
}

template <typename Desc>
HRESULT TDDrawSurfaceOf<Desc>::InitGammaControl()
{
    FGammaControl.reset();
    if (!FSurface) return dd::E_INVALIDARG;
    if (HRESULT hr = FSurface->QueryInterface(dd::Iid::IDirectDrawGammaControl, FGammaControl); hr != 0) return hr;
    return FGammaControl->GetGammaRamp(0, GammaRamp);
}

template <typename Desc>
bool TDDrawSurfaceOf<Desc>::GetDC(HDC& dc)
{
    dc = nullptr;
    return FSurface && FSurface->GetDC(dc) == 0;
}

template <typename Desc>
void TDDrawSurfaceOf<Desc>::ReleaseDC(HDC dc)
{
    if (FSurface) DDCheck(FSurface->ReleaseDC(dc), "ReleaseDC");
}

template <typename Desc>
bool TDDrawSurfaceOf<Desc>::clipDraw(int x, int y, const TRect& src, TDDrawSurface* source, TRect& clipped)
{
    if (!FSurface || !source || !source->Surface()) return false;
    if (x > Width || y > Height) return false;
    if (src.right < src.left || src.bottom < src.top) return false;
    TRect dst{x, y, x + src.width(), y + src.height()};
    clipped = src;
    return ClipRects(dst, clipped, src, {0, 0, Width, Height});
}

template <typename Desc>
void TDDrawSurfaceOf<Desc>::Draw(int x, int y, const TRect& src, TDDrawSurface* source, bool transparent)
{
    TRect clipped;
    if (clipDraw(x, y, src, source, clipped)) BltFast(std::max(x, 0), std::max(y, 0), clipped, source, transparent);
}

template <typename Desc>
void TDDrawSurfaceOf<Desc>::StretchDraw(int x, int y, int width, int height, const TRect& src, TDDrawSurface* source,
                                        bool transparent)
{
    if (!FSurface || !source || !source->Surface()) return;
    if (x > Width || y > Height || width <= 0 || height <= 0) return;
    if (src.right < src.left || src.bottom < src.top) return;
    TRect dst{x, y, x + width, y + height};
    TRect s = src;
    if (!ClipStretchRects(dst, s, {0, 0, Width, Height})) return;
    dd::DDBLTFX fx;
    FSurface->Blt(&dst, source->Surface(), &s, dd::DDBLT_WAIT | (transparent ? dd::DDBLT_KEYSRC : 0), &fx);
}

template class TDDrawSurfaceOf<dd::DDSURFACEDESC>;
template class TDDrawSurfaceOf<dd::DDSURFACEDESC2>;

TDDrawSurfaceCanvas& TDDrawSurface1::GetCanvas()
{
    if (!FCanvas) FCanvas = std::make_unique<TDDrawSurfaceCanvas1>(FSurface);
    return *FCanvas;
}

void TDDrawSurface1::DrawAlpha(int x, int y, uint32_t, bool, const TRect& src, TDDrawSurface* source)
{
    TRect clipped;
    if (clipDraw(x, y, src, source, clipped)) BltFast(std::max(x, 0), std::max(y, 0), clipped, source, true);
}

TDDrawSurfaceCanvas& TDDrawSurface7::GetCanvas()
{
    if (!FCanvas) FCanvas = std::make_unique<TDDrawSurfaceCanvas7>(FSurface);
    return *FCanvas;
}

HRESULT TDDrawSurface7::AlphaBlend(int x, int y, int32_t format, uint32_t alpha, bool transparent, const TRect* src,
                                   TDDrawSurface* source)
{
    if (!FSurface || !source) return 1;
    return SoftwareAlphaBlend(*this, x, y, format, alpha, transparent, src, *source);
}

void TDDrawSurface7::DrawAlpha(int x, int y, uint32_t alpha, bool transparent, const TRect& src, TDDrawSurface* source)
{
    TRect clipped;
    if (!clipDraw(x, y, src, source, clipped)) return;
    const int px = std::max(x, 0), py = std::max(y, 0);
    if (CachedPixelFormat() == spfOther) BltFast(px, py, clipped, source, true);
    else AlphaBlend(px, py, FPixelFormat, alpha, transparent, &clipped, source);
}

void TDDrawSurface7::FillRect(int x, int y, int width, int height, TColor color)
{
    if (!FSurface || x < 0 || y < 0 || x > Width || y > Height) return;
    uint32_t value;
    if (color == FLastColor) value = FLastColorValue;
    else if (CachedPixelFormat() == spfOther) value = static_cast<uint32_t>(color);
    else value = ConvertColor(color);
    dd::DDBLTFX fx;
    fx.dwFillColor = value;
    const TRect dst{x, y, x + width, y + height};
    FSurface->Blt(&dst, nullptr, nullptr, dd::DDBLT_COLORFILL | dd::DDBLT_WAIT, &fx);
}

void TDDrawSurface7::SetPixel(int x, int y, TColor color)
{
    if (!FSurface || x < 0 || y < 0 || x >= Width || y >= Height) return;
    const TRect r{x, y, x + 1, y + 1};
    dd::DDSURFACEDESC2 desc;
    if (FSurface->Lock(&r, desc, dd::DDLOCK_WAIT) != 0) return;
    const int bits = static_cast<int>(desc.ddpfPixelFormat.dwRGBBitCount);
    uint32_t value;
    if (color == FLastColor) value = FLastColorValue;
    else if (bits == 8) value = static_cast<uint32_t>(color);
    else value = ConvertColor(color);
    auto* at = static_cast<uint8_t*>(desc.lpSurface);
    switch (bits) {
    case 8:
    case 16:
    case 24:
    case 32: platform::writePixel(at, bits / 8, value); break;
    default: break;
    }
    FLastColor = color;
    FLastColorValue = value;
    FSurface->Unlock(nullptr);
}

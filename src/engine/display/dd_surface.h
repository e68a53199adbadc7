#pragma once
// Surfaces as the engine draws on them: clipped copies (1:1, scaled,
// blended), fills, single pixels, colour keys given as TColor, bitmaps
// copied in through GDI and a canvas for text. TDDrawSurface1 and
// TDDrawSurface7 work on the version 1 and version 7 interfaces; the screen
// picks one generation for a whole run.
#include <cstdint>
#include <memory>

#include "platform/win32/ddraw/ddraw.h"
#include "platform/win32/gdi/canvas.h"
#include "platform/win32/gdi/gdi_bitmap.h"

using TRect = platform::Rect;
using TColor = int32_t;  // 00BBGGRR
using HRESULT = platform::ddraw::HRESULT;
using HDC = platform::gdi::HDC;
using HBITMAP = platform::gdi::HBITMAP;

// How a surface stores its pixels; the ordinals are stored by callers.
enum TSurfacePixelFormat : int32_t { spfRGB555 = 0, spfRGB565 = 1, spf16Bit = 2, spf24Bit = 3, spf32Bit = 4, spfOther = 5 };

class TDDrawSurface;

// The GDI canvas of a surface. Use is always bracketed: AcquireDC, draw,
// ReleaseDC; while it holds the context the surface cannot be blitted.
class TDDrawSurfaceCanvas : public platform::gdi::TCanvas {
public:
    virtual bool AcquireDC() = 0;
    virtual void ReleaseDC() = 0;

protected:
    bool acquireFrom(platform::ddraw::DirectDrawSurface* surface);
    void releaseTo(platform::ddraw::DirectDrawSurface* surface);

    HDC FDC = nullptr;
};

class TDDrawSurfaceCanvas1 final : public TDDrawSurfaceCanvas {
public:
    explicit TDDrawSurfaceCanvas1(std::shared_ptr<platform::ddraw::IDirectDrawSurface> surface);
    ~TDDrawSurfaceCanvas1() override;
    bool AcquireDC() override { return acquireFrom(FSurface.get()); }
    void ReleaseDC() override { releaseTo(FSurface.get()); }

private:
    std::shared_ptr<platform::ddraw::IDirectDrawSurface> FSurface;
};

class TDDrawSurfaceCanvas7 final : public TDDrawSurfaceCanvas {
public:
    explicit TDDrawSurfaceCanvas7(std::shared_ptr<platform::ddraw::IDirectDrawSurface7> surface);
    ~TDDrawSurfaceCanvas7() override;
    bool AcquireDC() override { return acquireFrom(FSurface.get()); }
    void ReleaseDC() override { releaseTo(FSurface.get()); }

private:
    std::shared_ptr<platform::ddraw::IDirectDrawSurface7> FSurface;
};

class TDDrawSurface {
public:
    TDDrawSurface() = default;
    virtual ~TDDrawSurface();
    TDDrawSurface(const TDDrawSurface&) = delete;
    TDDrawSurface& operator=(const TDDrawSurface&) = delete;

    int32_t Width = 0;   // set by the owner before the surface is created
    int32_t Height = 0;
    TColor ColorKey = 0;
    uint32_t ColorKeyValue = 0;  // ColorKey in the surface's own pixel form
    platform::ddraw::DDGAMMARAMP GammaRamp;

    virtual int32_t GetPixelFormat() = 0;
    virtual void ReleaseSurface() = 0;
    virtual void SetColorKey(TColor color) = 0;
    virtual HRESULT SetPalette(std::shared_ptr<platform::ddraw::DirectDrawPalette> palette) = 0;
    virtual TDDrawSurfaceCanvas& GetCanvas() = 0;
    TDDrawSurfaceCanvas& Canvas() { return GetCanvas(); }
    virtual HRESULT CopyBitmap(HBITMAP bitmap, int x, int y, int srcWidth, int srcHeight) = 0;
    // The native value GDI gives `color` (-1: none), or -1 when the surface
    // cannot be locked.
    virtual int64_t ColorMatch(TColor color) = 0;
    virtual HRESULT Blt(const TRect* dst, TDDrawSurface* source, const TRect* src, uint32_t flags,
                        const platform::ddraw::DDBLTFX* fx) = 0;
    virtual HRESULT BltFast(int x, int y, const TRect& src, TDDrawSurface* source, bool transparent) = 0;
    virtual HRESULT AlphaBlend(int x, int y, int32_t format, uint32_t alpha, bool transparent, const TRect* src,
                               TDDrawSurface* source) = 0;
    virtual HRESULT Flip() = 0;
    virtual bool PixelCollision(TDDrawSurface* other, int width, int height, const TRect& ownRect,
                                const TRect& otherRect) = 0;
    virtual HRESULT InitGammaControl() = 0;
    virtual bool GetDC(HDC& dc) = 0;
    virtual void ReleaseDC(HDC dc) = 0;
    virtual void SetPixel(int x, int y, TColor color) = 0;
    virtual void FillRect(int x, int y, int width, int height, TColor color) = 0;
    virtual void Draw(int x, int y, const TRect& src, TDDrawSurface* source, bool transparent) = 0;
    virtual void StretchDraw(int x, int y, int width, int height, const TRect& src, TDDrawSurface* source,
                             bool transparent) = 0;
    virtual void DrawAlpha(int x, int y, uint32_t alpha, bool transparent, const TRect& src, TDDrawSurface* source) = 0;

    // Clips a 1:1 copy against `clip` (destination) and `srcBounds` (source).
    static bool ClipRects(TRect& dst, TRect& src, const TRect& srcBounds, const TRect& clip);
    // Clips a scaled copy against `clip`, moving the source edges in scale.
    static bool ClipStretchRects(TRect& dst, TRect& src, const TRect& clip);
    // `color` in this surface's pixel form, by arithmetic (0 for formats
    // without a rule).
    uint32_t ConvertColor(TColor color);

    // The DirectDraw surface behind this object (none until created).
    platform::ddraw::DirectDrawSurface* Surface() const { return FSurface.get(); }
    const std::shared_ptr<platform::ddraw::DirectDrawSurface>& SurfaceRef() const { return FSurface; }
    void AttachSurface(std::shared_ptr<platform::ddraw::DirectDrawSurface> surface) { FSurface = std::move(surface); }
    // The cached pixel format class, filled on first need.
    int32_t CachedPixelFormat();

protected:
    std::unique_ptr<TDDrawSurfaceCanvas> FCanvas;
    int32_t FPixelFormat = -1;
    TColor FLastColor = 0;
    uint32_t FLastColorValue = 0;
    std::shared_ptr<platform::ddraw::DirectDrawGammaControl> FGammaControl;
    std::shared_ptr<platform::ddraw::DirectDrawSurface> FSurface;
};

// What both generations share; `Desc` is the description record they use.
template <typename Desc>
class TDDrawSurfaceOf : public TDDrawSurface {
public:
    int32_t GetPixelFormat() override;
    void ReleaseSurface() override;
    void SetColorKey(TColor color) override;
    HRESULT SetPalette(std::shared_ptr<platform::ddraw::DirectDrawPalette> palette) override;
    HRESULT CopyBitmap(HBITMAP bitmap, int x, int y, int srcWidth, int srcHeight) override;
    int64_t ColorMatch(TColor color) override;
    HRESULT Blt(const TRect* dst, TDDrawSurface* source, const TRect* src, uint32_t flags,
                const platform::ddraw::DDBLTFX* fx) override;
    HRESULT BltFast(int x, int y, const TRect& src, TDDrawSurface* source, bool transparent) override;
    HRESULT Flip() override;
    bool PixelCollision(TDDrawSurface* other, int width, int height, const TRect& ownRect,
                        const TRect& otherRect) override;
    HRESULT InitGammaControl() override;
    bool GetDC(HDC& dc) override;
    void ReleaseDC(HDC dc) override;
    void Draw(int x, int y, const TRect& src, TDDrawSurface* source, bool transparent) override;
    void StretchDraw(int x, int y, int width, int height, const TRect& src, TDDrawSurface* source,
                     bool transparent) override;

protected:
    // The tests and clipping of Draw; false when nothing is to be drawn.
    bool clipDraw(int x, int y, const TRect& src, TDDrawSurface* source, TRect& clipped);
};

class TDDrawSurface1 final : public TDDrawSurfaceOf<platform::ddraw::DDSURFACEDESC> {
public:
    TDDrawSurfaceCanvas& GetCanvas() override;
    // The version 1 interface neither blends nor writes single pixels or fills.
    HRESULT AlphaBlend(int, int, int32_t, uint32_t, bool, const TRect*, TDDrawSurface*) override { return 0; }
    void SetPixel(int, int, TColor) override {}
    void FillRect(int, int, int, int, TColor) override {}
    void DrawAlpha(int x, int y, uint32_t alpha, bool transparent, const TRect& src, TDDrawSurface* source) override;
};

class TDDrawSurface7 final : public TDDrawSurfaceOf<platform::ddraw::DDSURFACEDESC2> {
public:
    TDDrawSurfaceCanvas& GetCanvas() override;
    HRESULT AlphaBlend(int x, int y, int32_t format, uint32_t alpha, bool transparent, const TRect* src,
                       TDDrawSurface* source) override;
    void SetPixel(int x, int y, TColor color) override;
    void FillRect(int x, int y, int width, int height, TColor color) override;
    void DrawAlpha(int x, int y, uint32_t alpha, bool transparent, const TRect& src, TDDrawSurface* source) override;
};

// The software pixel routines (alpha blending and the pixel-exact overlap
// test) belong to the image code. A surface reaches them only through these
// two functions, which that code defines in engine/display/pixel_routines.cpp
// (declared in pixel_routines.h).
HRESULT SoftwareAlphaBlend(TDDrawSurface& dest, int x, int y, int32_t format, uint32_t alpha, bool transparent,
                           const TRect* src, TDDrawSurface& source);
bool SoftwarePixelCollision(TDDrawSurface& self, TDDrawSurface& other, int width, int height, const TRect& ownRect,
                            const TRect& otherRect);

// The surfaces' way into the pixel routines: lock, describe, run, unlock.
#include "engine/display/dd_surface.h"
#include "engine/display/pixel_routines.h"

namespace dd = platform::ddraw;

namespace {

pixels::LockedPixels describe(const dd::DDSURFACEDESC2& desc)
{
    return {static_cast<std::uint8_t*>(desc.lpSurface),
            desc.lPitch,
            static_cast<int>(desc.ddpfPixelFormat.dwRGBBitCount),
            desc.ddpfPixelFormat.dwRBitMask,
            desc.ddpfPixelFormat.dwGBitMask,
            desc.ddpfPixelFormat.dwBBitMask,
            desc.ddckCKSrcBlt.dwColorSpaceLowValue};
}

pixels::BlendFormat blendFormatOf(int32_t format)
{
    switch (format) {
    case spfRGB555: return pixels::BlendFormat::Rgb555;
    case spfRGB565: return pixels::BlendFormat::Rgb565;
    case spf16Bit: return pixels::BlendFormat::Other16;
    case spf24Bit: return pixels::BlendFormat::Bits24;
    case spf32Bit: return pixels::BlendFormat::Bits32;
    default: return pixels::BlendFormat::None;
    }
}

// Unlocks on every way out, so an exception inside a loop cannot leave a
// surface locked for good.
class Locked {
public:
    Locked(dd::DirectDrawSurface& surface, const TRect* rect) : surface_(surface)
    {
        ok_ = surface_.Lock(rect, desc_, dd::DDLOCK_WAIT) == 0;
    }
    ~Locked()
    {
        if (ok_) surface_.Unlock(desc_.lpSurface);
    }
    Locked(const Locked&) = delete;
    Locked& operator=(const Locked&) = delete;

    bool ok() const { return ok_; }
    const dd::DDSURFACEDESC2& desc() const { return desc_; }

private:
    dd::DirectDrawSurface& surface_;
    dd::DDSURFACEDESC2 desc_;
    bool ok_ = false;
};

}  // namespace

HRESULT SoftwareAlphaBlend(TDDrawSurface& dest, int x, int y, int32_t format, uint32_t alpha, bool transparent,
                           const TRect* src, TDDrawSurface& source)
{
    dd::DirectDrawSurface* target = dest.Surface();
    dd::DirectDrawSurface* from = source.Surface();
    if (!target || !from || target->IsLost() != 0) return 1;
    int width, height;
    if (src) {
        width = src->right - src->left;
        height = src->bottom - src->top;
    } else {
        dd::DDSURFACEDESC2 desc;
        if (HRESULT hr = from->GetSurfaceDesc(desc); hr != 0) return hr;
        width = static_cast<int>(desc.dwWidth);
        height = static_cast<int>(desc.dwHeight);
    }
    const TRect destRect{x, y, x + width, y + height};
    // The destination is locked first and released last.
    Locked to(*target, &destRect);
    if (!to.ok()) return 1;
    Locked in(*from, src);
    if (!in.ok()) return 1;
    pixels::BlendRows(blendFormatOf(format), describe(to.desc()), describe(in.desc()), width, height, alpha,
                      transparent, source.ColorKeyValue);
    return 0;
}

bool SoftwarePixelCollision(TDDrawSurface& self, TDDrawSurface& other, int width, int height, const TRect& ownRect,
                            const TRect& otherRect)
{
    if (width <= 0 || height <= 0 || !self.Surface() || !other.Surface()) return false;
    if (&self == &other) {
        Locked whole(*self.Surface(), nullptr);
        if (!whole.ok()) return false;
        const pixels::LockedPixels area = describe(whole.desc());
        // Both areas must lie inside the one surface, whatever the caller's
        // pattern indices were.
        const auto inside = [&](const TRect& r) {
            return r.left >= 0 && r.top >= 0 && r.left + width <= static_cast<int>(whole.desc().dwWidth) &&
                   r.top + height <= static_cast<int>(whole.desc().dwHeight);
        };
        if (!inside(ownRect) || !inside(otherRect)) return false;
        return pixels::CollideInOneSurface(area, ownRect.left, ownRect.top, otherRect.left, otherRect.top, width,
                                           height);
    }
    const TRect ownArea{ownRect.left, ownRect.top, ownRect.left + width, ownRect.top + height};
    const TRect otherArea{otherRect.left, otherRect.top, otherRect.left + width, otherRect.top + height};
    Locked mine(*self.Surface(), &ownArea);
    if (!mine.ok()) return false;
    Locked theirs(*other.Surface(), &otherArea);
    if (!theirs.ok()) return false;
    return pixels::CollideAcrossSurfaces(describe(mine.desc()), describe(theirs.desc()), width, height);
}

#include "platform/win32/ddraw/ddraw_surface.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "platform/win32/ddraw/ddraw_device.h"
#include "platform/win32/ddraw/same_bytes.h"

#include "platform/win32/bitmap/keyed_runs.h"

namespace platform::ddraw {

DDPIXELFORMAT describe(const SurfaceFormat& format)
{
    DDPIXELFORMAT pf;
    pf.dwFlags = format.layout == PixelLayout::Indexed8 ? (DDPF_RGB | DDPF_PALETTEINDEXED8) : DDPF_RGB;
    pf.dwRGBBitCount = static_cast<uint32_t>(format.bitsPerPixel);
    pf.dwRBitMask = format.redMask;
    pf.dwGBitMask = format.greenMask;
    pf.dwBBitMask = format.blueMask;
    return pf;
}

// Opaque runs of this surface as a keyed source. Built only once the pixels
// have stayed the same for two keyed copies, so a surface that is drawn on
// between copies never pays for a scan it cannot reuse.
struct DirectDrawSurface::RunCache {
    TKeyedRuns runs;
    uint64_t builtVersion = 0;
    uint64_t seenVersion = ~uint64_t{0};
};
namespace {

bool inside(const Rect& r, int width, int height)
{
    return r.left >= 0 && r.top >= 0 && r.right <= width && r.bottom <= height && r.left < r.right && r.top < r.bottom;
}

// Clips `d` to (0, 0, width, height), moving `s` along in proportion.
void clipProportional(Rect& d, Rect& s, int width, int height)
{
    const int64_t dw = d.width(), dh = d.height(), sw = s.width(), sh = s.height();
    if (dw <= 0 || dh <= 0) return;
    const Rect d0 = d;
    if (d.left < 0) { s.left += static_cast<int>((0 - int64_t(d0.left)) * sw / dw); d.left = 0; }
    if (d.top < 0) { s.top += static_cast<int>((0 - int64_t(d0.top)) * sh / dh); d.top = 0; }
    if (d.right > width) { s.right -= static_cast<int>((int64_t(d0.right) - width) * sw / dw); d.right = width; }
    if (d.bottom > height) { s.bottom -= static_cast<int>((int64_t(d0.bottom) - height) * sh / dh); d.bottom = height; }
}

}  // namespace

DirectDrawSurface::DirectDrawSurface(std::shared_ptr<DisplayDevice> device, int width, int height, uint32_t caps)
    : device_(std::move(device)), width_(width), height_(height), caps_(caps), format_(device_->format()),
      pitch_((width * format_.bytesPerPixel() + 3) & ~3)
{
    pixels_.assign(static_cast<std::size_t>(pitch_) * static_cast<std::size_t>(height_), 0);
}

DirectDrawSurface::~DirectDrawSurface() = default;

PixelArea DirectDrawSurface::area() { return {pixels_.data(), pitch_, format_.bytesPerPixel()}; }

HRESULT DirectDrawSurface::usable() const
{
    if (lost_) return DDERR_SURFACELOST;
    if (dc_ || locks_ > 0) return DDERR_SURFACEBUSY;
    return DD_OK;
}

const uint32_t* DirectDrawSurface::paletteColors() const
{
    if (palette_) return palette_->colors();
    return device_->primaryPalette();
}

const uint32_t* DirectDrawSurface::ownPalette() const { return palette_ ? palette_->colors() : nullptr; }

void DirectDrawSurface::touch()
{
    ++version_;
    sameAsPresented_ = false;
}

HRESULT DirectDrawSurface::finishPrimaryBlit(bool changed)
{
    if (changed) touch();
    if (!isPrimary()) return DD_OK;
    device_->present(*this);
    sameAsPresented_ = true;
    return DD_OK;
}

bool DirectDrawSurface::copyChangesNothing(int x, int y, DirectDrawSurface& source, const Rect& src)
{
    if (!isPrimary() || &source == this) return false;
    return sameArea(area(), x, y, source.area(), src);
}

bool DirectDrawSurface::copyKeyedFromRuns(const PixelArea& to, int x, int y, const Rect& src, uint32_t key)
{
    if (!runs_) runs_ = std::make_unique<RunCache>();
    RunCache& cache = *runs_;
    const bool current = cache.runs.Built() && cache.builtVersion == version_ && cache.runs.Key() == key;
    if (!current) {
        if (cache.seenVersion != version_) {
            cache.seenVersion = version_;
            return false;
        }
        cache.runs.Build(pixels_.data(), pitch_, width_, height_, format_.bytesPerPixel(), key);
        cache.builtVersion = version_;
        if (!cache.runs.Built()) return false;
    }
    cache.runs.Copy(pixels_.data(), pitch_, src.left, src.top, src.width(), src.height(),
                    to.pixels + static_cast<std::ptrdiff_t>(y) * to.pitch + static_cast<std::ptrdiff_t>(x) * to.bytesPerPixel,
                    to.pitch);
    return true;
}

HRESULT DirectDrawSurface::Blt(const RECT* dst, DirectDrawSurface* source, const RECT* src, uint32_t flags,
                               const DDBLTFX* fx)
{
    if (HRESULT hr = usable(); failed(hr)) return hr;
    if (isPrimary() && device_->takeBusyPresent()) return DDERR_WASSTILLDRAWING;
    Rect d = dst ? *dst : Rect{0, 0, width_, height_};
    // A windowed primary is addressed in desktop coordinates through its clipper.
    const bool clipped = clipper_ != nullptr;
    if (clipped && clipper_->window() && isPrimary()) {
        const Rect client = clipper_->window()->clientRect();
        d = {d.left - client.left, d.top - client.top, d.right - client.left, d.bottom - client.top};
    }

    if (flags & DDBLT_COLORFILL) {
        if (!fx) return DDERR_INVALIDPARAMS;
        if (clipped) {
            d = {std::max(d.left, 0), std::max(d.top, 0), std::min(d.right, width_), std::min(d.bottom, height_)};
            if (d.left >= d.right || d.top >= d.bottom) return DD_OK;
        }
        if (!inside(d, width_, height_)) return DDERR_INVALIDRECT;
        if (device_->drawsPixels()) fillArea(area(), d, fx->dwFillColor);
        return finishPrimaryBlit();
    }

    if (!source) return DDERR_INVALIDPARAMS;
    if (source != this)
        if (HRESULT hr = source->usable(); failed(hr)) return hr;
    if (source->format_.bytesPerPixel() != format_.bytesPerPixel()) return DDERR_INVALIDPIXELFORMAT;
    Rect s = src ? *src : Rect{0, 0, source->width_, source->height_};
    if (!inside(s, source->width_, source->height_)) return DDERR_INVALIDRECT;
    if (clipped) {
        clipProportional(d, s, width_, height_);
        if (d.left >= d.right || d.top >= d.bottom || s.left >= s.right || s.top >= s.bottom) return DD_OK;
    }
    if (!inside(d, width_, height_)) return DDERR_INVALIDRECT;
    if (!device_->drawsPixels()) return finishPrimaryBlit();

    std::optional<uint32_t> key;
    if ((flags & DDBLT_KEYSRC) && source->colorKey_) key = source->colorKey_->dwColorSpaceLowValue;
    if (d.width() == s.width() && d.height() == s.height()) {
        if (!key && copyChangesNothing(d.left, d.top, *source, s)) return finishPrimaryBlit(false);
        if (!key || source == this || !source->copyKeyedFromRuns(area(), d.left, d.top, s, *key))
            copyArea(area(), d.left, d.top, source->area(), s, key);
    } else if (source == this) {
        // Scaling within one surface reads from a copy of the source.
        std::vector<uint8_t> copy = pixels_;
        stretchArea(area(), d, {copy.data(), pitch_, format_.bytesPerPixel()}, s, key);
    } else {
        stretchArea(area(), d, source->area(), s, key);
    }
    return finishPrimaryBlit();
}

HRESULT DirectDrawSurface::BltFast(int x, int y, DirectDrawSurface* source, const RECT* src, uint32_t flags)
{
    if (HRESULT hr = usable(); failed(hr)) return hr;
    if (!source) return DDERR_INVALIDPARAMS;
    if (source != this)
        if (HRESULT hr = source->usable(); failed(hr)) return hr;
    if (source->format_.bytesPerPixel() != format_.bytesPerPixel()) return DDERR_INVALIDPIXELFORMAT;
    const Rect s = src ? *src : Rect{0, 0, source->width_, source->height_};
    if (!inside(s, source->width_, source->height_)) return DDERR_INVALIDRECT;
    const Rect d{x, y, x + s.width(), y + s.height()};
    if (!inside(d, width_, height_)) return DDERR_INVALIDRECT;
    if (isPrimary() && device_->takeBusyPresent()) return DDERR_WASSTILLDRAWING;
    if (!device_->drawsPixels()) return finishPrimaryBlit();
    std::optional<uint32_t> key;
    if ((flags & DDBLTFAST_SRCCOLORKEY) && source->colorKey_) key = source->colorKey_->dwColorSpaceLowValue;
    if (!key && copyChangesNothing(x, y, *source, s)) return finishPrimaryBlit(false);
    if (!key || source == this || !source->copyKeyedFromRuns(area(), x, y, s, *key))
        copyArea(area(), x, y, source->area(), s, key);
    return finishPrimaryBlit();
}

HRESULT DirectDrawSurface::Flip(DirectDrawSurface* override, uint32_t)
{
    if (HRESULT hr = usable(); failed(hr)) return hr;
    if (!(caps_ & DDSCAPS_FLIP) || !backBuffer_) return DDERR_NOTFLIPPABLE;
    if (override && override != backBuffer_.get()) return DDERR_INVALIDPARAMS;
    if (HRESULT hr = backBuffer_->usable(); failed(hr)) return hr;
    if (device_->takeBusyPresent()) return DDERR_WASSTILLDRAWING;
    const bool changed = pixels_.size() != backBuffer_->pixels_.size() ||
                         !sameBytes(pixels_.data(), backBuffer_->pixels_.data(), pixels_.size());
    std::swap(pixels_, backBuffer_->pixels_);
    if (changed) touch();
    else ++version_;
    backBuffer_->touch();
    device_->present(*this);
    sameAsPresented_ = true;
    return DD_OK;
}

HRESULT DirectDrawSurface::GetAttachedSurface(const DDSCAPS& caps, std::shared_ptr<DirectDrawSurface>& out)
{
    out.reset();
    if (!(caps.dwCaps & DDSCAPS_BACKBUFFER) || !backBuffer_) return DDERR_NOTFOUND;
    out = backBuffer_;
    return DD_OK;
}

HRESULT DirectDrawSurface::GetAttachedSurface(const DDSCAPS2& caps, std::shared_ptr<DirectDrawSurface>& out)
{
    return GetAttachedSurface(DDSCAPS{caps.dwCaps}, out);
}

void DirectDrawSurface::attachBackBuffer(std::shared_ptr<DirectDrawSurface> back) { backBuffer_ = std::move(back); }

template <typename Desc>
void DirectDrawSurface::describeInto(Desc& desc) const
{
    const uint32_t size = desc.dwSize;
    desc = Desc{};
    desc.dwSize = size;
    desc.dwFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT | DDSD_PITCH | DDSD_PIXELFORMAT;
    desc.dwWidth = static_cast<uint32_t>(width_);
    desc.dwHeight = static_cast<uint32_t>(height_);
    desc.lPitch = pitch_;
    desc.ddpfPixelFormat = describe(format_);
    desc.ddsCaps.dwCaps = caps_;
    if (backBuffer_) {
        desc.dwFlags |= DDSD_BACKBUFFERCOUNT;
        desc.dwBackBufferCount = 1;
    }
    if (colorKey_) {
        desc.dwFlags |= DDSD_CKSRCBLT;
        desc.ddckCKSrcBlt = *colorKey_;
    }
}

HRESULT DirectDrawSurface::GetSurfaceDesc(DDSURFACEDESC& desc) const
{
    if (desc.dwSize != sizeof(DDSURFACEDESC) && desc.dwSize != 108) return DDERR_INVALIDPARAMS;
    describeInto(desc);
    return DD_OK;
}

HRESULT DirectDrawSurface::GetSurfaceDesc(DDSURFACEDESC2& desc) const
{
    if (desc.dwSize != sizeof(DDSURFACEDESC2) && desc.dwSize != 124) return DDERR_INVALIDPARAMS;
    describeInto(desc);
    return DD_OK;
}

HRESULT DirectDrawSurface::GetPixelFormat(DDPIXELFORMAT& format) const
{
    format = describe(format_);
    return DD_OK;
}

template <typename Desc>
HRESULT DirectDrawSurface::lockInto(const RECT* rect, Desc& desc)
{
    if (lost_) return DDERR_SURFACELOST;
    if (dc_) return DDERR_SURFACEBUSY;
    const Rect r = rect ? *rect : Rect{0, 0, width_, height_};
    if (!inside(r, width_, height_)) return DDERR_INVALIDRECT;
    describeInto(desc);
    desc.dwFlags |= DDSD_LPSURFACE;
    desc.lpSurface = pixels_.data() + static_cast<std::ptrdiff_t>(r.top) * pitch_ +
                     static_cast<std::ptrdiff_t>(r.left) * format_.bytesPerPixel();
    ++locks_;
    touch();
    return DD_OK;
}

HRESULT DirectDrawSurface::Lock(const RECT* rect, DDSURFACEDESC& desc, uint32_t) { return lockInto(rect, desc); }
HRESULT DirectDrawSurface::Lock(const RECT* rect, DDSURFACEDESC2& desc, uint32_t) { return lockInto(rect, desc); }

HRESULT DirectDrawSurface::Unlock(const void*)
{
    if (locks_ == 0) return DDERR_NOTLOCKED;
    --locks_;
    return DD_OK;
}

HRESULT DirectDrawSurface::GetDC(gdi::HDC& dc)
{
    dc = nullptr;
    if (lost_) return DDERR_SURFACELOST;
    if (dc_) return DDERR_DCALREADYCREATED;
    if (locks_ > 0) return DDERR_SURFACEBUSY;
    if (format_.layout == PixelLayout::Indexed8 && !paletteColors()) return DDERR_CANTCREATEDC;
    gdi::PixelTarget target{pixels_.data(), width_, height_, pitch_, format_, paletteColors()};
    dc_ = std::make_unique<gdi::DeviceContext>(target, &device_->fonts());
    dc = dc_.get();
    touch();
    return DD_OK;
}

HRESULT DirectDrawSurface::ReleaseDC(gdi::HDC dc)
{
    if (!dc_) return DDERR_NODC;
    if (dc != dc_.get()) return DDERR_INVALIDPARAMS;
    dc_.reset();
    return DD_OK;
}

HRESULT DirectDrawSurface::SetColorKey(uint32_t flags, const DDCOLORKEY* key)
{
    if (!(flags & DDCKEY_SRCBLT)) return DDERR_UNSUPPORTED;
    if (key) colorKey_ = *key;
    else colorKey_.reset();
    return DD_OK;
}

HRESULT DirectDrawSurface::GetColorKey(uint32_t flags, DDCOLORKEY& key) const
{
    if (!(flags & DDCKEY_SRCBLT)) return DDERR_UNSUPPORTED;
    if (!colorKey_) return DDERR_NOCOLORKEY;
    key = *colorKey_;
    return DD_OK;
}

HRESULT DirectDrawSurface::SetPalette(std::shared_ptr<DirectDrawPalette> palette)
{
    if (format_.layout != PixelLayout::Indexed8) return DDERR_NOTPALETTIZED;
    palette_ = std::move(palette);
    return DD_OK;
}

HRESULT DirectDrawSurface::SetClipper(std::shared_ptr<DirectDrawClipper> clipper)
{
    clipper_ = std::move(clipper);
    return DD_OK;
}

HRESULT DirectDrawSurface::GetClipper(std::shared_ptr<DirectDrawClipper>& clipper) const
{
    clipper = clipper_;
    return clipper_ ? DD_OK : DDERR_NOCLIPPERATTACHED;
}

HRESULT DirectDrawSurface::IsLost() const { return lost_ ? DDERR_SURFACELOST : DD_OK; }

void DirectDrawSurface::markLost()
{
    lost_ = true;
    touch();
}

HRESULT DirectDrawSurface::Restore()
{
    if (!lost_) return DD_OK;
    if (device_->displayLost()) return DDERR_NOEXCLUSIVEMODE;
    if (device_->format() != format_) return DDERR_WRONGMODE;
    if (isPrimary() && device_->exclusive() && (device_->modeWidth() != width_ || device_->modeHeight() != height_))
        return DDERR_WRONGMODE;
    // The memory came back, its contents did not.
    std::fill(pixels_.begin(), pixels_.end(), uint8_t{0});
    lost_ = false;
    touch();
    if (backBuffer_) return backBuffer_->Restore();
    return DD_OK;
}

HRESULT DirectDrawSurface::QueryInterface(Iid iid, std::shared_ptr<DirectDrawGammaControl>& out)
{
    out.reset();
    if (iid != Iid::IDirectDrawGammaControl || !isPrimary()) return E_NOINTERFACE;
    out = std::make_shared<DirectDrawGammaControl>(device_->gammaRamp());
    return DD_OK;
}

FrameView DirectDrawSurface::frameView() const
{
    FrameView v;
    v.pixels = pixels_.data();
    v.width = width_;
    v.height = height_;
    v.pitch = pitch_;
    v.layout = format_.layout;
    v.palette = paletteColors();
    v.unchanged = sameAsPresented_;
    return v;
}

}  // namespace platform::ddraw

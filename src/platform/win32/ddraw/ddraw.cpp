#include "platform/win32/ddraw/ddraw.h"

#include <algorithm>
#include <limits>

namespace platform::ddraw {
namespace {
// No picture of the game comes near this; it keeps a bad size from turning
// into a huge allocation.
constexpr int kMaxSide = 16384;
}  // namespace

HRESULT IDirectDraw::QueryInterface(Iid iid, std::shared_ptr<IDirectDraw7>& out)
{
    out.reset();
    if (iid != Iid::IDirectDraw7 || !device_->options().offerVersion7) return E_NOINTERFACE;
    out = std::make_shared<IDirectDraw7>(device_);
    return DD_OK;
}

HRESULT IDirectDraw::SetCooperativeLevel(Window* window, uint32_t flags)
{
    return device_->setCooperativeLevel(window, flags);
}

HRESULT IDirectDraw::SetDisplayMode(int width, int height, int bitsPerPixel)
{
    return device_->setDisplayMode(width, height, bitsPerPixel);
}

HRESULT IDirectDraw::RestoreDisplayMode()
{
    device_->restoreDisplayMode();
    return DD_OK;
}

HRESULT IDirectDraw::EnumDisplayModes(uint32_t, const DDSURFACEDESC* filter, const EnumModesCallback& callback)
{
    if (!callback) return DDERR_INVALIDPARAMS;
    auto modes = device_->backend().video().displayModes();
    std::vector<DisplayModeInfo> seen;
    for (const auto& m : modes) {
        if (std::find(seen.begin(), seen.end(), m) != seen.end()) continue;
        seen.push_back(m);
        if (filter && (filter->dwFlags & DDSD_WIDTH) && filter->dwWidth != uint32_t(m.width)) continue;
        if (filter && (filter->dwFlags & DDSD_HEIGHT) && filter->dwHeight != uint32_t(m.height)) continue;
        DDSURFACEDESC d;
        d.dwFlags = DDSD_WIDTH | DDSD_HEIGHT | DDSD_PIXELFORMAT | DDSD_PITCH;
        d.dwWidth = static_cast<uint32_t>(m.width);
        d.dwHeight = static_cast<uint32_t>(m.height);
        d.dwRefreshRate = static_cast<uint32_t>(m.refreshRate);
        d.ddpfPixelFormat = describe(formatForBits(m.bitsPerPixel));
        d.ddpfPixelFormat.dwRGBBitCount = static_cast<uint32_t>(m.bitsPerPixel);
        d.lPitch = m.width * ((m.bitsPerPixel + 7) / 8);
        if (callback(d) == DDENUMRET_CANCEL) break;
    }
    return DD_OK;
}

HRESULT IDirectDraw::createSurface(uint32_t flags, uint32_t caps, int width, int height, uint32_t backBuffers,
                                   std::shared_ptr<DirectDrawSurface>& out)
{
    out.reset();
    DisplayDevice& dev = *device_;
    if (!dev.cooperativeLevelSet()) return DDERR_NOCOOPERATIVELEVELSET;
    if (!(flags & DDSD_CAPS)) caps = DDSCAPS_OFFSCREENPLAIN;

    if (caps & DDSCAPS_PRIMARYSURFACE) {
        if (flags & (DDSD_WIDTH | DDSD_HEIGHT)) return DDERR_INVALIDPARAMS;
        if (dev.primaryExists()) return DDERR_PRIMARYSURFACEALREADYEXISTS;
        const bool chain = caps & DDSCAPS_FLIP;
        if (chain && (!dev.exclusive() || !(caps & DDSCAPS_COMPLEX) || !(flags & DDSD_BACKBUFFERCOUNT) || backBuffers < 1))
            return dev.exclusive() ? DDERR_INVALIDCAPS : DDERR_NOEXCLUSIVEMODE;
        if (dev.exclusive() && dev.modeWidth() > 0) {
            width = dev.modeWidth();
            height = dev.modeHeight();
        } else if (dev.window()) {
            const Rect client = dev.window()->clientRect();
            width = client.width();
            height = client.height();
        } else {
            const DisplayModeInfo desk = dev.backend().video().desktopMode();
            width = desk.width;
            height = desk.height;
        }
        if (width <= 0 || height <= 0) return DDERR_INVALIDPARAMS;
        const std::size_t bytes = std::size_t(width) * height * 4 * (chain ? 2 : 1);
        if (dev.memoryInUse() + bytes > dev.options().videoMemoryBytes) return DDERR_OUTOFVIDEOMEMORY;
        auto primary = std::make_shared<DirectDrawSurface>(device_, width, height, caps | DDSCAPS_FRONTBUFFER);
        dev.track(primary);
        dev.setPrimary(primary);
        if (chain) {
            auto back = std::make_shared<DirectDrawSurface>(device_, width, height,
                                                            (caps & ~(DDSCAPS_PRIMARYSURFACE)) | DDSCAPS_BACKBUFFER);
            dev.track(back);
            primary->attachBackBuffer(back);
        }
        out = std::move(primary);
        return DD_OK;
    }

    if (!(flags & DDSD_WIDTH) || !(flags & DDSD_HEIGHT) || width <= 0 || height <= 0) return DDERR_INVALIDPARAMS;
    if (width > kMaxSide || height > kMaxSide) return DDERR_TOOBIGSIZE;
    const std::size_t bytes = std::size_t(width) * height * std::size_t(dev.format().bytesPerPixel());
    if (dev.memoryInUse() + bytes > dev.options().videoMemoryBytes) return DDERR_OUTOFVIDEOMEMORY;
    auto surface = std::make_shared<DirectDrawSurface>(device_, width, height, caps);
    dev.track(surface);
    out = std::move(surface);
    return DD_OK;
}

HRESULT IDirectDraw::CreateSurface(const DDSURFACEDESC& desc, std::shared_ptr<DirectDrawSurface>& out)
{
    if (desc.dwSize != 108 && desc.dwSize != sizeof(DDSURFACEDESC)) return DDERR_INVALIDPARAMS;
    return createSurface(desc.dwFlags, desc.ddsCaps.dwCaps, static_cast<int>(std::min<uint32_t>(desc.dwWidth, INT32_MAX)),
                         static_cast<int>(std::min<uint32_t>(desc.dwHeight, INT32_MAX)), desc.dwBackBufferCount, out);
}

HRESULT IDirectDraw::CreateClipper(uint32_t flags, std::shared_ptr<DirectDrawClipper>& out)
{
    out.reset();
    if (flags != 0) return DDERR_INVALIDPARAMS;
    out = std::make_shared<DirectDrawClipper>();
    return DD_OK;
}

HRESULT IDirectDraw::CreatePalette(uint32_t flags, const PALETTEENTRY* entries, std::shared_ptr<DirectDrawPalette>& out)
{
    out.reset();
    if (!(flags & DDPCAPS_8BIT) || !entries) return DDERR_INVALIDPARAMS;
    auto palette = std::make_shared<DirectDrawPalette>();
    palette->SetEntries(0, 0, 256, entries);
    out = std::move(palette);
    return DD_OK;
}

HRESULT IDirectDraw::FlipToGDISurface() { return DD_OK; }

HRESULT IDirectDraw::WaitForVerticalBlank(uint32_t flags)
{
    return flags == DDWAITVB_BLOCKBEGIN || flags == 4 /* BLOCKEND */ ? DD_OK : DDERR_INVALIDPARAMS;
}

HRESULT IDirectDraw::GetCaps(DDCAPS* driverCaps, DDCAPS* emulationCaps)
{
    if (!driverCaps && !emulationCaps) return DDERR_INVALIDPARAMS;
    const std::size_t total = device_->options().videoMemoryBytes;
    const std::size_t used = std::min(total, device_->memoryInUse());
    for (DDCAPS* caps : {driverCaps, emulationCaps}) {
        if (!caps) continue;
        const uint32_t size = caps->dwSize;
        *caps = DDCAPS{};
        caps->dwSize = size;
        caps->dwVidMemTotal = static_cast<uint32_t>(std::min<std::size_t>(total, UINT32_MAX));
        caps->dwVidMemFree = static_cast<uint32_t>(std::min<std::size_t>(total - used, UINT32_MAX));
    }
    if (driverCaps && device_->options().primaryGamma) driverCaps->dwCaps2 |= DDCAPS2_PRIMARYGAMMA;
    return DD_OK;
}

HRESULT IDirectDraw7::CreateSurface(const DDSURFACEDESC2& desc, std::shared_ptr<DirectDrawSurface>& out)
{
    if (desc.dwSize != 124 && desc.dwSize != sizeof(DDSURFACEDESC2)) return DDERR_INVALIDPARAMS;
    return createSurface(desc.dwFlags, desc.ddsCaps.dwCaps, static_cast<int>(std::min<uint32_t>(desc.dwWidth, INT32_MAX)),
                         static_cast<int>(std::min<uint32_t>(desc.dwHeight, INT32_MAX)), desc.dwBackBufferCount, out);
}

HRESULT IDirectDraw7::SetDisplayMode(int width, int height, int bitsPerPixel, int, uint32_t)
{
    return device_->setDisplayMode(width, height, bitsPerPixel);
}

HRESULT IDirectDraw7::RestoreAllSurfaces() { return device_->restoreAll(); }

HRESULT IDirectDraw7::GetAvailableVidMem(const DDSCAPS2&, uint32_t* total, uint32_t* free)
{
    if (!total && !free) return DDERR_INVALIDPARAMS;
    const std::size_t all = device_->options().videoMemoryBytes;
    const std::size_t used = std::min(all, device_->memoryInUse());
    if (total) *total = static_cast<uint32_t>(std::min<std::size_t>(all, UINT32_MAX));
    if (free) *free = static_cast<uint32_t>(std::min<std::size_t>(all - used, UINT32_MAX));
    return DD_OK;
}

HRESULT DirectDrawDriver::DirectDrawCreate(std::shared_ptr<IDirectDraw>& out)
{
    out.reset();
    if (!options_->available) return DDERR_NODIRECTDRAWSUPPORT;
    out = std::make_shared<IDirectDraw>(std::make_shared<DisplayDevice>(app_, options_));
    return DD_OK;
}

HRESULT DirectDrawDriver::DirectDrawCreateEx(Iid iid, std::shared_ptr<IDirectDraw7>& out)
{
    out.reset();
    if (!options_->available) return DDERR_NODIRECTDRAWSUPPORT;
    if (iid != Iid::IDirectDraw7 || !options_->offerVersion7) return E_NOINTERFACE;
    out = std::make_shared<IDirectDraw7>(std::make_shared<DisplayDevice>(app_, options_));
    return DD_OK;
}

}  // namespace platform::ddraw

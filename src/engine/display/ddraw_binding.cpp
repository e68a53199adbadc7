#include "engine/display/ddraw_binding.h"

#include "engine/display/dd_check.h"

namespace dd = platform::ddraw;

namespace {

constexpr HRESULT kNoObject = dd::DDERR_NOTINITIALIZED;

// The steps both generations take; they differ in the record they fill.
template <typename Desc, typename Interface>
HRESULT createWindowed(Interface& ddraw, TDDrawSurface& primary, TDDrawSurface& back, platform::Form& form)
{
    std::shared_ptr<dd::DirectDrawSurface> surface;
    Desc desc;
    desc.dwFlags = dd::DDSD_CAPS;
    desc.ddsCaps.dwCaps = dd::DDSCAPS_PRIMARYSURFACE;
    if (HRESULT hr = ddraw.CreateSurface(desc, surface); hr != 0) return hr;
    primary.AttachSurface(surface);

    Desc backDesc;
    backDesc.dwFlags = dd::DDSD_CAPS | dd::DDSD_WIDTH | dd::DDSD_HEIGHT;
    backDesc.ddsCaps.dwCaps = dd::DDSCAPS_OFFSCREENPLAIN | dd::DDSCAPS_3DDEVICE;
    backDesc.dwWidth = static_cast<uint32_t>(back.Width);
    backDesc.dwHeight = static_cast<uint32_t>(back.Height);
    std::shared_ptr<dd::DirectDrawSurface> backSurface;
    if (HRESULT hr = ddraw.CreateSurface(backDesc, backSurface); hr != 0) return hr;
    back.AttachSurface(backSurface);

    std::shared_ptr<dd::DirectDrawClipper> clipper;
    if (HRESULT hr = ddraw.CreateClipper(0, clipper); hr != 0) return hr;
    if (HRESULT hr = clipper->SetHWnd(0, &form.window()); hr != 0) return hr;
    return primary.Surface()->SetClipper(std::move(clipper));
}

template <typename Desc, typename Caps, typename Interface>
HRESULT createFullScreen(Interface& ddraw, TDDrawSurface& primary, TDDrawSurface& back)
{
    Desc desc;
    desc.dwFlags = dd::DDSD_CAPS | dd::DDSD_BACKBUFFERCOUNT;
    desc.dwBackBufferCount = 1;
    desc.ddsCaps.dwCaps = dd::DDSCAPS_PRIMARYSURFACE | dd::DDSCAPS_FLIP | dd::DDSCAPS_COMPLEX | dd::DDSCAPS_3DDEVICE;
    std::shared_ptr<dd::DirectDrawSurface> surface;
    if (HRESULT hr = ddraw.CreateSurface(desc, surface); hr != 0) return hr;
    primary.AttachSurface(surface);
    Caps caps;
    caps.dwCaps = dd::DDSCAPS_BACKBUFFER;
    std::shared_ptr<dd::DirectDrawSurface> backSurface;
    const HRESULT hr = surface->GetAttachedSurface(caps, backSurface);
    back.AttachSurface(backSurface);
    return hr;
}

template <typename Desc, typename Interface>
HRESULT createOffscreen(Interface& ddraw, TDDrawSurface& surface)
{
    Desc desc;
    desc.dwFlags = dd::DDSD_CAPS | dd::DDSD_WIDTH | dd::DDSD_HEIGHT;
    desc.ddsCaps.dwCaps = dd::DDSCAPS_OFFSCREENPLAIN;
    desc.dwWidth = static_cast<uint32_t>(surface.Width);
    desc.dwHeight = static_cast<uint32_t>(surface.Height);
    std::shared_ptr<dd::DirectDrawSurface> created;
    if (HRESULT hr = ddraw.CreateSurface(desc, created); hr != 0) return hr;
    surface.AttachSurface(created);
    Desc readBack;
    created->GetSurfaceDesc(readBack);  // result ignored, as before
    return 0;
}

bool hasPrimaryGamma(dd::IDirectDraw& ddraw)
{
    dd::DDCAPS caps;
    return ddraw.GetCaps(&caps, nullptr) == 0 && (caps.dwCaps2 & dd::DDCAPS2_PRIMARYGAMMA);
}

}  // namespace

// Version 1.

TDDraw1::TDDraw1(dd::DirectDrawDriver& driver) { DDCheck(driver.DirectDrawCreate(FDirectDraw), "DDraw Create"); }

HRESULT TDDraw1::FlipToGDISurface() { return FDirectDraw ? FDirectDraw->FlipToGDISurface() : kNoObject; }

HRESULT TDDraw1::SetCooperativeLevel(platform::Window* window, uint32_t flags)
{
    return FDirectDraw ? FDirectDraw->SetCooperativeLevel(window, flags) : kNoObject;
}

HRESULT TDDraw1::SetDisplayMode(int width, int height, int bits)
{
    return FDirectDraw ? FDirectDraw->SetDisplayMode(width, height, bits) : kNoObject;
}

HRESULT TDDraw1::WaitForVerticalBlank()
{
    return FDirectDraw ? FDirectDraw->WaitForVerticalBlank(dd::DDWAITVB_BLOCKBEGIN) : kNoObject;
}

HRESULT TDDraw1::CreateClipper(std::shared_ptr<dd::DirectDrawClipper>& clipper)
{
    clipper.reset();
    return FDirectDraw ? FDirectDraw->CreateClipper(0, clipper) : kNoObject;
}

HRESULT TDDraw1::CreatePalette(const dd::PALETTEENTRY* entries, std::shared_ptr<dd::DirectDrawPalette>& palette)
{
    palette.reset();
    return FDirectDraw ? FDirectDraw->CreatePalette(dd::DDPCAPS_8BIT | dd::DDPCAPS_ALLOW256, entries, palette)
                       : kNoObject;
}

HRESULT TDDraw1::CreateWindowedSurfaces(TDDrawSurface& primary, TDDrawSurface& back, platform::Form& form)
{
    return FDirectDraw ? createWindowed<dd::DDSURFACEDESC>(*FDirectDraw, primary, back, form) : kNoObject;
}

HRESULT TDDraw1::CreateFullScreenSurfaces(TDDrawSurface& primary, TDDrawSurface& back)
{
    return FDirectDraw ? createFullScreen<dd::DDSURFACEDESC, dd::DDSCAPS>(*FDirectDraw, primary, back) : kNoObject;
}

HRESULT TDDraw1::CreateOffscreenSurface(TDDrawSurface& surface)
{
    return FDirectDraw ? createOffscreen<dd::DDSURFACEDESC>(*FDirectDraw, surface) : kNoObject;
}

bool TDDraw1::HasPrimaryGamma() { return FDirectDraw && hasPrimaryGamma(*FDirectDraw); }

// Version 7.

TDDraw7::TDDraw7(dd::DirectDrawDriver& driver)
{
    DDCheck(driver.DirectDrawCreateEx(dd::Iid::IDirectDraw7, FDirectDraw), "DDraw Create");
}

HRESULT TDDraw7::FlipToGDISurface() { return FDirectDraw ? FDirectDraw->FlipToGDISurface() : kNoObject; }

HRESULT TDDraw7::SetCooperativeLevel(platform::Window* window, uint32_t flags)
{
    return FDirectDraw ? FDirectDraw->SetCooperativeLevel(window, flags) : kNoObject;
}

HRESULT TDDraw7::SetDisplayMode(int width, int height, int bits)
{
    return FDirectDraw ? FDirectDraw->SetDisplayMode(width, height, bits, 0, 0) : kNoObject;
}

HRESULT TDDraw7::RestoreAllSurfaces() { return FDirectDraw ? FDirectDraw->RestoreAllSurfaces() : kNoObject; }

HRESULT TDDraw7::WaitForVerticalBlank()
{
    return FDirectDraw ? FDirectDraw->WaitForVerticalBlank(dd::DDWAITVB_BLOCKBEGIN) : kNoObject;
}

HRESULT TDDraw7::CreateClipper(std::shared_ptr<dd::DirectDrawClipper>& clipper)
{
    clipper.reset();
    return FDirectDraw ? FDirectDraw->CreateClipper(0, clipper) : kNoObject;
}

HRESULT TDDraw7::CreatePalette(const dd::PALETTEENTRY* entries, std::shared_ptr<dd::DirectDrawPalette>& palette)
{
    palette.reset();
    return FDirectDraw ? FDirectDraw->CreatePalette(dd::DDPCAPS_8BIT | dd::DDPCAPS_ALLOW256, entries, palette)
                       : kNoObject;
}

HRESULT TDDraw7::CreateWindowedSurfaces(TDDrawSurface& primary, TDDrawSurface& back, platform::Form& form)
{
    return FDirectDraw ? createWindowed<dd::DDSURFACEDESC2>(*FDirectDraw, primary, back, form) : kNoObject;
}

HRESULT TDDraw7::CreateFullScreenSurfaces(TDDrawSurface& primary, TDDrawSurface& back)
{
    return FDirectDraw ? createFullScreen<dd::DDSURFACEDESC2, dd::DDSCAPS2>(*FDirectDraw, primary, back) : kNoObject;
}

HRESULT TDDraw7::CreateOffscreenSurface(TDDrawSurface& surface)
{
    return FDirectDraw ? createOffscreen<dd::DDSURFACEDESC2>(*FDirectDraw, surface) : kNoObject;
}

bool TDDraw7::HasPrimaryGamma() { return FDirectDraw && hasPrimaryGamma(*FDirectDraw); }

int32_t TDDraw7::GetFreeVideoMemory()
{
    if (!FDirectDraw) return -1;
    dd::DDSCAPS2 caps;
    caps.dwCaps = dd::DDSCAPS_VIDEOMEMORY;
    uint32_t total = 0, free = 0;
    if (FDirectDraw->GetAvailableVidMem(caps, &total, &free) != 0) return -1;
    return static_cast<int32_t>(std::min<uint32_t>(free, INT32_MAX));
}

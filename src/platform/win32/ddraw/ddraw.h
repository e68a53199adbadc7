#pragma once
// The DirectDraw object in its two interface generations, over the software
// display device, and the driver that creates it (DirectDrawCreate and
// DirectDrawCreateEx).
#include <functional>
#include <memory>

#include "platform/win32/application.h"
#include "platform/win32/ddraw/ddraw_device.h"
#include "platform/win32/ddraw/ddraw_objects.h"
#include "platform/win32/ddraw/ddraw_surface.h"
#include "platform/win32/ddraw/ddraw_types.h"

namespace platform::ddraw {

class IDirectDraw7;

// Called once per display mode; returns DDENUMRET_OK to go on.
using EnumModesCallback = std::function<uint32_t(const DDSURFACEDESC&)>;

// The version 1 interface.
class IDirectDraw {
public:
    explicit IDirectDraw(std::shared_ptr<DisplayDevice> device) : device_(std::move(device)) {}
    virtual ~IDirectDraw() = default;
    IDirectDraw(const IDirectDraw&) = delete;
    IDirectDraw& operator=(const IDirectDraw&) = delete;

    // Answers Iid::IDirectDraw7 unless the driver offers version 1 only.
    HRESULT QueryInterface(Iid iid, std::shared_ptr<IDirectDraw7>& out);

    HRESULT SetCooperativeLevel(Window* window, uint32_t flags);
    HRESULT SetDisplayMode(int width, int height, int bitsPerPixel);
    HRESULT RestoreDisplayMode();
    HRESULT EnumDisplayModes(uint32_t flags, const DDSURFACEDESC* filter, const EnumModesCallback& callback);
    HRESULT CreateSurface(const DDSURFACEDESC& desc, std::shared_ptr<DirectDrawSurface>& out);
    HRESULT CreateClipper(uint32_t flags, std::shared_ptr<DirectDrawClipper>& out);
    HRESULT CreatePalette(uint32_t flags, const PALETTEENTRY* entries, std::shared_ptr<DirectDrawPalette>& out);
    HRESULT FlipToGDISurface();
    HRESULT WaitForVerticalBlank(uint32_t flags);
    HRESULT GetCaps(DDCAPS* driverCaps, DDCAPS* emulationCaps);

    DisplayDevice& device() { return *device_; }

protected:
    HRESULT createSurface(uint32_t flags, uint32_t caps, int width, int height, uint32_t backBuffers,
                          std::shared_ptr<DirectDrawSurface>& out);

    std::shared_ptr<DisplayDevice> device_;
};

// The version 7 interface: second surface descriptions, restore of every
// surface at once, and the free memory query.
class IDirectDraw7 : public IDirectDraw {
public:
    using IDirectDraw::IDirectDraw;
    using IDirectDraw::CreateSurface;
    using IDirectDraw::SetDisplayMode;

    HRESULT CreateSurface(const DDSURFACEDESC2& desc, std::shared_ptr<DirectDrawSurface>& out);
    HRESULT SetDisplayMode(int width, int height, int bitsPerPixel, int refreshRate, uint32_t flags);
    HRESULT RestoreAllSurfaces();
    HRESULT GetAvailableVidMem(const DDSCAPS2& caps, uint32_t* total, uint32_t* free);
};

// Creates DirectDraw objects for one application. Its options are shared
// with every object it made, so tests can change them on a running display.
class DirectDrawDriver {
public:
    explicit DirectDrawDriver(Application& app) : app_(app), options_(std::make_shared<DriverOptions>()) {}

    DriverOptions& options() { return *options_; }

    HRESULT DirectDrawCreate(std::shared_ptr<IDirectDraw>& out);
    HRESULT DirectDrawCreateEx(Iid iid, std::shared_ptr<IDirectDraw7>& out);

private:
    Application& app_;
    std::shared_ptr<DriverOptions> options_;
};

}  // namespace platform::ddraw

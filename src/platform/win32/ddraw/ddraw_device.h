#pragma once
// The display as one DirectDraw object sees it: cooperative level, display
// mode, the surfaces made on it and whether the display is currently taken
// away. Losing the display (focus lost in exclusive mode, or minimised) makes
// every surface lost, as the engine expects from DirectDraw.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/win32/application.h"
#include "platform/win32/ddraw/ddraw_types.h"
#include "platform/win32/gdi/gdi_font.h"
#include "platform/win32/pixel_format.h"

namespace platform::ddraw {

class DirectDrawSurface;

// What the software driver offers; tests change it to reach every path.
struct DriverOptions {
    bool available = true;          // DirectDrawCreate succeeds
    bool offerVersion7 = true;      // QueryInterface answers the version 7 interface
    int desktopBitsPerPixel = 16;   // the format of surfaces outside exclusive mode
    bool primaryGamma = true;       // GetCaps reports DDCAPS2_PRIMARYGAMMA
    int stillDrawingFlips = 0;      // so many next presents answer DDERR_WASSTILLDRAWING
    std::size_t videoMemoryBytes = std::size_t(256) << 20;
};

class DisplayDevice {
public:
    DisplayDevice(Application& app, std::shared_ptr<DriverOptions> options);
    ~DisplayDevice();
    DisplayDevice(const DisplayDevice&) = delete;
    DisplayDevice& operator=(const DisplayDevice&) = delete;

    Application& application() { return app_; }
    Backend& backend() { return app_.backend(); }
    DriverOptions& options() { return *options_; }
    gdi::FontCache& fonts() { return fonts_; }
    std::shared_ptr<DDGAMMARAMP> gammaRamp() { return gamma_; }

    HRESULT setCooperativeLevel(Window* window, uint32_t flags);
    bool cooperativeLevelSet() const { return level_ != 0; }
    bool exclusive() const { return (level_ & DDSCL_EXCLUSIVE) != 0; }
    Window* window() const { return window_; }

    HRESULT setDisplayMode(int width, int height, int bitsPerPixel);
    void restoreDisplayMode();
    const SurfaceFormat& format() const { return format_; }
    int modeWidth() const { return modeWidth_; }
    int modeHeight() const { return modeHeight_; }

    // False while the run draws nothing (see VideoOutput::drawsPixels).
    bool drawsPixels() { return backend().video().drawsPixels(); }

    // True from the loss of the display until the application is active again.
    bool displayLost() const { return displayLost_; }

    // Surfaces register themselves so that loss and RestoreAllSurfaces reach them.
    void track(const std::shared_ptr<DirectDrawSurface>& surface);
    bool primaryExists() const;
    void setPrimary(const std::shared_ptr<DirectDrawSurface>& primary) { primary_ = primary; }
    HRESULT restoreAll();
    std::size_t memoryInUse() const;

    // True (once per count) while the driver was told to report a busy blitter.
    bool takeBusyPresent();
    void present(const DirectDrawSurface& primary);
    // The colours of the primary surface's palette, for 8-bit surfaces.
    const uint32_t* primaryPalette() const;

private:
    bool onMessage(const Message& message);
    void loseDisplay();
    std::vector<std::shared_ptr<DirectDrawSurface>> liveSurfaces() const;

    Application& app_;
    std::shared_ptr<DriverOptions> options_;
    gdi::FontCache fonts_;
    std::shared_ptr<DDGAMMARAMP> gamma_;
    int hookId_ = 0;
    uint32_t level_ = 0;
    Window* window_ = nullptr;
    SurfaceFormat format_;
    int modeWidth_ = 0;
    int modeHeight_ = 0;
    bool modeSet_ = false;
    bool displayLost_ = false;
    std::vector<std::weak_ptr<DirectDrawSurface>> surfaces_;
    std::weak_ptr<DirectDrawSurface> primary_;
};

}  // namespace platform::ddraw

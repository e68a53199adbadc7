#pragma once
// The small DirectDraw objects: clipper, palette and gamma control.
#include <array>
#include <cstdint>
#include <memory>

#include "platform/backends/window.h"
#include "platform/win32/ddraw/ddraw_types.h"

namespace platform::ddraw {

class DirectDrawClipper {
public:
    HRESULT SetHWnd(uint32_t flags, Window* window);
    HRESULT GetHWnd(Window*& window) const;
    Window* window() const { return window_; }

private:
    Window* window_ = nullptr;
};

class DirectDrawPalette {
public:
    HRESULT SetEntries(uint32_t flags, int start, int count, const PALETTEENTRY* entries);
    HRESULT GetEntries(uint32_t flags, int start, int count, PALETTEENTRY* entries) const;
    // The entries as 00RRGGBB, the form presenters and GDI use.
    const uint32_t* colors() const { return rgb_.data(); }

private:
    std::array<uint32_t, 256> rgb_{};
};

class DirectDrawGammaControl {
public:
    explicit DirectDrawGammaControl(std::shared_ptr<DDGAMMARAMP> ramp) : ramp_(std::move(ramp)) {}
    HRESULT GetGammaRamp(uint32_t flags, DDGAMMARAMP& ramp) const;
    HRESULT SetGammaRamp(uint32_t flags, const DDGAMMARAMP& ramp);

private:
    std::shared_ptr<DDGAMMARAMP> ramp_;
};

// The identity ramp a display starts with.
DDGAMMARAMP identityGammaRamp();

}  // namespace platform::ddraw

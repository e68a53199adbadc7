// Opening the display: exclusive full screen or a window, and the palette of
// 8-bit modes.
#include <algorithm>
#include <random>

#include "engine/display/ddraw_screen.h"

namespace dd = platform::ddraw;

namespace {

// The twenty colours the system keeps for itself in a palettised mode.
constexpr uint32_t kSystemColors[20] = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0, 0xC0DCC0, 0xA6CAF0,
    0xFFFBF0, 0xA0A0A4, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};

dd::PALETTEENTRY entryOf(uint32_t rgb)
{
    return {static_cast<uint8_t>(rgb >> 16), static_cast<uint8_t>(rgb >> 8), static_cast<uint8_t>(rgb), 0};
}

}  // namespace

HRESULT TDDrawScreen::SetupFullScreen()
{
    const uint32_t flags = dd::DDSCL_FULLSCREEN | dd::DDSCL_EXCLUSIVE | dd::DDSCL_ALLOWMODEX |
                           (AllowReboot ? dd::DDSCL_ALLOWREBOOT : 0);
    if (HRESULT hr = FDDraw->SetCooperativeLevel(&window(), flags); hr != 0) return hr;
    if (FDDraw->SetDisplayMode(FWidth, FHeight, FBitCount) != 0) {
        Initialized = false;
        throw EDDrawScreenError("Error at setting displaymode");
    }
    if (HRESULT hr = FDDraw->CreateFullScreenSurfaces(*FPrimary, *FBackBuffer); hr != 0) return hr;
    FullScreen = true;
    UpdateScreenRect();
    return 0;
}

HRESULT TDDrawScreen::SetupWindowed()
{
    if (HRESULT hr = FDDraw->SetCooperativeLevel(&window(), dd::DDSCL_NORMAL); hr != 0) return hr;
    platform::Window& w = window();
    const platform::Rect old = w.bounds();
    w.setBounds({0, 0, old.width(), old.height()});
    w.setClientSize(FWidth, FHeight);
    w.setStayOnTop(false);
    // Only the left and top edges are pulled into the work area; a desktop
    // smaller than the window keeps the full client size.
    const platform::Rect work = FApp.backend().video().workArea();
    platform::Rect r = w.bounds();
    const int dx = r.left < work.left ? work.left - r.left : 0;
    const int dy = r.top < work.top ? work.top - r.top : 0;
    if (dx || dy) w.setBounds({r.left + dx, r.top + dy, r.right + dx, r.bottom + dy});
    if (HRESULT hr = FDDraw->CreateWindowedSurfaces(*FPrimary, *FBackBuffer, FForm); hr != 0) return hr;
    FullScreen = false;
    UpdateScreenRect();
    return 0;
}

void TDDrawScreen::UpdateScreenRect()
{
    // In exclusive mode the whole screen is the mode's size.
    if (FullScreen) FScreenRect = {0, 0, FWidth, FHeight};
    else FScreenRect = window().clientRect();
}

HRESULT TDDrawScreen::CreateDefaultPalette()
{
    std::mt19937 random(FApp.clock().milliseconds());
    std::uniform_int_distribution<int> channel(0, 254);
    for (std::size_t i = 10; i <= 245; ++i)
        PaletteEntries[i] = {static_cast<uint8_t>(channel(random)), static_cast<uint8_t>(channel(random)),
                             static_cast<uint8_t>(channel(random)), 0};
    for (std::size_t i = 0; i < 10; ++i) {
        PaletteEntries[i] = entryOf(kSystemColors[i]);
        PaletteEntries[246 + i] = entryOf(kSystemColors[10 + i]);
    }
    if (HRESULT hr = FDDraw->CreatePalette(PaletteEntries.data(), FPalette); hr != 0) return hr;
    return FPrimary->SetPalette(FPalette);
}

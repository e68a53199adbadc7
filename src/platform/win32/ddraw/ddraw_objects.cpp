#include "platform/win32/ddraw/ddraw_objects.h"

namespace platform::ddraw {

HRESULT DirectDrawClipper::SetHWnd(uint32_t flags, Window* window)
{
    if (flags != 0) return DDERR_INVALIDPARAMS;
    window_ = window;
    return DD_OK;
}

HRESULT DirectDrawClipper::GetHWnd(Window*& window) const
{
    window = window_;
    return DD_OK;
}

HRESULT DirectDrawPalette::SetEntries(uint32_t, int start, int count, const PALETTEENTRY* entries)
{
    if (!entries || start < 0 || count < 0 || start + count > 256) return DDERR_INVALIDPARAMS;
    for (int i = 0; i < count; ++i) {
        const PALETTEENTRY& e = entries[i];
        rgb_[static_cast<std::size_t>(start + i)] = uint32_t(e.peRed) << 16 | uint32_t(e.peGreen) << 8 | e.peBlue;
    }
    return DD_OK;
}

HRESULT DirectDrawPalette::GetEntries(uint32_t, int start, int count, PALETTEENTRY* entries) const
{
    if (!entries || start < 0 || count < 0 || start + count > 256) return DDERR_INVALIDPARAMS;
    for (int i = 0; i < count; ++i) {
        const uint32_t c = rgb_[static_cast<std::size_t>(start + i)];
        entries[i] = {static_cast<uint8_t>(c >> 16), static_cast<uint8_t>(c >> 8), static_cast<uint8_t>(c), 0};
    }
    return DD_OK;
}

HRESULT DirectDrawGammaControl::GetGammaRamp(uint32_t, DDGAMMARAMP& ramp) const
{
    ramp = *ramp_;
    return DD_OK;
}

HRESULT DirectDrawGammaControl::SetGammaRamp(uint32_t, const DDGAMMARAMP& ramp)
{
    *ramp_ = ramp;
    return DD_OK;
}

DDGAMMARAMP identityGammaRamp()
{
    DDGAMMARAMP r;
    for (std::size_t i = 0; i < 256; ++i) r.red[i] = r.green[i] = r.blue[i] = static_cast<uint16_t>(i * 257);
    return r;
}

}  // namespace platform::ddraw

#include "platform/win32/ddraw/ddraw_device.h"

#include <algorithm>

#include "platform/win32/ddraw/ddraw_objects.h"
#include "platform/win32/ddraw/ddraw_surface.h"

namespace platform::ddraw {

DisplayDevice::DisplayDevice(Application& app, std::shared_ptr<DriverOptions> options)
    : app_(app), options_(std::move(options)), fonts_(app.gameFolder() + gdi::kFontFolder), gamma_(std::make_shared<DDGAMMARAMP>(identityGammaRamp())),
      format_(formatForBits(options_->desktopBitsPerPixel))
{
    hookId_ = app_.hookMainWindow([this](Message& m) { return onMessage(m); });
}

DisplayDevice::~DisplayDevice()
{
    app_.unhookMainWindow(hookId_);
    if (exclusive()) backend().video().setFullScreen(false);
}

bool DisplayDevice::onMessage(const Message& message)
{
    if (message.msg == WM_ACTIVATEAPP) {
        if (message.wParam == 0) {
            if (exclusive()) loseDisplay();
        } else {
            displayLost_ = false;
        }
    } else if (message.msg == WM_SIZE && message.wParam == SIZE_MINIMIZED) {
        loseDisplay();
    }
    return false;  // the form still sees every message
}

void DisplayDevice::loseDisplay()
{
    displayLost_ = true;
    for (const auto& s : liveSurfaces()) s->markLost();
}

HRESULT DisplayDevice::setCooperativeLevel(Window* window, uint32_t flags)
{
    const bool fullScreen = flags & DDSCL_FULLSCREEN, exclusiveWanted = flags & DDSCL_EXCLUSIVE;
    if (fullScreen != exclusiveWanted) return DDERR_INVALIDPARAMS;
    if (!(flags & (DDSCL_NORMAL | DDSCL_EXCLUSIVE))) return DDERR_INVALIDPARAMS;
    if (exclusiveWanted && !window) return DDERR_NOHWND;
    if (exclusiveWanted) {
        if (!backend().video().setFullScreen(true)) return DDERR_UNSUPPORTEDMODE;
    } else {
        if (exclusive()) restoreDisplayMode();
        backend().video().setFullScreen(false);
    }
    level_ = flags;
    window_ = window;
    return DD_OK;
}

HRESULT DisplayDevice::setDisplayMode(int width, int height, int bitsPerPixel)
{
    if (!exclusive()) return DDERR_NOEXCLUSIVEMODE;
    const auto modes = backend().video().displayModes();
    const bool listed = std::any_of(modes.begin(), modes.end(), [&](const DisplayModeInfo& m) {
        return m.width == width && m.height == height && m.bitsPerPixel == bitsPerPixel;
    });
    if (!listed || !isSupportedDepth(bitsPerPixel)) return DDERR_INVALIDMODE;
    const SurfaceFormat wanted = formatForBits(bitsPerPixel);
    // A new mode takes the memory of every surface made in the old one.
    if (modeSet_ && (wanted != format_ || width != modeWidth_ || height != modeHeight_))
        for (const auto& s : liveSurfaces()) s->markLost();
    format_ = wanted;
    modeWidth_ = width;
    modeHeight_ = height;
    modeSet_ = true;
    return DD_OK;
}

void DisplayDevice::restoreDisplayMode()
{
    if (!modeSet_) return;
    const SurfaceFormat desktop = formatForBits(options_->desktopBitsPerPixel);
    for (const auto& s : liveSurfaces()) s->markLost();
    format_ = desktop;
    modeSet_ = false;
    modeWidth_ = modeHeight_ = 0;
}

void DisplayDevice::track(const std::shared_ptr<DirectDrawSurface>& surface)
{
    std::erase_if(surfaces_, [](const std::weak_ptr<DirectDrawSurface>& w) { return w.expired(); });
    surfaces_.push_back(surface);
}

std::vector<std::shared_ptr<DirectDrawSurface>> DisplayDevice::liveSurfaces() const
{
    std::vector<std::shared_ptr<DirectDrawSurface>> live;
    for (const auto& w : surfaces_)
        if (auto s = w.lock()) live.push_back(std::move(s));
    return live;
}

bool DisplayDevice::primaryExists() const { return !primary_.expired(); }

HRESULT DisplayDevice::restoreAll()
{
    HRESULT result = DD_OK;
    for (const auto& s : liveSurfaces()) {
        const HRESULT hr = s->Restore();
        if (failed(hr) && succeeded(result)) result = hr;
    }
    return result;
}

std::size_t DisplayDevice::memoryInUse() const
{
    std::size_t total = 0;
    for (const auto& s : liveSurfaces()) total += s->byteSize();
    return total;
}

bool DisplayDevice::takeBusyPresent()
{
    if (options_->stillDrawingFlips <= 0) return false;
    --options_->stillDrawingFlips;
    return true;
}

void DisplayDevice::present(const DirectDrawSurface& primary) { backend().video().present(primary.frameView()); }

const uint32_t* DisplayDevice::primaryPalette() const
{
    const auto p = primary_.lock();
    return p ? p->ownPalette() : nullptr;
}

}  // namespace platform::ddraw

#include "platform/backends/sdl2/sdl_video.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "platform/backends/picture_fit.h"
#include "platform/backends/sdl2/sdl_renderer_choice.h"
#include "platform/backends/sdl2/sdl_window_manager.h"
#include "platform/system/system_shell.h"

namespace platform {
namespace {

Uint32 sdlFormat(PixelLayout layout)
{
    switch (layout) {
    case PixelLayout::Rgb565: return SDL_PIXELFORMAT_RGB565;
    case PixelLayout::Rgb555: return SDL_PIXELFORMAT_RGB555;
    case PixelLayout::Rgb888: return SDL_PIXELFORMAT_BGR24;  // bytes B, G, R as DirectDraw lays them
    case PixelLayout::Xrgb8888:
    case PixelLayout::Indexed8: return SDL_PIXELFORMAT_RGB888;
    }
    return SDL_PIXELFORMAT_RGB565;
}

int bitsOf(Uint32 format) { return SDL_BITSPERPIXEL(format) == 24 && SDL_BYTESPERPIXEL(format) == 4 ? 32 : SDL_BITSPERPIXEL(format); }

}  // namespace

SdlVideo::SdlVideo(SdlWindow& window) : window_(window) { createRenderer(); }

bool SdlVideo::createRenderer()
{
    if (renderer_) return true;
    renderer_ = createWindowRenderer(window_.handle());
    if (!renderer_) {
        std::fprintf(stderr, "Brindlecog: cannot draw in the window: %s\n", SDL_GetError());
        return false;
    }
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
    SDL_RendererInfo info{};
    softwareRenderer_ = SDL_GetRendererInfo(renderer_, &info) == 0 && (info.flags & SDL_RENDERER_SOFTWARE);
    return true;
}

SdlVideo::~SdlVideo()
{
    if (texture_) SDL_DestroyTexture(texture_);
    if (renderer_) SDL_DestroyRenderer(renderer_);
}

bool SdlVideo::setFullScreen(bool fullScreen)
{
    invalidate();
    if (fullScreenByPage(fullScreen)) return true;
    // A window still hidden does not change its mode on every desktop, so
    // the display shows itself when it takes over the screen.
    if (fullScreen && !window_.visible()) window_.show();
    if (fullScreen && !windowManagerRunning(window_.handle())) {
        // Without a window manager nobody resizes the window for full
        // screen, so cover the display ourselves first. (With one, a window
        // already of the display's size makes SDL wait for a resize that
        // never comes.)
        SDL_Rect display{};
        const int index = SDL_GetWindowDisplayIndex(window_.handle());
        if (SDL_GetDisplayBounds(index < 0 ? 0 : index, &display) == 0) {
            SDL_SetWindowPosition(window_.handle(), display.x, display.y);
            SDL_SetWindowSize(window_.handle(), display.w, display.h);
        }
    }
    // Let a move or resize still on its way to the window system land first:
    // otherwise some desktops drop the switch to full screen.
    SDL_PumpEvents();
    return SDL_SetWindowFullscreen(window_.handle(), fullScreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0) == 0;
}

bool SdlVideo::fullScreen() const
{
    return (SDL_GetWindowFlags(window_.handle()) & SDL_WINDOW_FULLSCREEN_DESKTOP) != 0;
}

std::vector<DisplayModeInfo> SdlVideo::displayModes() const
{
    // The picture is scaled to whatever the desktop runs, so every classic
    // mode is available in every depth the surfaces support.
    std::vector<DisplayModeInfo> modes;
    const DisplayModeInfo desk = desktopMode();
    for (auto [w, h] : {std::pair{640, 480}, std::pair{800, 600}, std::pair{1024, 768}})
        for (int bpp : {8, 16, 24, 32}) modes.push_back({w, h, bpp, desk.refreshRate});
    return modes;
}

DisplayModeInfo SdlVideo::desktopMode() const
{
    SDL_DisplayMode mode{};
    if (SDL_GetDesktopDisplayMode(0, &mode) != 0) return {800, 600, 32, 60};
    return {mode.w, mode.h, bitsOf(mode.format), mode.refresh_rate};
}

Rect SdlVideo::workArea() const
{
    // The window lives on the display it was opened on, the primary one.
    const int display = std::max(0, SDL_GetWindowDisplayIndex(window_.handle()));
    SDL_Rect r{};
    if (SDL_GetDisplayUsableBounds(display, &r) != 0) return VideoOutput::workArea();
    return {r.x, r.y, r.x + r.w, r.y + r.h};
}

Uint32 SdlVideo::textureFormatFor(const FrameView& frame) const
{
    const bool sixteen = frame.layout == PixelLayout::Rgb565 || frame.layout == PixelLayout::Rgb555;
    const bool scaled = area_.w != frame.width || area_.h != frame.height;
    return softwareRenderer_ && sixteen && scaled ? Uint32{SDL_PIXELFORMAT_RGB888} : sdlFormat(frame.layout);
}

bool SdlVideo::prepare(const FrameView& frame, Uint32 format)
{
    if (!texture_ || format != textureFormat_ || frame.width != textureWidth_ || frame.height != textureHeight_) {
        if (texture_) SDL_DestroyTexture(texture_);
        texture_ = SDL_CreateTexture(renderer_, format, SDL_TEXTUREACCESS_STREAMING, frame.width, frame.height);
        if (!texture_) return false;
        textureFormat_ = format;
        textureWidth_ = frame.width;
        textureHeight_ = frame.height;
        SDL_SetTextureScaleMode(texture_, crisp_ ? SDL_ScaleModeNearest : SDL_ScaleModeLinear);
        stale_ = true;  // the new texture holds no picture yet
    }
    return true;
}

void SdlVideo::setScaling(Scaling scaling)
{
    VideoOutput::setScaling(scaling);
    refit_ = true;
    invalidate();
}

void SdlVideo::fit(const FrameView& frame)
{
    // Some desktops resize the window without telling the renderer in time,
    // so the real size is asked for every frame.
    int outputWidth = 0, outputHeight = 0;
    SDL_GetRendererOutputSize(renderer_, &outputWidth, &outputHeight);
    if (!refit_ && outputWidth == outputWidth_ && outputHeight == outputHeight_) return;
    refit_ = false;
    outputWidth_ = outputWidth;
    outputHeight_ = outputHeight;
    const PictureFit fitted = fitPicture(outputWidth, outputHeight, frame.width, frame.height, scaling());
    area_ = {fitted.area.left, fitted.area.top, fitted.area.width(), fitted.area.height()};
    // Whole factors copy pixels; anything else is filtered, so a picture
    // scaled by 1.8 does not get uneven rows.
    crisp_ = scaling() == Scaling::Integer && fitted.wholeFactor > 0;
    if (texture_) SDL_SetTextureScaleMode(texture_, crisp_ ? SDL_ScaleModeNearest : SDL_ScaleModeLinear);
    // Motion arrives in window units, which are output pixels unless the
    // desktop scales windows itself.
    int windowWidth = 0, windowHeight = 0;
    SDL_GetWindowSize(window_.handle(), &windowWidth, &windowHeight);
    mapping_.scale = area_.w > 0 && windowWidth > 0
                         ? static_cast<double>(frame.width) * outputWidth / (static_cast<double>(area_.w) * windowWidth)
                         : 1.0;
    mapping_.originX = area_.w > 0 ? static_cast<double>(area_.x) * frame.width / area_.w : 0.0;
    mapping_.originY = area_.h > 0 ? static_cast<double>(area_.y) * frame.height / area_.h : 0.0;
    mapping_.width = frame.width;
    mapping_.height = frame.height;
    stale_ = true;
}

int64_t SdlVideo::nowMicroseconds()
{
    static const uint64_t frequency = SDL_GetPerformanceFrequency();
    const uint64_t counter = SDL_GetPerformanceCounter();
    return static_cast<int64_t>(counter / frequency * 1000000 + counter % frequency * 1000000 / frequency);
}

bool SdlVideo::upload(const FrameView& frame)
{
    const Uint32 frameFormat = sdlFormat(frame.layout);
    if (frame.layout != PixelLayout::Indexed8 && textureFormat_ != frameFormat) {
        // Widened by SDL's own conversion: the colours its renderer would
        // have made of the 16-bit picture.
        void* pixels = nullptr;
        int pitch = 0;
        if (SDL_LockTexture(texture_, nullptr, &pixels, &pitch) != 0) return false;
        const int converted = SDL_ConvertPixels(frame.width, frame.height, frameFormat, frame.pixels, frame.pitch,
                                                textureFormat_, pixels, pitch);
        SDL_UnlockTexture(texture_);
        return converted == 0;
    }
    if (frame.layout != PixelLayout::Indexed8)
        return SDL_UpdateTexture(texture_, nullptr, frame.pixels, frame.pitch) == 0;
    expanded_.resize(static_cast<std::size_t>(frame.width) * frame.height);
    const auto* base = static_cast<const uint8_t*>(frame.pixels);
    for (int y = 0; y < frame.height; ++y)
        for (int x = 0; x < frame.width; ++x) {
            const uint8_t index = base[static_cast<std::ptrdiff_t>(y) * frame.pitch + x];
            expanded_[static_cast<std::size_t>(y) * frame.width + x] = frame.palette ? frame.palette[index] : index;
        }
    return SDL_UpdateTexture(texture_, nullptr, expanded_.data(), frame.width * 4) == 0;
}

void SdlVideo::show()
{
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    SDL_RenderCopy(renderer_, texture_, nullptr, &area_);
    SDL_RenderPresent(renderer_);
    pacer_.sent(nowMicroseconds());
    pending_ = false;
}

uint32_t SdlVideo::millisecondsUntilPending() const
{
    return static_cast<uint32_t>((pacer_.microsecondsUntilDue(nowMicroseconds()) + 999) / 1000);
}

void SdlVideo::presentPending()
{
    if (pending_ && renderer_ && texture_ && pacer_.due(nowMicroseconds())) show();
}

void SdlVideo::present(const FrameView& frame)
{
    if (!frame.pixels || frame.width <= 0 || frame.height <= 0) return;
    if (!createRenderer()) return;
    fit(frame);
    if (!prepare(frame, textureFormatFor(frame))) return;
    // A palette may change while the pixels stay: 8-bit frames always go.
    const bool unchanged = frame.unchanged && frame.layout != PixelLayout::Indexed8;
    if (unchanged && !stale_) {
        presentPending();
        return;
    }
    if (!upload(frame)) {
        // The texture may still hold an older picture: the frames that
        // repeat this one must not be skipped as if it had arrived.
        stale_ = true;
        return;
    }
    if (stale_) {
        // The window lost its picture: it gets this one at once.
        const int display = std::max(0, SDL_GetWindowDisplayIndex(window_.handle()));
        SDL_DisplayMode mode{};
        pacer_.setRefreshRate(SDL_GetCurrentDisplayMode(display, &mode) == 0 ? mode.refresh_rate : 0);
        stale_ = false;
        show();
        return;
    }
    pending_ = true;
    presentPending();
}

}  // namespace platform

#pragma once
// Presenting frames: the primary surface's pixels go to the screen through
// this, in the surface's own pixel layout.
#include <cstdint>
#include <vector>

#include "platform/backends/picture_fit.h"
#include "platform/backends/window.h"

namespace platform {

enum class PixelLayout { Indexed8, Rgb555, Rgb565, Rgb888, Xrgb8888 };

struct FrameView {
    const void* pixels = nullptr;
    int width = 0;
    int height = 0;
    int pitch = 0;  // bytes per row
    PixelLayout layout = PixelLayout::Rgb565;
    const uint32_t* palette = nullptr;  // 256 entries 00RRGGBB for Indexed8
    // The pixels are exactly those the same surface presented last time
    // (the menus present one picture a hundred times a second).
    bool unchanged = false;
};

struct DisplayModeInfo {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    int refreshRate = 0;
    friend bool operator==(const DisplayModeInfo&, const DisplayModeInfo&) = default;
};

class VideoOutput {
public:
    virtual ~VideoOutput() = default;
    // Desktop full screen (letter-boxed) or an ordinary window.
    virtual bool setFullScreen(bool fullScreen) = 0;
    virtual bool fullScreen() const = 0;
    virtual std::vector<DisplayModeInfo> displayModes() const = 0;
    virtual DisplayModeInfo desktopMode() const = 0;
    virtual int displayCount() const = 0;
    // The desktop without task bars, where a window may be placed.
    virtual Rect workArea() const
    {
        const DisplayModeInfo desk = desktopMode();
        return {0, 0, desk.width, desk.height};
    }
    // True only when the platform reports a monitor set-up the game cannot
    // run on. Several monitors are normal: the game uses the primary one.
    virtual bool displayConflict() const { return false; }
    virtual void present(const FrameView& frame) = 0;
    // A run that looks at no picture (the automatic player, a replay, a
    // soak) turns drawing off: surfaces then take every copy and fill
    // without touching a pixel, and the game's logic runs at full speed.
    virtual bool drawsPixels() const { return true; }

    // How the picture is scaled to the window or the screen; takes effect
    // with the next frame.
    virtual void setScaling(Scaling scaling) { scaling_ = scaling; }
    Scaling scaling() const { return scaling_; }

private:
    Scaling scaling_ = Scaling::Integer;
};

}  // namespace platform

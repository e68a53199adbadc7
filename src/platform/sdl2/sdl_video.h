#pragma once
// Presents frames in an SDL window through a streaming texture of the frame's
// own pixel format, scaled into the window (or the screen) as the chosen
// scaling says and centred on black.
#include <SDL.h>

#include <vector>

#include "platform/sdl2/sdl_window.h"
#include "platform/video.h"

namespace platform {

class SdlVideo final : public VideoOutput {
public:
    // Creates the renderer at once: making one may re-create the native
    // window, which must happen before anybody places or sizes it.
    explicit SdlVideo(SdlWindow& window);
    ~SdlVideo() override;
    SdlVideo(const SdlVideo&) = delete;
    SdlVideo& operator=(const SdlVideo&) = delete;

    bool setFullScreen(bool fullScreen) override;
    bool fullScreen() const override;
    std::vector<DisplayModeInfo> displayModes() const override;
    DisplayModeInfo desktopMode() const override;
    int displayCount() const override { return SDL_GetNumVideoDisplays(); }
    Rect workArea() const override;
    void present(const FrameView& frame) override;
    // The window needs its picture again (shown, exposed, resized): the next
    // frame is presented even when it equals the last one.
    void invalidate() { stale_ = true; }
    void setScaling(Scaling scaling) override;
    // Picture pixels per window unit of mouse motion: the pointer moves over
    // the scaled picture as fast as over the desktop.
    double motionScale() const { return motionScale_; }

private:
    // Menus and the title show the same picture frame after frame; sending
    // it to the window again only costs the desktop's compositor.
    bool sameAsShown(const FrameView& frame, int bytesPerRow) const;
    void remember(const FrameView& frame, int bytesPerRow);
    bool prepare(const FrameView& frame);
    bool createRenderer();
    // Fits the picture into the window's real size when either changed.
    void fit(const FrameView& frame);

    SdlWindow& window_;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;
    Uint32 textureFormat_ = 0;
    int textureWidth_ = 0;
    int textureHeight_ = 0;
    std::vector<uint32_t> expanded_;  // 8-bit frames go through the palette
    std::vector<uint8_t> shown_;      // the last frame sent to the window
    PixelLayout shownLayout_ = PixelLayout::Rgb565;
    int shownWidth_ = 0;
    int shownHeight_ = 0;
    bool stale_ = true;
    int outputWidth_ = 0;
    int outputHeight_ = 0;
    SDL_Rect area_{};
    double motionScale_ = 1.0;
    bool refit_ = true;
};

}  // namespace platform

#pragma once
// Presents frames in an SDL window through a streaming texture of the frame's
// own pixel format, placed in the window by the largest whole factor that
// fits (or as the scaling setting says).
#include <SDL.h>

#include <vector>

#include "platform/backends/sdl2/picture_mapping.h"
#include "platform/backends/sdl2/present_pacer.h"
#include "platform/backends/sdl2/sdl_window.h"
#include "platform/backends/video.h"

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
    // Menus and the title show the same picture frame after frame: an
    // unchanged frame is not sent to the window again. A changed one is
    // sent at most once per display refresh; one that comes sooner waits in
    // the texture for its turn (see presentPending).
    void present(const FrameView& frame) override;
    // The window needs its picture again (shown, exposed, resized): the next
    // frame is presented even when it equals the last one.
    void invalidate() { stale_ = true; }
    // A frame waiting for its turn, and how long until it has it: the event
    // loop wakes up for it when the game presents nothing newer.
    bool pending() const { return pending_; }
    uint32_t millisecondsUntilPending() const;
    void presentPending();
    void setScaling(Scaling scaling) override;
    // Where window positions land on the picture; motion is scaled with it,
    // so the pointer moves over the scaled picture as fast as over the desktop.
    const PictureMapping& pictureMapping() const { return mapping_; }

private:
    // The texture for `frame`, in `format`.
    bool prepare(const FrameView& frame, Uint32 format);
    // SDL's software renderer scales 32-bit pictures directly but converts
    // a 16-bit one through two intermediate pictures on every present:
    // scaled (full screen), 16-bit frames are widened as they are uploaded.
    Uint32 textureFormatFor(const FrameView& frame) const;
    bool createRenderer();
    // Fits the picture into the window's real size when either changed.
    void fit(const FrameView& frame);
    bool upload(const FrameView& frame);
    void show();
    static int64_t nowMicroseconds();

    SdlWindow& window_;
    SDL_Renderer* renderer_ = nullptr;
    bool softwareRenderer_ = false;
    SDL_Texture* texture_ = nullptr;
    Uint32 textureFormat_ = 0;
    int textureWidth_ = 0;
    int textureHeight_ = 0;
    std::vector<uint32_t> expanded_;  // 8-bit frames go through the palette
    PresentPacer pacer_;
    bool pending_ = false;
    bool stale_ = true;
    int outputWidth_ = 0;
    int outputHeight_ = 0;
    SDL_Rect area_{};
    PictureMapping mapping_;
    bool refit_ = true;
    bool crisp_ = true;
};

}  // namespace platform

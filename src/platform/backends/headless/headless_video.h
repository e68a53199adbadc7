#pragma once
// Presented frames are kept, so tests can read the pixels the player would see.
#include <cstdint>
#include <functional>
#include <vector>

#include "platform/backends/video.h"

namespace platform {

class HeadlessWindow;

class HeadlessVideo final : public VideoOutput {
public:
    // With a window, every frame is also fitted into the window's real size
    // (or the desktop in full screen), as a presenter would place it.
    explicit HeadlessVideo(const HeadlessWindow* window = nullptr) : window_(window) {}

    bool setFullScreen(bool fullScreen) override { fullScreen_ = fullScreen; return true; }
    bool fullScreen() const override { return fullScreen_; }
    std::vector<DisplayModeInfo> displayModes() const override;
    DisplayModeInfo desktopMode() const override { return {1920, 1080, 32, 60}; }
    int displayCount() const override { return displays_; }
    Rect workArea() const override { return workArea_; }
    bool displayConflict() const override { return conflict_; }
    void present(const FrameView& frame) override;

    void setDisplayCount(int displays) { displays_ = displays; }
    void setDisplayConflict(bool conflict) { conflict_ = conflict; }
    // Replaces the classic modes offered by default (an empty list is allowed).
    void setDisplayModes(std::vector<DisplayModeInfo> modes) { modes_ = std::move(modes); customModes_ = true; }
    void setWorkArea(const Rect& area) { workArea_ = area; }
    int presentedCount() const { return presented_; }
    // Off: frames are counted but nothing is drawn or kept.
    void setDrawing(bool drawing) { drawing_ = drawing; }
    bool drawsPixels() const override { return drawing_; }
    // Whether the last frame said it repeats the one before.
    bool lastFrameUnchanged() const { return unchanged_; }
    // Called after every presented frame, so a test can look at each one
    // (frame() holds it) and not only the last.
    void setOnPresent(std::function<void(const HeadlessVideo&)> listener) { onPresent_ = std::move(listener); }
    // The last presented frame, converted to 00RRGGBB.
    int frameWidth() const { return width_; }
    int frameHeight() const { return height_; }
    uint32_t pixel(int x, int y) const;
    const std::vector<uint32_t>& frame() const { return rgb_; }
    // Where the last frame went on the window or the screen.
    const PictureFit& lastFit() const { return fit_; }

private:
    const HeadlessWindow* window_;
    PictureFit fit_;
    bool fullScreen_ = false;
    int displays_ = 1;
    bool conflict_ = false;
    bool customModes_ = false;
    std::vector<DisplayModeInfo> modes_;
    Rect workArea_{0, 0, 1920, 1040};
    int presented_ = 0;
    bool drawing_ = true;
    bool unchanged_ = false;
    int width_ = 0;
    int height_ = 0;
    std::vector<uint32_t> rgb_;
    std::vector<uint32_t> table16_;  // 16-bit pixel to 00RRGGBB, for tableLayout_
    PixelLayout tableLayout_ = PixelLayout::Indexed8;
    std::function<void(const HeadlessVideo&)> onPresent_;
};

}  // namespace platform

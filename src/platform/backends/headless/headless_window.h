#pragma once
// The window as a record of what the game asked of it.
#include <optional>

#include "platform/backends/window.h"

namespace platform {

class HeadlessWindow final : public Window {
public:
    void setCaption(const std::string& caption) override { caption_ = caption; }
    std::string caption() const override { return caption_; }
    Rect bounds() const override { return bounds_; }
    Rect clientRect() const override;
    void setBounds(const Rect& outer) override
    {
        bounds_ = outer;
        playerSize_.reset();
    }
    void setClientSize(int width, int height) override;
    void centre() override;
    void setBorderStyle(BorderStyle style) override { border_ = style; }
    BorderStyle borderStyle() const override { return border_; }
    void setStayOnTop(bool onTop) override { onTop_ = onTop; }
    bool stayOnTop() const override { return onTop_; }
    void setColor(uint32_t bgrColor) override { color_ = bgrColor; }
    void show() override { visible_ = true; }
    void minimize() override { minimized_ = true; focus_ = false; }
    bool visible() const override { return visible_; }
    bool minimized() const override { return minimized_; }
    bool hasFocus() const override { return focus_; }
    void setCursorVisible(bool visible) override { cursorVisible_ = visible; }
    void setBusyCursor(bool busy) override { busyCursor_ = busy; }
    void warpMouse(int screenX, int screenY) override { warpedTo_ = {screenX, screenY}; ++warps_; }
    void setMouseConfined(bool confined) override { confined_ = confined; }

    // What tests look at and script.
    uint32_t color() const { return color_; }
    bool cursorVisible() const { return cursorVisible_; }
    bool busyCursor() const { return busyCursor_; }
    Point warpedTo() const { return warpedTo_; }
    int warpCount() const { return warps_; }
    bool mouseConfined() const { return confined_; }
    void setFocus(bool focus) { focus_ = focus; }
    // The player drags the window to a new client size. The game keeps
    // seeing the client size it asked for; only the picture is scaled.
    void resizeByPlayer(int width, int height) { playerSize_ = Point{width, height}; }
    // The real size of the client area, which the picture is fitted into.
    Point outputSize() const;
    void setMinimized(bool minimized) { minimized_ = minimized; }
    // Frame thickness around the client area for bordered styles.
    static constexpr int kFrame = 4, kTitle = 24;
    static constexpr int kDesktopWidth = 1920, kDesktopHeight = 1080;

private:
    std::string caption_;
    Rect bounds_{0, 0, 696, 480};
    BorderStyle border_ = BorderStyle::Sizeable;
    bool onTop_ = false;
    uint32_t color_ = 0;
    bool visible_ = true;
    bool minimized_ = false;
    bool focus_ = true;
    bool cursorVisible_ = true;
    bool busyCursor_ = false;
    bool confined_ = false;
    Point warpedTo_{};
    std::optional<Point> playerSize_;
    int warps_ = 0;
};

}  // namespace platform

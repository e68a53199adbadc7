#pragma once
// The game's window on SDL2. The player may resize it (or it may cover the
// screen); the game sees the client size it asked for, and the presenter
// scales the picture into whatever size the window really has.
#include <SDL.h>

#include "platform/backends/window.h"

namespace platform {

class SdlWindow final : public Window {
public:
    SdlWindow();
    ~SdlWindow() override;
    SdlWindow(const SdlWindow&) = delete;
    SdlWindow& operator=(const SdlWindow&) = delete;

    SDL_Window* handle() const { return window_; }

    void setCaption(const std::string& caption) override;
    std::string caption() const override;
    Rect bounds() const override;
    Rect clientRect() const override;
    void setBounds(const Rect& outer) override;
    void setClientSize(int width, int height) override;
    void centre() override;
    void setBorderStyle(BorderStyle style) override;
    BorderStyle borderStyle() const override { return border_; }
    void setStayOnTop(bool onTop) override;
    bool stayOnTop() const override { return onTop_; }
    void setColor(uint32_t bgrColor) override { color_ = bgrColor; }
    uint32_t color() const { return color_; }
    void show() override;
    void minimize() override;
    bool visible() const override;
    bool minimized() const override;
    bool hasFocus() const override;
    void setCursorVisible(bool visible) override;
    void setBusyCursor(bool busy) override;
    void warpMouse(int screenX, int screenY) override;
    void setMouseConfined(bool confined) override;
    bool mouseConfined() const { return confined_; }
    // Re-applies confinement after focus changes: the pointer is the player's
    // again as soon as they switch away.
    void focusChanged(bool focused);

private:
    // The client size the game asked for. The player may make the real window
    // any size: the picture is scaled into it, and the game keeps drawing and
    // placing things for the size it asked for.
    int clientWidth_ = 696;
    int clientHeight_ = 480;
    bool sizedByPage_ = false;  // the canvas keeps the page's size

    void frameExtents(int& top, int& left, int& bottom, int& right) const;

    SDL_Window* window_ = nullptr;
    SDL_Cursor* busyCursor_ = nullptr;
    BorderStyle border_ = BorderStyle::Sizeable;
    bool onTop_ = false;
    bool confined_ = false;
    uint32_t color_ = 0;
};

}  // namespace platform

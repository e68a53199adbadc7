#pragma once
// The game's one window as the backends provide it.
#include <cstdint>
#include <string>

#include "platform/geometry.h"

namespace platform {

enum class BorderStyle { None, Single, Sizeable, Dialog, ToolWindow, SizeToolWin };

class Window {
public:
    virtual ~Window() = default;

    virtual void setCaption(const std::string& caption) = 0;
    virtual std::string caption() const = 0;

    // Outer frame and client area on the desktop.
    virtual Rect bounds() const = 0;
    virtual Rect clientRect() const = 0;
    virtual void setBounds(const Rect& outer) = 0;
    virtual void setClientSize(int width, int height) = 0;
    virtual void centre() = 0;

    virtual void setBorderStyle(BorderStyle style) = 0;
    virtual BorderStyle borderStyle() const = 0;
    virtual void setStayOnTop(bool onTop) = 0;
    virtual bool stayOnTop() const = 0;
    virtual void setColor(uint32_t bgrColor) = 0;

    virtual void show() = 0;
    virtual void minimize() = 0;
    virtual bool visible() const = 0;
    virtual bool minimized() const = 0;
    virtual bool hasFocus() const = 0;

    // The system pointer: the game hides it and, in a window, keeps it inside
    // while it has the focus.
    virtual void setCursorVisible(bool visible) = 0;
    virtual void setBusyCursor(bool busy) = 0;
    virtual void warpMouse(int screenX, int screenY) = 0;
    virtual void setMouseConfined(bool confined) = 0;
};

}  // namespace platform

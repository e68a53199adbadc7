#include "platform/backends/sdl2/sdl_window.h"

#include <tuple>

#include "platform/errors.h"
#include "platform/system/system_shell.h"

namespace platform {

SdlWindow::SdlWindow()
{
    const auto pageSize = windowSizeFromPage();
    if (pageSize) std::tie(clientWidth_, clientHeight_) = *pageSize;
    sizedByPage_ = pageSize.has_value();
    window_ = SDL_CreateWindow("", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, clientWidth_, clientHeight_,
                               SDL_WINDOW_HIDDEN | (sizedByPage_ ? 0 : SDL_WINDOW_RESIZABLE));
    if (!window_) throw Exception(std::string("Cannot create the game window: ") + SDL_GetError());
    // Small enough for any desktop, large enough that the picture stays a picture.
    SDL_SetWindowMinimumSize(window_, 200, 150);
}

SdlWindow::~SdlWindow()
{
    if (busyCursor_) SDL_FreeCursor(busyCursor_);
    SDL_DestroyWindow(window_);
}

void SdlWindow::setCaption(const std::string& caption) { SDL_SetWindowTitle(window_, caption.c_str()); }

std::string SdlWindow::caption() const { return SDL_GetWindowTitle(window_); }

void SdlWindow::frameExtents(int& top, int& left, int& bottom, int& right) const
{
    top = left = bottom = right = 0;
    SDL_GetWindowBordersSize(window_, &top, &left, &bottom, &right);
}

Rect SdlWindow::clientRect() const
{
    int x, y;
    SDL_GetWindowPosition(window_, &x, &y);
    return {x, y, x + clientWidth_, y + clientHeight_};
}

Rect SdlWindow::bounds() const
{
    int top, left, bottom, right;
    frameExtents(top, left, bottom, right);
    Rect c = clientRect();
    return {c.left - left, c.top - top, c.right + right, c.bottom + bottom};
}

void SdlWindow::setBounds(const Rect& outer)
{
    int top, left, bottom, right;
    frameExtents(top, left, bottom, right);
    SDL_SetWindowPosition(window_, outer.left + left, outer.top + top);
    const int w = outer.width() - left - right, h = outer.height() - top - bottom;
    if (w > 0 && h > 0) setClientSize(w, h);
}

void SdlWindow::setClientSize(int width, int height)
{
    if (sizedByPage_) return;
    clientWidth_ = width;
    clientHeight_ = height;
    SDL_SetWindowSize(window_, width, height);
}

void SdlWindow::centre()
{
    SDL_SetWindowPosition(window_, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
}

void SdlWindow::setBorderStyle(BorderStyle style)
{
    border_ = style;
    SDL_SetWindowBordered(window_, style == BorderStyle::None ? SDL_FALSE : SDL_TRUE);
    // Every framed window may be resized, also a fixed-size one: the picture
    // is scaled, the game's client area stays as it was.
    SDL_SetWindowResizable(window_, style == BorderStyle::None ? SDL_FALSE : SDL_TRUE);
}

void SdlWindow::setStayOnTop(bool onTop)
{
    onTop_ = onTop;
    SDL_SetWindowAlwaysOnTop(window_, onTop ? SDL_TRUE : SDL_FALSE);
}

void SdlWindow::show()
{
    SDL_ShowWindow(window_);
    SDL_RaiseWindow(window_);
}

void SdlWindow::minimize() { SDL_MinimizeWindow(window_); }

bool SdlWindow::visible() const { return (SDL_GetWindowFlags(window_) & SDL_WINDOW_SHOWN) != 0; }

bool SdlWindow::minimized() const { return (SDL_GetWindowFlags(window_) & SDL_WINDOW_MINIMIZED) != 0; }

bool SdlWindow::hasFocus() const { return (SDL_GetWindowFlags(window_) & SDL_WINDOW_INPUT_FOCUS) != 0; }

void SdlWindow::setCursorVisible(bool visible) { SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE); }

void SdlWindow::setBusyCursor(bool busy)
{
    if (busy && !busyCursor_) busyCursor_ = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_WAIT);
    SDL_SetCursor(busy && busyCursor_ ? busyCursor_ : SDL_GetDefaultCursor());
}

void SdlWindow::warpMouse(int /*screenX*/, int /*screenY*/)
{
    // Pinning the hidden pointer is done by relative mouse mode while the
    // window has the focus (setMouseConfined). Moving the system pointer by
    // hand would feed fake motion into the game's mouse deltas, so nothing
    // is done here.
}

void SdlWindow::setMouseConfined(bool confined)
{
    confined_ = confined;
    focusChanged(hasFocus());
}

void SdlWindow::focusChanged(bool focused)
{
    SDL_SetRelativeMouseMode(confined_ && focused && pointerMayBePinned() ? SDL_TRUE : SDL_FALSE);
}

}  // namespace platform

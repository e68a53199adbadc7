#pragma once
// A form: the game's window with its properties, its replaceable window
// procedure and the key-down and close events the game handles.
#include <cstdint>
#include <functional>
#include <string>

#include "platform/backends/window.h"
#include "platform/win32/application.h"
#include "platform/win32/messages.h"

namespace platform {

enum class CloseAction { None, Hide, Free, Minimize };

class Form : public MessageTarget {
public:
    using WindowProc = std::function<void(Message&)>;

    explicit Form(Application& app);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    Application& application() { return app_; }
    Window& window() { return app_.backend().window(); }

    void setCaption(const std::string& caption) { window().setCaption(caption); }
    std::string caption() { return window().caption(); }
    void setBorderStyle(BorderStyle style) { window().setBorderStyle(style); }
    BorderStyle borderStyle() { return window().borderStyle(); }
    void setStayOnTop(bool onTop) { window().setStayOnTop(onTop); }
    void setColor(uint32_t bgrColor);
    uint32_t color() const { return color_; }
    void centre() { window().centre(); }

    int left() { return window().bounds().left; }
    int top() { return window().bounds().top; }
    int width() { return window().bounds().width(); }
    int height() { return window().bounds().height(); }
    int clientWidth() { return window().clientRect().width(); }
    int clientHeight() { return window().clientRect().height(); }

    // The window procedure in force; the display screen swaps in its own and
    // gives the old one back when it goes.
    const WindowProc& windowProc() const { return windowProc_; }
    void setWindowProc(WindowProc proc);
    void perform(Message& message) override;
    // What the form does with a message when nobody replaced its procedure.
    void defaultWindowProc(Message& message);

    // Asks the form to close: the main form closing ends the application.
    void close();

protected:
    virtual void formKeyDown(int /*key*/) {}
    virtual void formClose(CloseAction& /*action*/) {}

private:
    Application& app_;
    WindowProc windowProc_;
    uint32_t color_ = 0;
};

}  // namespace platform

#include "platform/win32/form.h"

namespace platform {

Form::Form(Application& app) : app_(app)
{
    windowProc_ = [this](Message& m) { defaultWindowProc(m); };
    app_.setMainForm(this);
}

Form::~Form()
{
    if (app_.mainForm() == this) app_.setMainForm(nullptr);
}

void Form::setColor(uint32_t bgrColor)
{
    color_ = bgrColor;
    window().setColor(bgrColor);
}

void Form::setWindowProc(WindowProc proc)
{
    windowProc_ = proc ? std::move(proc) : WindowProc([this](Message& m) { defaultWindowProc(m); });
}

void Form::perform(Message& message) { windowProc_(message); }

void Form::defaultWindowProc(Message& message)
{
    switch (message.msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: formKeyDown(static_cast<int>(message.wParam)); break;
    case WM_CLOSE: close(); break;
    default: break;
    }
}

void Form::close()
{
    CloseAction action = CloseAction::Hide;
    formClose(action);
    if (action != CloseAction::None && app_.mainForm() == this) app_.terminate();
}

}  // namespace platform

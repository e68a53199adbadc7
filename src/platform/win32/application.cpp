#include "platform/win32/application.h"

#include <algorithm>

#include "platform/backends/keycodes.h"
#include "platform/errors.h"
#include "platform/system/paths.h"
#include "platform/win32/virtual_keys.h"

namespace platform {
namespace {
// How long the loop sleeps when nobody wants idle time: long enough to cost
// nothing, short enough that a quit request is seen at once anyway.
constexpr uint32_t kIdleSleepMs = 50;
}  // namespace

Application::Application(Backend& backend) : backend_(backend), gameFolder_(platform::gameFolder())
{
    active_ = backend_.window().hasFocus() || !backend_.window().visible();
    const Rect client = backend_.window().clientRect();
    clientOrigin_ = {client.left, client.top};
}

void Application::setGameFolder(std::string folder)
{
    if (!folder.empty() && folder.back() != '/') folder += '/';
    gameFolder_ = std::move(folder);
}

void Application::handleException(const std::exception& error)
{
    if (onException_) {
        onException_(error);
        return;
    }
    backend_.showError("Brindlecog", describeError(error));
}

int Application::hookMainWindow(MessageHook hook)
{
    hooks_.push_back({nextHookId_, std::move(hook)});
    return nextHookId_++;
}

void Application::unhookMainWindow(int id)
{
    std::erase_if(hooks_, [id](const Hook& h) { return h.id == id; });
}

void Application::minimize() { backend_.window().minimize(); }

void Application::run()
{
    if (mainForm_ && !terminated_) backend_.window().show();
    while (!terminated_) processMessages();
}

void Application::processMessages()
{
    Event event;
    while (!terminated_ && backend_.pollEvent(event)) {
        try {
            dispatchEvent(event);
        } catch (const std::exception& error) {
            handleException(error);
        }
    }
    if (terminated_) return;
    noticeProgramMove();

    if (onIdle_ && active_) {
        bool done = true;
        idleWaitMs_ = 0;
        try {
            // Copy: the handler may replace or remove itself.
            IdleHandler handler = onIdle_;
            handler(done);
        } catch (const std::exception& error) {
            handleException(error);
        }
        if (!done) {
            if (idleWaitMs_ > 0) backend_.waitEvents(idleWaitMs_);
            return;
        }
    }
    backend_.waitEvents(kIdleSleepMs);
}

void Application::dispatch(Message& message)
{
    // Copy: a hook may unhook itself or others.
    const auto hooks = hooks_;
    for (const auto& hook : hooks)
        if (hook.fn(message)) return;
    if (mainForm_) mainForm_->perform(message);
}

void Application::setActive(bool active)
{
    if (active == active_) return;
    active_ = active;
    Message m{WM_ACTIVATEAPP, active ? 1u : 0u, 0, 0};
    dispatch(m);
}

void Application::dispatchMove(int x, int y)
{
    clientOrigin_ = {x, y};
    Message m{WM_MOVE, 0, static_cast<intptr_t>((y & 0xFFFF) << 16 | (x & 0xFFFF)), 0};
    dispatch(m);
}

void Application::noticeProgramMove()
{
    const Rect client = backend_.window().clientRect();
    if (client.left == clientOrigin_.x && client.top == clientOrigin_.y) return;
    try {
        dispatchMove(client.left, client.top);
    } catch (const std::exception& error) {
        handleException(error);
    }
}

void Application::dispatchEvent(const Event& event)
{
    switch (event.type) {
    case EventType::KeyDown:
    case EventType::KeyUp: {
        const int key = dikToVirtualKey(event.key);
        if (key == 0) return;
        // Keys pressed while Alt is held are system keys, as on Windows.
        const auto& keys = backend_.input().keys;
        const bool alt = ((keys[dik::LMenu] | keys[dik::RMenu]) & 0x80) != 0;
        const bool down = event.type == EventType::KeyDown;
        const uint32_t msg = down ? (alt ? WM_SYSKEYDOWN : WM_KEYDOWN) : (alt ? WM_SYSKEYUP : WM_KEYUP);
        Message m{msg, static_cast<uintptr_t>(key), (alt ? KF_ALTDOWN_BIT : 0) | (event.repeat ? KF_REPEAT_BIT : 0), 0};
        dispatch(m);
        break;
    }
    case EventType::Close: {
        Message m{WM_CLOSE, 0, 0, 0};
        dispatch(m);
        break;
    }
    case EventType::FocusGained: setActive(true); break;
    case EventType::FocusLost: setActive(false); break;
    case EventType::Minimized: {
        setActive(false);
        Message m{WM_SIZE, SIZE_MINIMIZED, 0, 0};
        dispatch(m);
        break;
    }
    case EventType::Restored: {
        Message m{WM_SIZE, SIZE_RESTORED, 0, 0};
        dispatch(m);
        if (backend_.window().hasFocus()) setActive(true);
        break;
    }
    case EventType::Moved: dispatchMove(event.x, event.y); break;
    case EventType::DevicesChanged: break;
    }
}

}  // namespace platform

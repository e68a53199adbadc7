#include "platform/application.h"

#include <algorithm>

#include "platform/errors.h"
#include "platform/form.h"
#include "platform/keycodes.h"
#include "platform/paths.h"

namespace platform {
namespace {
// How long the loop sleeps when nobody wants idle time: long enough to cost
// nothing, short enough that a quit request is seen at once anyway.
constexpr uint32_t kIdleSleepMs = 50;
}  // namespace

Application::Application(Backend& backend) : backend_(backend), exeFolder_(executableFolder())
{
    active_ = backend_.window().hasFocus() || !backend_.window().visible();
}

void Application::setExeFolder(std::string folder)
{
    if (!folder.empty() && folder.back() != '/') folder += '/';
    exeFolder_ = std::move(folder);
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

void Application::dispatchEvent(const Event& event)
{
    switch (event.type) {
    case EventType::KeyDown: {
        const int key = dikToVirtualKey(event.key);
        if (key == 0) return;
        Message m{WM_KEYDOWN, static_cast<uintptr_t>(key), event.repeat ? (1 << 30) : 0, 0};
        dispatch(m);
        break;
    }
    case EventType::KeyUp: {
        const int key = dikToVirtualKey(event.key);
        if (key == 0) return;
        Message m{WM_KEYUP, static_cast<uintptr_t>(key), 0, 0};
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
    case EventType::Moved: {
        Message m{WM_MOVE, 0, static_cast<intptr_t>((event.y & 0xFFFF) << 16 | (event.x & 0xFFFF)), 0};
        dispatch(m);
        break;
    }
    case EventType::DevicesChanged: break;
    }
}

}  // namespace platform

#include "platform/backends/headless/headless_backend.h"

#include <algorithm>
#include <cstdio>

#include "platform/backends/pad_layout.h"
#include "platform/system/stop_signals.h"

namespace platform {

bool HeadlessBackend::pollEvent(Event& event)
{
    runDueActions();
    if (stopRequested() && !stopTaken_) {
        stopTaken_ = true;
        queue_.push_front({EventType::Close});
    }
    if (queue_.empty()) return false;
    event = queue_.front();
    queue_.pop_front();
    return true;
}

void HeadlessBackend::waitEvents(uint32_t timeoutMs)
{
    runDueActions();
    if (!queue_.empty()) return;
    const int64_t target = clock_.micros() + int64_t(timeoutMs) * 1000;
    int64_t until = target;
    if (!script_.empty()) until = std::min(until, script_.begin()->first);
    if (until > clock_.micros()) clock_.advanceMicros(until - clock_.micros());
    runDueActions();
}

void HeadlessBackend::showError(const std::string& title, const std::string& text)
{
    errors_.push_back(text);
    std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
}

void HeadlessBackend::advance(uint32_t ms)
{
    clock_.advanceMicros(int64_t(ms) * 1000);
    runDueActions();
}

void HeadlessBackend::at(uint32_t ms, Action action)
{
    script_.emplace(int64_t(ms) * 1000, std::move(action));
}

void HeadlessBackend::closeAfter(uint32_t ms)
{
    at(ms, [](HeadlessBackend& b) { b.requestClose(); });
}

void HeadlessBackend::runDueActions()
{
    while (!script_.empty() && script_.begin()->first <= clock_.micros()) {
        auto node = script_.extract(script_.begin());
        node.mapped()(*this);
    }
}

void HeadlessBackend::keyDown(uint8_t scanCode)
{
    const bool repeat = input_.keys[scanCode] != 0;
    input_.keys[scanCode] = 0x80;
    input_.pressed[scanCode] = 0x80;
    queue_.push_back({EventType::KeyDown, scanCode, repeat});
}

void HeadlessBackend::keyUp(uint8_t scanCode)
{
    input_.keys[scanCode] = 0;
    queue_.push_back({EventType::KeyUp, scanCode});
}

void HeadlessBackend::mouseMove(int dx, int dy)
{
    input_.mouse.dx += dx;
    input_.mouse.dy += dy;
}

void HeadlessBackend::mouseButton(int button, bool down)
{
    if (button < 0 || button >= 4) return;
    const auto i = static_cast<std::size_t>(button);
    input_.mouse.buttons[i] = down ? 0x80 : 0;
    if (down) input_.mouse.pressed[i] = 0x80;
}

void HeadlessBackend::mouseWheel(int delta) { input_.mouse.wheel += delta; }

void HeadlessBackend::addJoystick(RawJoystick joystick)
{
    input_.joysticks.push_back(std::move(joystick));
    queue_.push_back({EventType::DevicesChanged});
}

void HeadlessBackend::removeJoystick(int instanceId)
{
    std::erase_if(input_.joysticks, [instanceId](const RawJoystick& j) { return j.instanceId == instanceId; });
    queue_.push_back({EventType::DevicesChanged});
}

void HeadlessBackend::joystickButton(int instanceId, int button, bool down)
{
    if (button < 0 || button >= 32) return;
    for (RawJoystick& j : input_.joysticks) {
        if (j.instanceId != instanceId) continue;
        j.buttons[static_cast<std::size_t>(button)] = down ? 0x80 : 0;
        if (const uint8_t key = j.gameController ? pad::keyFor(button) : 0)
            queue_.push_back({down ? EventType::KeyDown : EventType::KeyUp, key});
    }
}

void HeadlessBackend::loseFocus()
{
    window_.setFocus(false);
    queue_.push_back({EventType::FocusLost});
}

void HeadlessBackend::gainFocus()
{
    window_.setFocus(true);
    window_.setMinimized(false);
    queue_.push_back({EventType::FocusGained});
}

void HeadlessBackend::minimize()
{
    window_.minimize();
    queue_.push_back({EventType::Minimized});
}

void HeadlessBackend::restore()
{
    window_.setMinimized(false);
    window_.setFocus(true);
    queue_.push_back({EventType::Restored});
}

void HeadlessBackend::moveWindow(int x, int y)
{
    Rect b = window_.bounds();
    const int w = b.width(), h = b.height();
    window_.setBounds({x, y, x + w, y + h});
    const Rect c = window_.clientRect();
    queue_.push_back({EventType::Moved, 0, false, c.left, c.top});
}

void HeadlessBackend::requestClose() { queue_.push_back({EventType::Close}); }

}  // namespace platform

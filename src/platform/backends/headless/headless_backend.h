#pragma once
// The backend of the tests: no display, no sound card, a clock that moves only
// when the program waits or a test moves it, and a script of input and window
// events that fire at chosen moments.
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/backends/backend.h"
#include "platform/backends/headless/headless_audio.h"
#include "platform/backends/headless/headless_clock.h"
#include "platform/backends/headless/headless_video.h"
#include "platform/backends/headless/headless_window.h"

namespace platform {

class HeadlessBackend final : public Backend {
public:
    using Action = std::function<void(HeadlessBackend&)>;

    HeadlessBackend() = default;

    Clock& clock() override { return clock_; }
    Window& window() override { return window_; }
    VideoOutput& video() override { return video_; }
    AudioOutput& audio() override { return audio_; }
    RawInput& input() override { return input_; }
    bool pollEvent(Event& event) override;
    // Waiting is where time passes: the clock jumps to the timeout or to the
    // next scripted action, whichever comes first.
    void waitEvents(uint32_t timeoutMs) override;
    void showError(const std::string& title, const std::string& text) override;

    HeadlessClock& headlessClock() { return clock_; }
    HeadlessWindow& headlessWindow() { return window_; }
    HeadlessVideo& headlessVideo() { return video_; }
    HeadlessAudio& headlessAudio() { return audio_; }

    // Time.
    uint32_t now() const { return static_cast<uint32_t>(clock_.micros() / 1000); }
    void advance(uint32_t ms);
    // Runs `action` when the clock reaches `ms` (at once if it has).
    void at(uint32_t ms, Action action);
    // After `ms` the window is asked to close, so a run always ends.
    void closeAfter(uint32_t ms);

    // Input, as a player would give it.
    void keyDown(uint8_t scanCode);
    void keyUp(uint8_t scanCode);
    void mouseMove(int dx, int dy);
    void mouseButton(int button, bool down);
    void mouseWheel(int delta);
    void addJoystick(RawJoystick joystick);
    void removeJoystick(int instanceId);
    // A button of an attached joystick; on a mapped pad, Start and Back also
    // press their keys as the SDL backend does.
    void joystickButton(int instanceId, int button, bool down);

    // Window events.
    void loseFocus();
    void gainFocus();
    void minimize();
    void restore();
    void moveWindow(int x, int y);
    // The player drags the window's edges: the picture is scaled, the game's
    // client area stays the size it asked for.
    void resizeWindow(int width, int height) { window_.resizeByPlayer(width, height); }
    void requestClose();
    void post(const Event& event) { queue_.push_back(event); }

    // Errors the program showed.
    const std::vector<std::string>& errors() const { return errors_; }

private:
    void runDueActions();

    HeadlessClock clock_;
    HeadlessWindow window_;
    HeadlessVideo video_{&window_};
    HeadlessAudio audio_;
    RawInput input_;
    std::deque<Event> queue_;
    std::multimap<int64_t, Action> script_;  // by microsecond
    std::vector<std::string> errors_;
    bool stopTaken_ = false;  // a stop signal became a close command
};

}  // namespace platform

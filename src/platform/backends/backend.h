#pragma once
// Everything the platform layer needs from the machine, behind one interface:
// the SDL2 backend for players, the headless backend for tests.
#include <cstdint>
#include <string>

#include "platform/backends/audio.h"
#include "platform/backends/clock.h"
#include "platform/backends/events.h"
#include "platform/backends/raw_input.h"
#include "platform/backends/video.h"
#include "platform/backends/window.h"

namespace platform {

class Backend {
public:
    virtual ~Backend() = default;

    virtual Clock& clock() = 0;
    virtual Window& window() = 0;
    virtual VideoOutput& video() = 0;
    virtual AudioOutput& audio() = 0;
    virtual RawInput& input() = 0;

    // Takes the next pending event, if any.
    virtual bool pollEvent(Event& event) = 0;
    // Returns when an event is pending or `timeoutMs` has passed.
    virtual void waitEvents(uint32_t timeoutMs) = 0;

    // Looks for joysticks and pads connected since the last look.
    virtual void rescanDevices() {}

    // A modal error dialog (and the same line on stderr).
    virtual void showError(const std::string& title, const std::string& text) = 0;
};

}  // namespace platform

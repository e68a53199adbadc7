#pragma once
// Keeps RawInput up to date from SDL's events: keys by DirectInput scan code,
// mouse motion accumulated until read, joysticks and pads.
#include <SDL.h>

#include <cstdint>

#include "platform/raw_input.h"

namespace platform {

// The DirectInput scan code of an SDL scancode, 0 for keys DirectInput lacks.
uint8_t sdlScancodeToDik(SDL_Scancode scancode);

class SdlInput {
public:
    explicit SdlInput(RawInput& state) : state_(state) {}
    ~SdlInput();
    SdlInput(const SdlInput&) = delete;
    SdlInput& operator=(const SdlInput&) = delete;

    // Updates the state from one event; true when the event was an input event.
    bool handle(const SDL_Event& event);
    // Releases every key and button (focus left the window).
    void releaseAll();
    void rescanDevices();

private:
    RawInput& state_;
};

}  // namespace platform

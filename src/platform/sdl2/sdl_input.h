#pragma once
// Keeps RawInput up to date from SDL's events: keys by DirectInput scan code,
// mouse motion accumulated until read, joysticks and pads.
#include <SDL.h>

#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

#include "platform/events.h"
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
    // Pads plugged in or out are opened or closed here as they come and go.
    bool handle(const SDL_Event& event);
    // Releases every key and button (focus left the window).
    void releaseAll();
    // Opens every joystick and pad not open yet. The first call starts
    // SDL's joystick and game-controller subsystems.
    void rescanDevices();
    // Picture pixels per window unit of mouse motion (the picture is scaled).
    void setMotionScale(double scale) { motionScale_ = scale; }
    // Key presses that pad buttons stand for (Start, Back), oldest first.
    bool takePadKey(Event& event);

private:
    struct CloseJoystick {
        void operator()(SDL_Joystick* j) const { SDL_JoystickClose(j); }
    };
    struct CloseController {
        void operator()(SDL_GameController* c) const { SDL_GameControllerClose(c); }
    };
    // Pads SDL knows as game controllers are opened as such, so their
    // stick and face buttons land in the same places whatever the model.
    struct Pad {
        SDL_JoystickID id;
        std::unique_ptr<SDL_GameController, CloseController> controller;
        std::unique_ptr<SDL_Joystick, CloseJoystick> joystick;
    };

    bool startPads();
    bool handlePad(const SDL_Event& event);
    void openPad(int deviceIndex);
    void closePad(SDL_JoystickID id);
    // Reads the whole pad again from SDL into its raw record.
    void refreshPad(const Pad& pad);
    void refreshAllPads();
    RawJoystick* rawPad(SDL_JoystickID id);

    void addMotion(int xrel, int yrel);
    void pointerMoved(const SDL_MouseMotionEvent& motion);
    void padButtonChanged(SDL_GameControllerButton button, bool down);

    RawInput& state_;
    double motionScale_ = 1.0;
    // Motion smaller than a picture pixel, kept for the next event.
    double motionRestX_ = 0.0;
    double motionRestY_ = 0.0;
    // Where the unpinned pointer was last seen, in window pixels.
    bool pointerSeen_ = false;
    int pointerX_ = 0;
    int pointerY_ = 0;
    std::deque<Event> padKeys_;
    bool padsStarted_ = false;
    bool padsUnavailable_ = false;
    std::vector<Pad> pads_;
};

}  // namespace platform

#pragma once
// Keeps RawInput up to date from SDL's events: keys by DirectInput scan code,
// mouse motion accumulated until read, joysticks and pads.
#include <SDL.h>

#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

#include "platform/backends/events.h"
#include "platform/backends/raw_input.h"
#include "platform/backends/sdl2/picture_mapping.h"

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
    // How window positions land on the picture (it is shown scaled).
    void setPointerMapping(const PictureMapping& mapping) { mapping_ = mapping; }
    // Where the pointer cannot be pinned (a page), the game's cursor is kept
    // under the visible pointer instead of only moving with it.
    void setFollowPointer(bool follow) { followPointer_ = follow; }
    // Called before events are read: finishes a line-up once the game has
    // read the motion that sent its cursor into the corner.
    void settle();
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
    void followedPointerMoved(const SDL_MouseMotionEvent& motion);
    void buttonChanged(const SDL_MouseButtonEvent& button);
    void pressedAt(const SDL_MouseButtonEvent& button);
    void startLineUp();
    void padButtonChanged(SDL_GameControllerButton button, bool down);

    RawInput& state_;
    PictureMapping mapping_;
    // Motion smaller than a picture pixel, kept for the next event.
    double motionRestX_ = 0.0;
    double motionRestY_ = 0.0;
    // Where the unpinned pointer was last seen, in window pixels.
    bool pointerSeen_ = false;
    int pointerX_ = 0;
    int pointerY_ = 0;
    // A followed pointer: the game's cursor only moves by motion, and the
    // game puts it where it likes (a new screen), so it is lined up where the
    // pointer comes in and at every press, in steps the game reads one
    // after the other: motion far past the corner, then the pointer's
    // position, then the buttons (the game looks at a press before it moves
    // its cursor). Then motion is what
    // the pointer did within the picture, and a pointer going past an edge
    // pushes the cursor against it, which lines that side up again.
    bool followPointer_ = false;
    enum class LineUp { None, Corner, Pointer };
    LineUp lineUp_ = LineUp::None;
    std::deque<SDL_MouseButtonEvent> heldButtons_;
    double followedX_ = 0.0;  // the pointer within the picture, in picture pixels
    double followedY_ = 0.0;
    bool pastX_ = false;  // pushed against a side, until the pointer is back in
    bool pastY_ = false;
    std::deque<Event> padKeys_;
    bool padsStarted_ = false;
    bool padsUnavailable_ = false;
    std::vector<Pad> pads_;
};

}  // namespace platform

#include "platform/sdl2/sdl_input.h"

#include <array>
#include <cmath>

#include "platform/sdl2/sdl_scancodes.h"

namespace platform {
namespace {

int mouseButtonIndex(uint8_t sdlButton)
{
    switch (sdlButton) {
    case SDL_BUTTON_LEFT: return 0;
    case SDL_BUTTON_RIGHT: return 1;
    case SDL_BUTTON_MIDDLE: return 2;
    case SDL_BUTTON_X1: return 3;
    default: return -1;
    }
}

}  // namespace

uint8_t sdlScancodeToDik(SDL_Scancode scancode) { return dikFromSdlScancode(scancode); }

SdlInput::~SdlInput()
{
    pads_.clear();
    if (padsStarted_) SDL_QuitSubSystem(SDL_INIT_JOYSTICK | SDL_INIT_GAMECONTROLLER);
}

bool SdlInput::handle(const SDL_Event& event)
{
    switch (event.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
        const uint8_t code = sdlScancodeToDik(event.key.keysym.scancode);
        if (code) state_.keys[code] = event.type == SDL_KEYDOWN ? 0x80 : 0;
        if (code && event.type == SDL_KEYDOWN) state_.pressed[code] = 0x80;
        return true;
    }
    case SDL_MOUSEMOTION: pointerMoved(event.motion); return true;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
        const int i = mouseButtonIndex(event.button.button);
        if (i >= 0) {
            const bool down = event.type == SDL_MOUSEBUTTONDOWN;
            state_.mouse.buttons[static_cast<std::size_t>(i)] = down ? 0x80 : 0;
            if (down) state_.mouse.pressed[static_cast<std::size_t>(i)] = 0x80;
        }
        return true;
    }
    case SDL_MOUSEWHEEL:
        state_.mouse.wheel += event.wheel.y * 120;
        return true;
    case SDL_WINDOWEVENT:
        // Pad events are not delivered in the background; catch up on return.
        if (event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) refreshAllPads();
        return false;
    default: return handlePad(event);
    }
}

void SdlInput::addMotion(int xrel, int yrel)
{
    motionRestX_ += xrel * motionScale_;
    motionRestY_ += yrel * motionScale_;
    const double x = std::trunc(motionRestX_), y = std::trunc(motionRestY_);
    motionRestX_ -= x;
    motionRestY_ -= y;
    state_.mouse.dx += static_cast<int>(x);
    state_.mouse.dy += static_cast<int>(y);
}

void SdlInput::pointerMoved(const SDL_MouseMotionEvent& motion)
{
    if (SDL_GetRelativeMouseMode()) {
        pointerSeen_ = false;
        addMotion(motion.xrel, motion.yrel);
        return;
    }
    // An unpinned pointer may leave the window and come back elsewhere; SDL
    // then starts its relative motion afresh, and the game's cursor would
    // stay behind. Measured from where the pointer was last seen, the
    // cursor follows it there.
    if (pointerSeen_) addMotion(motion.x - pointerX_, motion.y - pointerY_);
    pointerSeen_ = true;
    pointerX_ = motion.x;
    pointerY_ = motion.y;
}

bool SdlInput::takePadKey(Event& event)
{
    if (padKeys_.empty()) return false;
    event = padKeys_.front();
    padKeys_.pop_front();
    return true;
}

void SdlInput::releaseAll()
{
    motionRestX_ = motionRestY_ = 0.0;
    state_.keys.fill(0);
    state_.pressed.fill(0);
    state_.mouse = RawMouse{};
    for (RawJoystick& pad : state_.joysticks) {
        pad.axes.fill(0);
        pad.povs.fill(-1);
        pad.buttons.fill(0);
    }
}

}  // namespace platform

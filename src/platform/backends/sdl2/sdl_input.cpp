#include "platform/backends/sdl2/sdl_input.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "platform/backends/sdl2/sdl_scancodes.h"

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
    case SDL_MOUSEBUTTONUP:
        if (event.type == SDL_MOUSEBUTTONDOWN) pressedAt(event.button);
        if (lineUp_ != LineUp::None)
            heldButtons_.push_back(event.button);
        else
            buttonChanged(event.button);
        return true;
    case SDL_MOUSEWHEEL:
        state_.mouse.wheel += event.wheel.y * 120;
        return true;
    case SDL_WINDOWEVENT:
        // Pad events are not delivered in the background; catch up on return.
        if (event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) refreshAllPads();
        if (event.window.event == SDL_WINDOWEVENT_LEAVE) pointerSeen_ = false;
        return false;
    default: return handlePad(event);
    }
}

void SdlInput::buttonChanged(const SDL_MouseButtonEvent& button)
{
    const int i = mouseButtonIndex(button.button);
    if (i < 0) return;
    const bool down = button.type == SDL_MOUSEBUTTONDOWN;
    state_.mouse.buttons[static_cast<std::size_t>(i)] = down ? 0x80 : 0;
    if (down) state_.mouse.pressed[static_cast<std::size_t>(i)] = 0x80;
}

void SdlInput::addMotion(int xrel, int yrel)
{
    motionRestX_ += xrel * mapping_.scale;
    motionRestY_ += yrel * mapping_.scale;
    const double x = std::trunc(motionRestX_), y = std::trunc(motionRestY_);
    motionRestX_ -= x;
    motionRestY_ -= y;
    state_.mouse.dx += static_cast<int>(x);
    state_.mouse.dy += static_cast<int>(y);
}

namespace {

// Far enough past any side that the game's cursor stops against it,
// wherever the game had put it.
constexpr int kFar = 1 << 20;

}  // namespace

void SdlInput::pointerMoved(const SDL_MouseMotionEvent& motion)
{
    if (SDL_GetRelativeMouseMode()) {
        pointerSeen_ = false;
        addMotion(motion.xrel, motion.yrel);
        return;
    }
    if (followPointer_) {
        followedPointerMoved(motion);
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

void SdlInput::followedPointerMoved(const SDL_MouseMotionEvent& motion)
{
    const bool entered = !pointerSeen_;
    pointerSeen_ = true;
    pointerX_ = motion.x;
    pointerY_ = motion.y;
    if (entered) startLineUp();
    if (lineUp_ == LineUp::Corner) return;
    const double x = mapping_.pictureX(motion.x), y = mapping_.pictureY(motion.y);
    const double inX = std::clamp(x, 0.0, mapping_.width - 1.0), inY = std::clamp(y, 0.0, mapping_.height - 1.0);
    motionRestX_ += inX - followedX_;
    motionRestY_ += inY - followedY_;
    followedX_ = inX;
    followedY_ = inY;
    const double dx = std::trunc(motionRestX_), dy = std::trunc(motionRestY_);
    motionRestX_ -= dx;
    motionRestY_ -= dy;
    state_.mouse.dx += static_cast<int>(dx);
    state_.mouse.dy += static_cast<int>(dy);
    const bool pastX = x != inX, pastY = y != inY;
    if (pastX && !pastX_) state_.mouse.dx += x < 0 ? -kFar : kFar;
    if (pastY && !pastY_) state_.mouse.dy += y < 0 ? -kFar : kFar;
    pastX_ = pastX;
    pastY_ = pastY;
}

void SdlInput::pressedAt(const SDL_MouseButtonEvent& button)
{
    // The game moves its cursor by itself (a new screen, the keys), and a
    // touch screen's finger comes down anywhere without moving there first:
    // each press lines the cursor up under the pointer before it counts.
    if (!followPointer_ || lineUp_ != LineUp::None || SDL_GetRelativeMouseMode()) return;
    pointerSeen_ = true;
    pointerX_ = button.x;
    pointerY_ = button.y;
    startLineUp();
}

void SdlInput::startLineUp()
{
    state_.mouse.dx = -kFar;
    state_.mouse.dy = -kFar;
    motionRestX_ = motionRestY_ = 0.0;
    lineUp_ = LineUp::Corner;
}

void SdlInput::settle()
{
    // The reader clears the motion it takes, so none left means the game
    // has read the last step.
    if (lineUp_ == LineUp::None || state_.mouse.dx != 0 || state_.mouse.dy != 0) return;
    if (lineUp_ == LineUp::Corner) {
        // The cursor is in the corner now: on to the pointer. Nothing else
        // was added meanwhile.
        lineUp_ = LineUp::Pointer;
        followedX_ = followedY_ = 0.0;
        pastX_ = pastY_ = true;  // the cursor sits against both sides already
        SDL_MouseMotionEvent here{};
        here.x = pointerX_;
        here.y = pointerY_;
        followedPointerMoved(here);
        return;
    }
    // The cursor is under the pointer: the buttons count from here, a read
    // later, since the game looks at a press before it moves its cursor.
    lineUp_ = LineUp::None;
    for (const SDL_MouseButtonEvent& button : heldButtons_) buttonChanged(button);
    heldButtons_.clear();
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
    lineUp_ = LineUp::None;
    heldButtons_.clear();
    pointerSeen_ = false;
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

// Joysticks and game pads for SdlInput: opened when SDL reports them, read
// back whole into RawInput whenever one of them changes.
#include <algorithm>
#include <string>

#include "platform/backends/pad_layout.h"
#include "platform/backends/sdl2/sdl_input.h"

namespace platform {
namespace {

constexpr int kMaxAxes = 8, kMaxButtons = 32, kMaxPovs = 4;

// Game-controller buttons in the order of pad::Button.
constexpr SDL_GameControllerButton kControllerButtons[] = {
    SDL_CONTROLLER_BUTTON_A,         SDL_CONTROLLER_BUTTON_B,          SDL_CONTROLLER_BUTTON_X,
    SDL_CONTROLLER_BUTTON_Y,         SDL_CONTROLLER_BUTTON_LEFTSHOULDER, SDL_CONTROLLER_BUTTON_RIGHTSHOULDER,
    SDL_CONTROLLER_BUTTON_BACK,      SDL_CONTROLLER_BUTTON_START,      SDL_CONTROLLER_BUTTON_LEFTSTICK,
    SDL_CONTROLLER_BUTTON_RIGHTSTICK, SDL_CONTROLLER_BUTTON_GUIDE,
};
constexpr int kControllerButtonCount = static_cast<int>(std::size(kControllerButtons));
static_assert(kControllerButtonCount == pad::ButtonCount);
static_assert(kControllerButtons[pad::Start] == SDL_CONTROLLER_BUTTON_START);

// The pad::Button of a game-controller button, -1 for the d-pad and others.
int padButtonOf(uint8_t button)
{
    for (int i = 0; i < kControllerButtonCount; ++i)
        if (kControllerButtons[i] == button) return i;
    return -1;
}

// A hat as a point-of-view angle in hundredths of a degree, -1 when centred.
int32_t hatToPov(uint8_t hat)
{
    switch (hat) {
    case SDL_HAT_UP: return 0;
    case SDL_HAT_RIGHTUP: return 4500;
    case SDL_HAT_RIGHT: return 9000;
    case SDL_HAT_RIGHTDOWN: return 13500;
    case SDL_HAT_DOWN: return 18000;
    case SDL_HAT_LEFTDOWN: return 22500;
    case SDL_HAT_LEFT: return 27000;
    case SDL_HAT_LEFTUP: return 31500;
    default: return -1;
    }
}

uint8_t pressed(bool down) { return down ? 0x80 : 0; }

std::string orEmpty(const char* text) { return text ? text : ""; }

}  // namespace

bool SdlInput::startPads()
{
    if (padsStarted_) return true;
    if (padsUnavailable_) return false;
    // A machine without joystick support still plays with keyboard and mouse.
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK | SDL_INIT_GAMECONTROLLER) != 0) {
        padsUnavailable_ = true;
        return false;
    }
    padsStarted_ = true;
    return true;
}

void SdlInput::rescanDevices()
{
    if (!startPads()) return;
    const int count = SDL_NumJoysticks();
    for (int i = 0; i < count; ++i) openPad(i);
}

RawJoystick* SdlInput::rawPad(SDL_JoystickID id)
{
    const auto it = std::find_if(state_.joysticks.begin(), state_.joysticks.end(),
                                 [id](const RawJoystick& j) { return j.instanceId == id; });
    return it == state_.joysticks.end() ? nullptr : &*it;
}

void SdlInput::openPad(int deviceIndex)
{
    const SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(deviceIndex);
    if (id < 0 || rawPad(id)) return;

    Pad pad{id, nullptr, nullptr};
    RawJoystick raw;
    raw.instanceId = id;
    if (SDL_IsGameController(deviceIndex)) pad.controller.reset(SDL_GameControllerOpen(deviceIndex));
    if (pad.controller) {
        raw.gameController = true;
        raw.name = orEmpty(SDL_GameControllerName(pad.controller.get()));
        raw.numAxes = pad::kAxisCount;
        raw.numButtons = kControllerButtonCount;
        raw.numPovs = 1;  // the d-pad
    } else {
        pad.joystick.reset(SDL_JoystickOpen(deviceIndex));
        if (!pad.joystick) return;
        SDL_Joystick* j = pad.joystick.get();
        raw.name = orEmpty(SDL_JoystickName(j));
        raw.numAxes = std::clamp(SDL_JoystickNumAxes(j), 0, kMaxAxes);
        raw.numButtons = std::clamp(SDL_JoystickNumButtons(j), 0, kMaxButtons);
        raw.numPovs = std::clamp(SDL_JoystickNumHats(j), 0, kMaxPovs);
    }
    raw.product = raw.name;
    state_.joysticks.push_back(std::move(raw));
    pads_.push_back(std::move(pad));
    refreshPad(pads_.back());
}

void SdlInput::closePad(SDL_JoystickID id)
{
    std::erase_if(pads_, [id](const Pad& p) { return p.id == id; });
    std::erase_if(state_.joysticks, [id](const RawJoystick& j) { return j.instanceId == id; });
}

void SdlInput::refreshPad(const Pad& pad)
{
    RawJoystick* raw = rawPad(pad.id);
    if (!raw) return;
    if (SDL_GameController* c = pad.controller.get()) {
        auto axis = [c](SDL_GameControllerAxis a) { return static_cast<int32_t>(SDL_GameControllerGetAxis(c, a)); };
        auto held = [c](SDL_GameControllerButton b) { return SDL_GameControllerGetButton(c, b) != 0; };
        // The d-pad moves the cursor as the stick does.
        raw->axes[0] = pad::stickOrDpad(axis(SDL_CONTROLLER_AXIS_LEFTX), held(SDL_CONTROLLER_BUTTON_DPAD_LEFT),
                                        held(SDL_CONTROLLER_BUTTON_DPAD_RIGHT));
        raw->axes[1] = pad::stickOrDpad(axis(SDL_CONTROLLER_AXIS_LEFTY), held(SDL_CONTROLLER_BUTTON_DPAD_UP),
                                        held(SDL_CONTROLLER_BUTTON_DPAD_DOWN));
        raw->axes[2] = std::clamp(axis(SDL_CONTROLLER_AXIS_TRIGGERLEFT) - axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT),
                                  -32768, 32767);
        raw->axes[3] = axis(SDL_CONTROLLER_AXIS_RIGHTX);
        raw->axes[4] = axis(SDL_CONTROLLER_AXIS_RIGHTY);
        for (int i = 0; i < kControllerButtonCount; ++i)
            raw->buttons[static_cast<std::size_t>(i)] = pressed(SDL_GameControllerGetButton(c, kControllerButtons[i]));
        uint8_t hat = SDL_HAT_CENTERED;
        if (held(SDL_CONTROLLER_BUTTON_DPAD_UP)) hat |= SDL_HAT_UP;
        if (held(SDL_CONTROLLER_BUTTON_DPAD_DOWN)) hat |= SDL_HAT_DOWN;
        if (held(SDL_CONTROLLER_BUTTON_DPAD_LEFT)) hat |= SDL_HAT_LEFT;
        if (held(SDL_CONTROLLER_BUTTON_DPAD_RIGHT)) hat |= SDL_HAT_RIGHT;
        raw->povs[0] = hatToPov(hat);
        return;
    }
    SDL_Joystick* j = pad.joystick.get();
    for (int i = 0; i < raw->numAxes; ++i) raw->axes[static_cast<std::size_t>(i)] = SDL_JoystickGetAxis(j, i);
    for (int i = 0; i < raw->numButtons; ++i)
        raw->buttons[static_cast<std::size_t>(i)] = pressed(SDL_JoystickGetButton(j, i));
    for (int i = 0; i < raw->numPovs; ++i) raw->povs[static_cast<std::size_t>(i)] = hatToPov(SDL_JoystickGetHat(j, i));
}

void SdlInput::padButtonChanged(SDL_GameControllerButton button, bool down)
{
    if (const uint8_t key = pad::keyFor(padButtonOf(static_cast<uint8_t>(button))))
        padKeys_.push_back({down ? EventType::KeyDown : EventType::KeyUp, key});
}

void SdlInput::refreshAllPads()
{
    for (const Pad& pad : pads_) refreshPad(pad);
}

bool SdlInput::handlePad(const SDL_Event& event)
{
    SDL_JoystickID changed;
    switch (event.type) {
    case SDL_JOYDEVICEADDED:
        if (startPads()) openPad(event.jdevice.which);
        return true;
    case SDL_JOYDEVICEREMOVED: closePad(event.jdevice.which); return true;
    case SDL_CONTROLLERDEVICEREMOVED: closePad(event.cdevice.which); return true;
    case SDL_CONTROLLERDEVICEADDED:  // also reported as a joystick, opened there
        return true;
    case SDL_JOYAXISMOTION: changed = event.jaxis.which; break;
    case SDL_JOYBUTTONDOWN:
    case SDL_JOYBUTTONUP: changed = event.jbutton.which; break;
    case SDL_JOYHATMOTION: changed = event.jhat.which; break;
    case SDL_JOYBALLMOTION: return true;
    case SDL_CONTROLLERAXISMOTION: changed = event.caxis.which; break;
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP:
        changed = event.cbutton.which;
        padButtonChanged(static_cast<SDL_GameControllerButton>(event.cbutton.button),
                         event.type == SDL_CONTROLLERBUTTONDOWN);
        break;
    default: return false;
    }
    for (const Pad& pad : pads_)
        if (pad.id == changed) refreshPad(pad);
    return true;
}

}  // namespace platform

#include "gui/controller_input.h"

using engine::input::TInputState;
using engine::input::TInputStates;

TFXStateBits TFXControllerInput::Bits(const TInputStates& states) {
    TFXStateBits bits = 0;
    for (int s = 0; s < engine::input::kInputStateCount; ++s)
        if (states.Contains(static_cast<TInputState>(s))) bits |= TFXStateBits{1} << s;
    return bits;
}

TFXStateBits TFXControllerInput::States() const { return Bits(FController.States()); }

// Devices the controller was told not to use are simply idle.
TFXStateBits TFXControllerInput::MouseStates() const {
    const auto* mouse = FController.Mouse();
    return mouse ? Bits(mouse->States) : 0;
}

int TFXControllerInput::MouseDeltaX() const {
    const auto* mouse = FController.Mouse();
    return mouse ? mouse->DeltaX : 0;
}

int TFXControllerInput::MouseDeltaY() const {
    const auto* mouse = FController.Mouse();
    return mouse ? mouse->DeltaY : 0;
}

TFXStateBits TFXControllerInput::KeyboardStates() const {
    const auto* keyboard = FController.Keyboard();
    return keyboard ? Bits(keyboard->States) : 0;
}

bool TFXControllerInput::KeyDown(int code) const {
    const auto* keyboard = FController.Keyboard();
    return keyboard && keyboard->KeyDown(code);
}

TFXStateBits TFXControllerInput::FirstJoystickStates() const {
    const auto* pad = FController.FirstJoystick();
    return pad ? Bits(pad->States) : 0;
}

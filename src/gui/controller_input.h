#pragma once
// The GUI's view of the engine's input controller: the devices' own states
// (the GUI reads them directly, not only the combined set) and the keys.
#include "engine/input/input_controller.h"
#include "gui/gui_ports.h"

class TFXControllerInput final : public TFXInput {
public:
    explicit TFXControllerInput(engine::input::TDInputController& controller) : FController(controller) {}

    TFXStateBits States() const override;
    TFXStateBits MouseStates() const override;
    int MouseDeltaX() const override;
    int MouseDeltaY() const override;
    TFXStateBits KeyboardStates() const override;
    bool KeyDown(int code) const override;
    int JoystickCount() const override { return FController.JoystickCount(); }
    TFXStateBits FirstJoystickStates() const override;

    // The set as bits, 0 up .. 4 the first button and on.
    static TFXStateBits Bits(const engine::input::TInputStates& states);

private:
    engine::input::TDInputController& FController;
};

#pragma once
// The mouse: movement since the previous read and three buttons. It stays
// out of the controller's combined states until a user enables it, because
// a resting hand on the mouse would otherwise fight the keys.
#include <array>
#include <cstdint>
#include <memory>

#include "engine/input/dinput_binding.h"
#include "engine/input/input_states.h"
#include "platform/win32/dinput/dinput_types.h"

namespace engine::input {

class TDMouse {
public:
    explicit TDMouse(std::unique_ptr<TDInputDevice> device) : Device(std::move(device)) {}

    // Reads movement and buttons and rebuilds States.
    void Poll();

    std::unique_ptr<TDInputDevice> Device;
    di::DIMOUSESTATE State;
    TInputStates States;
    bool Enabled = false;
    int32_t DeltaX = 0;
    int32_t DeltaY = 0;
    int32_t DeltaZ = 0;
    std::array<bool, 3> Buttons{};  // left, right, middle
};

}  // namespace engine::input

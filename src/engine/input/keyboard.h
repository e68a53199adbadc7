#pragma once
// The keyboard: the 256 key bytes by DirectInput scan code, and the key map
// that turns held keys into input states (up to three keys per state).
#include <array>
#include <cstdint>
#include <memory>

#include "engine/input/dinput_binding.h"
#include "engine/input/input_states.h"

namespace engine::input {

class TDKeyBoard {
public:
    static constexpr int kKeysPerState = 3;
    using TKeyMap = std::array<std::array<int32_t, kKeysPerState>, kInputStateCount>;

    explicit TDKeyBoard(std::unique_ptr<TDInputDevice> device) : Device(std::move(device)) {}

    // Arrows for the directions, Space and Return for the first two buttons;
    // every other entry 0, a code no key ever reads as down.
    void SetDefaultKeyMap();
    // False for codes outside 0..255.
    bool KeyDown(int Code) const;
    // Reads the keys and rebuilds States from the key map.
    void Poll();

    std::unique_ptr<TDInputDevice> Device;
    std::array<uint8_t, 256> Keys{};
    TInputStates States;
    bool Enabled = true;
    TKeyMap KeyMap{};
};

}  // namespace engine::input

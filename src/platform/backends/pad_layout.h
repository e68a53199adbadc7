#pragma once
// A mapped game pad as the joystick layer sees it, whatever the model: the
// left stick (or the d-pad) on x and y, and the buttons in this order, face
// buttons first as pads number them for DirectInput.
#include <cstdint>

namespace platform::pad {

enum Button : int {
    A, B, X, Y, LeftShoulder, RightShoulder, Back, Start, LeftStick, RightStick, Guide,
    ButtonCount
};

// x, y: left stick or d-pad; z: the two triggers on one axis; rx, ry: right stick.
inline constexpr int kAxisCount = 5;

// The keyboard key (a DirectInput scan code) a button of a mapped pad also
// presses, 0 for none: Start pauses as F2 does, Back is Escape.
uint8_t keyFor(int button);

// An axis of a pad from its stick and the two d-pad buttons along it: the
// d-pad, when held, pushes all the way.
int32_t stickOrDpad(int32_t stick, bool towardsMinus, bool towardsPlus);

}  // namespace platform::pad

#include "engine/input/mouse.h"

namespace engine::input {

void TDMouse::Poll()
{
    State = {};
    if (Device) ReadDeviceState(*Device, sizeof State, &State);
    States.Clear();
    DeltaX = State.lX;
    DeltaY = State.lY;
    DeltaZ = State.lZ;
    for (std::size_t i = 0; i < Buttons.size(); ++i) Buttons[i] = (State.rgbButtons[i] & 0x80) != 0;
    if (DeltaX < 0) States.Include(stLeft);
    if (DeltaX > 0) States.Include(stRight);
    if (DeltaY < 0) States.Include(stUp);
    if (DeltaY > 0) States.Include(stDown);
    if (Buttons[0]) States.Include(stButton1);
    if (Buttons[1]) States.Include(stButton2);
    if (Buttons[2]) States.Include(stButton3);
}

}  // namespace engine::input

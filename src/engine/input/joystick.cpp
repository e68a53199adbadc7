#include "engine/input/joystick.h"

namespace engine::input {

TDJoystick::TDJoystick(const di::GUID& instanceGuid, std::string instanceName, std::string productName)
    : InstanceGuid(instanceGuid), InstanceName(std::move(instanceName)), ProductName(std::move(productName))
{
}

void TDJoystick::Open(TDInput& DInput, platform::Window& Window)
{
    Device = DInput.CreateDevice(InstanceGuid);
    Device->SetDataFormat(di::c_dfDIJoystick);
    Device->SetCooperativeLevel(&Window, di::DISCL_NONEXCLUSIVE | di::DISCL_FOREGROUND);
    HasX = Device->ObjectExists(di::DIJOFS_X);
    HasY = Device->ObjectExists(di::DIJOFS_Y);
    HasZ = Device->ObjectExists(di::DIJOFS_Z);
    ButtonCount = 0;
    for (int i = 0; i < kButtons; ++i) {
        ButtonExists[static_cast<std::size_t>(i)] = Device->ObjectExists(di::DIJOFS_BUTTON0 + static_cast<uint32_t>(i));
        if (ButtonExists[static_cast<std::size_t>(i)]) ++ButtonCount;
    }
    SetRangeX(1000);
    SetRangeY(1000);
    SetRangeZ(1000);
    SetDeadZoneX(50);
    SetDeadZoneY(50);
    SetDeadZoneZ(50);
    SetSaturationX(20);
    SetSaturationY(20);
    SetSaturationZ(20);
    SetAutoCenter(true);
    Device->Acquire();
}

void TDJoystick::Poll()
{
    if (!Device || Device->Generation() == 1) return;
    States.Clear();
    Device->Poll();
    State = {};
    ReadDeviceState(*Device, sizeof State, &State);
    if (HasX) X = State.lX;
    if (HasY) Y = State.lY;
    if (HasZ) Z = State.lZ;
    for (std::size_t i = 0; i < Buttons.size(); ++i) Buttons[i] = (State.rgbButtons[i] & 0x80) != 0;
    if (X < 0) States.Include(stLeft);
    if (X > 0) States.Include(stRight);
    if (Y < 0) States.Include(stUp);
    if (Y > 0) States.Include(stDown);
    for (std::size_t i = 0; i < Buttons.size(); ++i)
        if (Buttons[i]) States.Include(static_cast<TInputState>(stButton1 + i));
}

void TDJoystick::SetRange(bool Has, uint32_t Offset, int32_t Value, int32_t& Stored)
{
    if (!Has || !Device || Value < 0 || Value > 1000) return;
    if (Device->SetRangeProperty(di::DIPROP::RANGE, Offset, di::DIPH_BYOFFSET, Value)) Stored = Value;
}

void TDJoystick::SetDeadZone(bool Has, uint32_t Offset, int32_t Percent, int32_t& Stored)
{
    if (!Has || !Device || Percent < 0 || Percent > 100) return;
    if (Device->SetDWordProperty(di::DIPROP::DEADZONE, Offset, di::DIPH_BYOFFSET, static_cast<uint32_t>(Percent) * 100))
        Stored = Percent;
}

void TDJoystick::SetSaturation(bool Has, uint32_t Offset, int32_t Percent, int32_t& Stored)
{
    if (!Has || !Device || Percent < 0 || Percent > 100) return;
    const auto data = static_cast<uint32_t>(10000 - Percent * 100);
    if (Device->SetDWordProperty(di::DIPROP::SATURATION, Offset, di::DIPH_BYOFFSET, data)) Stored = Percent;
}

void TDJoystick::SetRangeX(int32_t Value) { SetRange(HasX, di::DIJOFS_X, Value, RangeX); }
void TDJoystick::SetRangeY(int32_t Value) { SetRange(HasY, di::DIJOFS_Y, Value, RangeY); }
void TDJoystick::SetRangeZ(int32_t Value) { SetRange(HasZ, di::DIJOFS_Z, Value, RangeZ); }
void TDJoystick::SetDeadZoneX(int32_t Percent) { SetDeadZone(HasX, di::DIJOFS_X, Percent, DeadZoneX); }
void TDJoystick::SetDeadZoneY(int32_t Percent) { SetDeadZone(HasY, di::DIJOFS_Y, Percent, DeadZoneY); }
void TDJoystick::SetDeadZoneZ(int32_t Percent) { SetDeadZone(HasZ, di::DIJOFS_Z, Percent, DeadZoneZ); }
void TDJoystick::SetSaturationX(int32_t Percent) { SetSaturation(HasX, di::DIJOFS_X, Percent, SaturationX); }
void TDJoystick::SetSaturationY(int32_t Percent) { SetSaturation(HasY, di::DIJOFS_Y, Percent, SaturationY); }
void TDJoystick::SetSaturationZ(int32_t Percent) { SetSaturation(HasZ, di::DIJOFS_Z, Percent, SaturationZ); }

void TDJoystick::SetAutoCenter(bool Value)
{
    if (!Device) return;
    const uint32_t data = Value ? di::DIPROPAUTOCENTER_ON : di::DIPROPAUTOCENTER_OFF;
    if (Device->SetDWordProperty(di::DIPROP::AUTOCENTER, 0, di::DIPH_DEVICE, data)) AutoCenter = Value;
}

}  // namespace engine::input

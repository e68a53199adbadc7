#include "platform/win32/dinput/system_devices.h"

#include <cstring>

namespace platform::dinput {

KeyboardDevice::KeyboardDevice(Backend& backend, uint32_t runtimeVersion)
    : DeviceBase(backend, runtimeVersion, GUID_SysKeyboard)
{
}

void KeyboardDevice::readState(void* data)
{
    auto& raw = rawInput();
    auto* out = static_cast<uint8_t*>(data);
    for (std::size_t i = 0; i < raw.keys.size(); ++i) out[i] = raw.keys[i] | raw.pressed[i];
    raw.pressed.fill(0);
    // No key has scan code 0, so key maps use it for "no key".
    static_cast<uint8_t*>(data)[0] = 0;
}

std::optional<DeviceBase::ObjectInfo> KeyboardDevice::objectAt(uint32_t offset) const
{
    if (offset >= 256) return std::nullopt;
    return ObjectInfo{DIDFT_PSHBUTTON, "Key"};
}

MouseDevice::MouseDevice(Backend& backend, uint32_t runtimeVersion)
    : DeviceBase(backend, runtimeVersion, GUID_SysMouse)
{
}

void MouseDevice::onAcquire()
{
    RawMouse& mouse = rawInput().mouse;
    mouse.dx = mouse.dy = mouse.wheel = 0;
    mouse.pressed.fill(0);
}

void MouseDevice::readState(void* data)
{
    RawMouse& mouse = rawInput().mouse;
    DIMOUSESTATE state;
    state.lX = mouse.dx;
    state.lY = mouse.dy;
    state.lZ = mouse.wheel;
    for (std::size_t i = 0; i < state.rgbButtons.size(); ++i)
        state.rgbButtons[i] = (mouse.buttons[i] | mouse.pressed[i]) & 0x80;
    mouse.dx = mouse.dy = mouse.wheel = 0;
    mouse.pressed.fill(0);
    std::memcpy(data, &state, sizeof state);
}

std::optional<DeviceBase::ObjectInfo> MouseDevice::objectAt(uint32_t offset) const
{
    switch (offset) {
    case 0: return ObjectInfo{0x01, "X-axis"};  // relative axes
    case 4: return ObjectInfo{0x01, "Y-axis"};
    case 8: return ObjectInfo{0x01, "Wheel"};
    case 12: return ObjectInfo{DIDFT_PSHBUTTON, "Button 0"};
    case 13: return ObjectInfo{DIDFT_PSHBUTTON, "Button 1"};
    case 14: return ObjectInfo{DIDFT_PSHBUTTON, "Button 2"};
    case 15: return ObjectInfo{DIDFT_PSHBUTTON, "Button 3"};
    default: return std::nullopt;
    }
}

}  // namespace platform::dinput

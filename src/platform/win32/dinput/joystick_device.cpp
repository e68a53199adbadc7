#include "platform/win32/dinput/joystick_device.h"

#include <algorithm>
#include <cstring>

namespace platform::dinput {
namespace {

constexpr std::array<uint8_t, 8> kInstanceTag{'B', 'C', 'J', 'O', 'Y', 'S', 'T', 'K'};
constexpr const char* kAxisNames[] = {"X Axis", "Y Axis", "Z Axis", "X Rotation",
                                      "Y Rotation", "Z Rotation", "Slider", "Slider"};
constexpr const char* kPovNames[] = {"Hat Switch", "Hat Switch", "Hat Switch", "Hat Switch"};

}  // namespace

GUID joystickInstanceGuid(int instanceId)
{
    return GUID{static_cast<uint32_t>(instanceId), 0xB0C0, 0x0001, kInstanceTag};
}

int joystickInstanceId(const GUID& guid)
{
    if (guid.data2 != 0xB0C0 || guid.data3 != 0x0001 || guid.data4 != kInstanceTag) return -1;
    return static_cast<int>(guid.data1);
}

GUID joystickProductGuid(const RawJoystick& joystick)
{
    // FNV-1a of the product name: the same model gives the same product GUID.
    uint32_t hash = 2166136261U;
    for (const char c : joystick.product) hash = (hash ^ static_cast<uint8_t>(c)) * 16777619U;
    return GUID{hash, 0xB0C0, 0x0002, {'B', 'C', 'P', 'R', 'O', 'D', 0, 0}};
}

JoystickDevice::JoystickDevice(Backend& backend, uint32_t runtimeVersion, const RawJoystick& joystick)
    : DeviceBase(backend, runtimeVersion, joystickInstanceGuid(joystick.instanceId)),
      instanceId_(joystick.instanceId),
      name_(joystick.name),
      product_(joystick.product),
      productGuid_(joystickProductGuid(joystick)),
      numAxes_(std::clamp(joystick.numAxes, 0, kAxes)),
      numPovs_(std::clamp(joystick.numPovs, 0, kPovs)),
      numButtons_(std::clamp(joystick.numButtons, 0, kButtons))
{
}

const RawJoystick* JoystickDevice::findRaw() const
{
    for (const RawJoystick& j : rawInput().joysticks)
        if (j.instanceId == instanceId_) return &j;
    return nullptr;
}

int JoystickDevice::axisAt(uint32_t offset) const
{
    if (offset % 4 != 0 || offset >= DIJOFS_POV0) return -1;
    const int axis = static_cast<int>(offset / 4);
    return axis < numAxes_ ? axis : -1;
}

void JoystickDevice::readState(void* data)
{
    DIJOYSTATE state;
    state.rgdwPOV.fill(0xFFFFFFFFU);  // centred
    if (const RawJoystick* raw = findRaw()) {
        std::array<int32_t, kAxes> values{};
        for (int i = 0; i < numAxes_; ++i)
            values[static_cast<std::size_t>(i)] = scaleAxis(raw->axes[static_cast<std::size_t>(i)], axes_[static_cast<std::size_t>(i)]);
        state.lX = values[0];
        state.lY = values[1];
        state.lZ = values[2];
        state.lRx = values[3];
        state.lRy = values[4];
        state.lRz = values[5];
        state.rglSlider = {values[6], values[7]};
        for (int i = 0; i < numPovs_; ++i) {
            const int32_t pov = raw->povs[static_cast<std::size_t>(i)];
            if (pov >= 0) state.rgdwPOV[static_cast<std::size_t>(i)] = static_cast<uint32_t>(pov % 36000);
        }
        for (int i = 0; i < numButtons_; ++i)
            state.rgbButtons[static_cast<std::size_t>(i)] = raw->buttons[static_cast<std::size_t>(i)] & 0x80;
    }
    std::memcpy(data, &state, sizeof state);
}

std::optional<DeviceBase::ObjectInfo> JoystickDevice::objectAt(uint32_t offset) const
{
    if (const int axis = axisAt(offset); axis >= 0) return ObjectInfo{DIDFT_ABSAXIS, kAxisNames[axis]};
    if (offset >= DIJOFS_POV0 && offset < DIJOFS_BUTTON0 && offset % 4 == 0) {
        const auto pov = static_cast<int>((offset - DIJOFS_POV0) / 4);
        if (pov < numPovs_) return ObjectInfo{DIDFT_POV, kPovNames[pov]};
        return std::nullopt;
    }
    if (offset >= DIJOFS_BUTTON0 && offset < DIJOFS_BUTTON0 + kButtons) {
        if (static_cast<int>(offset - DIJOFS_BUTTON0) < numButtons_) return ObjectInfo{DIDFT_PSHBUTTON, "Button"};
    }
    return std::nullopt;
}

template <class Apply>
HRESULT JoystickDevice::forAxes(std::optional<uint32_t> offset, Apply apply)
{
    if (!offset) {
        for (int i = 0; i < numAxes_; ++i) apply(axes_[static_cast<std::size_t>(i)]);
        return DI_OK;
    }
    const int axis = axisAt(*offset);
    if (axis < 0) return DIERR_INVALIDPARAM;  // buttons and hats have no range
    apply(axes_[static_cast<std::size_t>(axis)]);
    return DI_OK;
}

HRESULT JoystickDevice::setProperty(DIPROP property, std::optional<uint32_t> offset, const DIPROPHEADER& header)
{
    switch (property) {
    case DIPROP::RANGE: {
        const auto& range = reinterpret_cast<const DIPROPRANGE&>(header);
        if (range.lMin > range.lMax) return DIERR_INVALIDPARAM;
        return forAxes(offset, [&](AxisCalibration& a) { a.min = range.lMin; a.max = range.lMax; });
    }
    case DIPROP::DEADZONE:
    case DIPROP::SATURATION: {
        const uint32_t value = reinterpret_cast<const DIPROPDWORD&>(header).dwData;
        if (value > 10000) return DIERR_INVALIDPARAM;
        const bool dead = property == DIPROP::DEADZONE;
        return forAxes(offset, [&](AxisCalibration& a) { (dead ? a.deadZone : a.saturation) = value; });
    }
    case DIPROP::AUTOCENTER: {
        const uint32_t value = reinterpret_cast<const DIPROPDWORD&>(header).dwData;
        if (offset || value > DIPROPAUTOCENTER_ON) return DIERR_INVALIDPARAM;
        autoCenter_ = value == DIPROPAUTOCENTER_ON;
        return DI_OK;
    }
    default: return DIERR_UNSUPPORTED;
    }
}

HRESULT JoystickDevice::getProperty(DIPROP property, std::optional<uint32_t> offset, DIPROPHEADER& header)
{
    if (property == DIPROP::AUTOCENTER) {
        if (offset) return DIERR_INVALIDPARAM;
        reinterpret_cast<DIPROPDWORD&>(header).dwData = autoCenter_ ? DIPROPAUTOCENTER_ON : DIPROPAUTOCENTER_OFF;
        return DI_OK;
    }
    // Axis properties are read from one axis; the whole device has no single value.
    if (!offset || axisAt(*offset) < 0) return DIERR_INVALIDPARAM;
    const AxisCalibration& a = axes_[static_cast<std::size_t>(axisAt(*offset))];
    switch (property) {
    case DIPROP::RANGE: {
        auto& range = reinterpret_cast<DIPROPRANGE&>(header);
        range.lMin = a.min;
        range.lMax = a.max;
        return DI_OK;
    }
    case DIPROP::DEADZONE: reinterpret_cast<DIPROPDWORD&>(header).dwData = a.deadZone; return DI_OK;
    case DIPROP::SATURATION: reinterpret_cast<DIPROPDWORD&>(header).dwData = a.saturation; return DI_OK;
    default: return DIERR_UNSUPPORTED;
    }
}

}  // namespace platform::dinput

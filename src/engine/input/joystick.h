#pragma once
// One joystick or game pad: its x, y and z axes, 32 buttons, and the
// properties that shape the axes (range, dead zone, saturation, auto-centre).
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "engine/input/dinput_binding.h"
#include "engine/input/input_states.h"
#include "platform/backends/window.h"
#include "platform/win32/dinput/dinput_types.h"

namespace engine::input {

class TDJoystick {
public:
    static constexpr int kButtons = 32;

    TDJoystick(const di::GUID& instanceGuid, std::string instanceName, std::string productName);

    // Creates the device through `DInput`, binds it to `Window` in the
    // foreground, learns which objects exist and gives every axis the range
    // -1000..1000, a 50% dead zone and 20% saturation, then acquires it.
    void Open(TDInput& DInput, platform::Window& Window);
    // Reads axes and buttons and rebuilds States. A generation-1 device
    // cannot be polled, so such a joystick is never read.
    void Poll();

    // Each changes the device first and keeps the value only when the device
    // accepts it; axes the device lacks and values out of range are ignored.
    void SetRangeX(int32_t Value);
    void SetRangeY(int32_t Value);
    void SetRangeZ(int32_t Value);
    void SetDeadZoneX(int32_t Percent);
    void SetDeadZoneY(int32_t Percent);
    void SetDeadZoneZ(int32_t Percent);
    void SetSaturationX(int32_t Percent);
    void SetSaturationY(int32_t Percent);
    void SetSaturationZ(int32_t Percent);
    void SetAutoCenter(bool Value);

    std::unique_ptr<TDInputDevice> Device;
    di::DIJOYSTATE State;
    di::GUID InstanceGuid;
    std::string InstanceName;
    std::string ProductName;
    bool HasX = false, HasY = false, HasZ = false;
    std::array<bool, kButtons> ButtonExists{};
    int32_t X = 0, Y = 0, Z = 0;
    std::array<bool, kButtons> Buttons{};
    int32_t ButtonCount = 0;
    int32_t RangeX = 0, RangeY = 0, RangeZ = 0;
    int32_t DeadZoneX = 0, DeadZoneY = 0, DeadZoneZ = 0;
    int32_t SaturationX = 0, SaturationY = 0, SaturationZ = 0;
    bool AutoCenter = false;
    TInputStates States;
    bool Enabled = true;

private:
    void SetRange(bool Has, uint32_t Offset, int32_t Value, int32_t& Stored);
    void SetDeadZone(bool Has, uint32_t Offset, int32_t Percent, int32_t& Stored);
    void SetSaturation(bool Has, uint32_t Offset, int32_t Percent, int32_t& Stored);
};

}  // namespace engine::input

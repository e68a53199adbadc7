#pragma once
// One attached joystick or game pad, read from the backend's raw input by
// its instance id. The axes go through each axis's range, dead zone and
// saturation; a pad that is unplugged reads as lost until it is gone from
// the caller's list.
#include <array>

#include "platform/win32/dinput/axis_scaling.h"
#include "platform/win32/dinput/dinput_device.h"

namespace platform::dinput {

// The instance GUID enumeration reports for the backend's joystick `instanceId`.
GUID joystickInstanceGuid(int instanceId);
// The instance id inside a joystick instance GUID, or -1 for other GUIDs.
int joystickInstanceId(const GUID& guid);
GUID joystickProductGuid(const RawJoystick& joystick);

class JoystickDevice final : public DeviceBase {
public:
    static constexpr int kAxes = 8, kPovs = 4, kButtons = 32;

    JoystickDevice(Backend& backend, uint32_t runtimeVersion, const RawJoystick& joystick);

protected:
    DataFormatKind formatKind() const override { return DataFormatKind::Joystick; }
    uint32_t deviceType() const override { return DIDEVTYPE_JOYSTICK; }
    std::string instanceName() const override { return name_; }
    std::string productName() const override { return product_; }
    GUID productGuid() const override { return productGuid_; }
    bool connected() const override { return findRaw() != nullptr; }
    bool polled() const override { return true; }
    void readState(void* data) override;
    std::optional<ObjectInfo> objectAt(uint32_t offset) const override;
    HRESULT setProperty(DIPROP property, std::optional<uint32_t> offset, const DIPROPHEADER& header) override;
    HRESULT getProperty(DIPROP property, std::optional<uint32_t> offset, DIPROPHEADER& header) override;

private:
    const RawJoystick* findRaw() const;
    // Axis index of an object offset, -1 when the offset is no axis.
    int axisAt(uint32_t offset) const;
    template <class Apply>
    HRESULT forAxes(std::optional<uint32_t> offset, Apply apply);

    int instanceId_;
    std::string name_;
    std::string product_;
    GUID productGuid_;
    int numAxes_, numPovs_, numButtons_;
    std::array<AxisCalibration, kAxes> axes_{};
    bool autoCenter_ = true;
};

}  // namespace platform::dinput

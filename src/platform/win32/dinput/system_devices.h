#pragma once
// The system keyboard and mouse, read from the backend's raw input.
#include "platform/win32/dinput/dinput_device.h"

namespace platform::dinput {

class KeyboardDevice final : public DeviceBase {
public:
    KeyboardDevice(Backend& backend, uint32_t runtimeVersion);

protected:
    DataFormatKind formatKind() const override { return DataFormatKind::Keyboard; }
    uint32_t deviceType() const override { return DIDEVTYPE_KEYBOARD; }
    std::string instanceName() const override { return "Keyboard"; }
    std::string productName() const override { return "Keyboard"; }
    GUID productGuid() const override { return GUID_SysKeyboard; }
    void readState(void* data) override;
    std::optional<ObjectInfo> objectAt(uint32_t offset) const override;
};

// Reports movement since the previous read; movement while the device was
// not acquired (the window in the background) is dropped, not saved up.
class MouseDevice final : public DeviceBase {
public:
    MouseDevice(Backend& backend, uint32_t runtimeVersion);

protected:
    DataFormatKind formatKind() const override { return DataFormatKind::Mouse; }
    uint32_t deviceType() const override { return DIDEVTYPE_MOUSE; }
    std::string instanceName() const override { return "Mouse"; }
    std::string productName() const override { return "Mouse"; }
    GUID productGuid() const override { return GUID_SysMouse; }
    void onAcquire() override;
    void readState(void* data) override;
    std::optional<ObjectInfo> objectAt(uint32_t offset) const override;
};

}  // namespace platform::dinput

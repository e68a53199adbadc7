#pragma once
// What every emulated device shares: data format, cooperative level,
// acquisition that follows the window's focus, object queries and property
// records. The keyboard, mouse and joystick add only their own readings.
#include <optional>
#include <string>

#include "platform/backends/backend.h"
#include "platform/backends/raw_input.h"
#include "platform/win32/dinput/dinput_interfaces.h"

namespace platform::dinput {

class DeviceBase : public IDirectInputDevice7A {
public:
    // `runtimeVersion` decides which device interfaces the object offers.
    DeviceBase(Backend& backend, uint32_t runtimeVersion, const GUID& instance);

    bool supports(const GUID& iid) const override;

    HRESULT GetProperty(DIPROP property, DIPROPHEADER* header) override;
    HRESULT SetProperty(DIPROP property, const DIPROPHEADER* header) override;
    HRESULT Acquire() override;
    HRESULT Unacquire() override;
    HRESULT GetDeviceState(uint32_t size, void* data) override;
    HRESULT SetDataFormat(const DIDATAFORMAT* format) override;
    HRESULT SetCooperativeLevel(Window* window, uint32_t flags) override;
    HRESULT GetObjectInfo(DIDEVICEOBJECTINSTANCEA* info, uint32_t object, uint32_t how) override;
    HRESULT GetDeviceInfo(DIDEVICEINSTANCEA* info) override;
    HRESULT Poll() override;

    bool acquired() const { return acquired_; }

protected:
    struct ObjectInfo {
        uint32_t type;  // DIDFT_* of the object
        const char* name;
    };

    RawInput& rawInput() { return input_; }
    const RawInput& rawInput() const { return input_; }

    virtual DataFormatKind formatKind() const = 0;
    virtual uint32_t deviceType() const = 0;
    virtual std::string instanceName() const = 0;
    virtual std::string productName() const = 0;
    virtual GUID productGuid() const = 0;
    // False once the hardware behind the device has gone.
    virtual bool connected() const { return true; }
    virtual bool polled() const { return false; }
    // Called when the device passes from unacquired to acquired.
    virtual void onAcquire() {}
    // Fills `data`, which has the data format's size and is acquired.
    virtual void readState(void* data) = 0;
    virtual std::optional<ObjectInfo> objectAt(uint32_t offset) const = 0;
    // Property access; `offset` is empty for the whole device. Only called
    // with a record of the right size and an existing object.
    virtual HRESULT setProperty(DIPROP property, std::optional<uint32_t> offset, const DIPROPHEADER& header);
    virtual HRESULT getProperty(DIPROP property, std::optional<uint32_t> offset, DIPROPHEADER& header);

private:
    // DI_OK while the device may deliver data; drops the acquisition (and
    // says so once with DIERR_INPUTLOST) when the window lost the focus.
    HRESULT checkAcquired();
    bool mayAcquire() const;
    HRESULT resolveTarget(const DIPROPHEADER& header, std::optional<uint32_t>& offset) const;

    RawInput& input_;
    uint32_t runtimeVersion_;
    GUID instance_;
    std::optional<DIDATAFORMAT> format_;
    Window* window_ = nullptr;
    uint32_t cooperation_ = 0;
    bool acquired_ = false;
};

// Size a property record must have for `property`, 0 for unknown ones.
uint32_t propertyRecordSize(DIPROP property);

}  // namespace platform::dinput

#pragma once
// The DirectInput interfaces of the three generations the game knows.
// Objects are shared the way COM objects are reference counted: asking an
// object for another interface hands out another owner of the same object.
#include <cstdint>
#include <functional>
#include <memory>

#include "platform/backends/window.h"
#include "platform/win32/dinput/dinput_types.h"

namespace platform::dinput {

class Unknown {
public:
    virtual ~Unknown() = default;
    // Whether the object can be seen through the interface `iid`.
    virtual bool supports(const GUID& iid) const = 0;
};

// COM's QueryInterface: DI_OK and `out` set, or DIERR_NOINTERFACE.
template <class Interface>
HRESULT QueryInterface(const std::shared_ptr<Unknown>& object, std::shared_ptr<Interface>& out)
{
    out.reset();
    if (!object || !object->supports(Interface::kIid)) return DIERR_NOINTERFACE;
    out = std::dynamic_pointer_cast<Interface>(object);
    return out ? DI_OK : DIERR_NOINTERFACE;
}

class IDirectInputDeviceA : public Unknown {
public:
    static constexpr GUID kIid = IID_IDirectInputDeviceA;

    virtual HRESULT GetProperty(DIPROP property, DIPROPHEADER* header) = 0;
    virtual HRESULT SetProperty(DIPROP property, const DIPROPHEADER* header) = 0;
    virtual HRESULT Acquire() = 0;
    virtual HRESULT Unacquire() = 0;
    virtual HRESULT GetDeviceState(uint32_t size, void* data) = 0;
    virtual HRESULT SetDataFormat(const DIDATAFORMAT* format) = 0;
    // `window` stands for the window handle the device follows in the foreground.
    virtual HRESULT SetCooperativeLevel(Window* window, uint32_t flags) = 0;
    virtual HRESULT GetObjectInfo(DIDEVICEOBJECTINSTANCEA* info, uint32_t object, uint32_t how) = 0;
    virtual HRESULT GetDeviceInfo(DIDEVICEINSTANCEA* info) = 0;
};

class IDirectInputDevice2A : public IDirectInputDeviceA {
public:
    static constexpr GUID kIid = IID_IDirectInputDevice2A;
    // Lets polled devices (joysticks) take a fresh reading.
    virtual HRESULT Poll() = 0;
};

class IDirectInputDevice7A : public IDirectInputDevice2A {
public:
    static constexpr GUID kIid = IID_IDirectInputDevice7A;
};

// Called once per device found; returns DIENUM_CONTINUE or DIENUM_STOP.
using EnumDevicesCallback = std::function<int(const DIDEVICEINSTANCEA&)>;

class IDirectInputA : public Unknown {
public:
    static constexpr GUID kIid = IID_IDirectInputA;
    virtual HRESULT CreateDevice(const GUID& device, std::shared_ptr<IDirectInputDeviceA>& out) = 0;
    virtual HRESULT EnumDevices(uint32_t deviceType, const EnumDevicesCallback& callback, uint32_t flags) = 0;
};

class IDirectInput2A : public IDirectInputA {
public:
    static constexpr GUID kIid = IID_IDirectInput2A;
};

class IDirectInput7A : public IDirectInput2A {
public:
    static constexpr GUID kIid = IID_IDirectInput7A;
    virtual HRESULT CreateDeviceEx(const GUID& device, const GUID& iid, std::shared_ptr<Unknown>& out) = 0;
};

}  // namespace platform::dinput

#include "platform/win32/dinput/dinput_runtime.h"

#include <algorithm>
#include <cstring>

#include "platform/win32/dinput/joystick_device.h"
#include "platform/win32/dinput/system_devices.h"

namespace platform::dinput {
namespace {

// One object serves all three generations; which interfaces it admits to
// depends on the runtime's version.
class DirectInputObject final : public IDirectInput7A {
public:
    DirectInputObject(Backend& backend, uint32_t runtimeVersion)
        : backend_(backend), runtimeVersion_(runtimeVersion)
    {
    }

    bool supports(const GUID& iid) const override
    {
        if (iid == IID_IDirectInputA) return true;
        if (iid == IID_IDirectInput2A) return runtimeVersion_ >= DIRECTINPUT_VERSION_5;
        if (iid == IID_IDirectInput7A) return runtimeVersion_ >= DIRECTINPUT_VERSION_7;
        return false;
    }

    HRESULT CreateDevice(const GUID& device, std::shared_ptr<IDirectInputDeviceA>& out) override
    {
        out.reset();
        if (device == GUID_SysKeyboard) {
            out = std::make_shared<KeyboardDevice>(backend_, runtimeVersion_);
        } else if (device == GUID_SysMouse) {
            out = std::make_shared<MouseDevice>(backend_, runtimeVersion_);
        } else {
            const int id = joystickInstanceId(device);
            const auto& list = backend_.input().joysticks;
            const auto it = std::find_if(list.begin(), list.end(), [id](const RawJoystick& j) { return j.instanceId == id; });
            if (id < 0 || it == list.end()) return DIERR_DEVICENOTREG;
            out = std::make_shared<JoystickDevice>(backend_, runtimeVersion_, *it);
        }
        return DI_OK;
    }

    HRESULT CreateDeviceEx(const GUID& device, const GUID& iid, std::shared_ptr<Unknown>& out) override
    {
        out.reset();
        std::shared_ptr<IDirectInputDeviceA> created;
        const HRESULT r = CreateDevice(device, created);
        if (failed(r)) return r;
        if (!created->supports(iid)) return DIERR_NOINTERFACE;
        out = std::move(created);
        return DI_OK;
    }

    HRESULT EnumDevices(uint32_t deviceType, const EnumDevicesCallback& callback, uint32_t flags) override
    {
        if (!callback || (flags & ~DIEDFL_ATTACHEDONLY)) return DIERR_INVALIDPARAM;
        // Every device this machine knows is attached, so the flag changes nothing.
        auto report = [&](const GUID& instance, const GUID& product, uint32_t type, const std::string& name,
                          const std::string& productName) {
            DIDEVICEINSTANCEA info;
            info.dwSize = sizeof info;
            info.guidInstance = instance;
            info.guidProduct = product;
            info.dwDevType = type;
            std::memcpy(info.tszInstanceName.data(), name.data(), std::min(name.size(), info.tszInstanceName.size() - 1));
            std::memcpy(info.tszProductName.data(), productName.data(),
                        std::min(productName.size(), info.tszProductName.size() - 1));
            return callback(info) != DIENUM_STOP;
        };
        if ((deviceType == 0 || deviceType == DIDEVTYPE_KEYBOARD) &&
            !report(GUID_SysKeyboard, GUID_SysKeyboard, DIDEVTYPE_KEYBOARD, "Keyboard", "Keyboard"))
            return DI_OK;
        if ((deviceType == 0 || deviceType == DIDEVTYPE_MOUSE) &&
            !report(GUID_SysMouse, GUID_SysMouse, DIDEVTYPE_MOUSE, "Mouse", "Mouse"))
            return DI_OK;
        if (deviceType == 0 || deviceType == DIDEVTYPE_JOYSTICK) {
            // A copy: the callback may create devices, and the list is the backend's.
            const auto joysticks = backend_.input().joysticks;
            for (const RawJoystick& j : joysticks)
                if (!report(joystickInstanceGuid(j.instanceId), joystickProductGuid(j), DIDEVTYPE_JOYSTICK, j.name,
                            j.product))
                    return DI_OK;
        }
        return DI_OK;
    }

private:
    Backend& backend_;
    uint32_t runtimeVersion_;
};

}  // namespace

Runtime::Runtime(Backend& backend, uint32_t highestVersion) : backend_(backend), highestVersion_(highestVersion) {}

HRESULT Runtime::checkVersion(uint32_t version) const
{
    if (highestVersion_ == 0) return DIERR_DEVICENOTREG;
    if (version < DIRECTINPUT_VERSION_3) return DIERR_BETADIRECTINPUTVERSION;
    if (version > highestVersion_) return DIERR_OLDDIRECTINPUTVERSION;
    return DI_OK;
}

HRESULT Runtime::DirectInputCreateA(uint32_t version, std::shared_ptr<IDirectInputA>& out)
{
    out.reset();
    const HRESULT r = checkVersion(version);
    if (failed(r)) return r;
    out = std::make_shared<DirectInputObject>(backend_, highestVersion_);
    return DI_OK;
}

HRESULT Runtime::DirectInputCreateEx(uint32_t version, const GUID& iid, std::shared_ptr<Unknown>& out)
{
    out.reset();
    // Older libraries have no such entry point.
    if (highestVersion_ != 0 && highestVersion_ < DIRECTINPUT_VERSION_7) return DIERR_OLDDIRECTINPUTVERSION;
    const HRESULT r = checkVersion(version);
    if (failed(r)) return r;
    auto object = std::make_shared<DirectInputObject>(backend_, highestVersion_);
    if (!object->supports(iid)) return DIERR_NOINTERFACE;
    out = std::move(object);
    return DI_OK;
}

bool Runtime::joysticksAre(std::span<const GUID> known) const
{
    const auto& attached = backend_.input().joysticks;
    if (attached.size() != known.size()) return false;
    return std::all_of(attached.begin(), attached.end(), [&](const RawJoystick& j) {
        return std::find(known.begin(), known.end(), joystickInstanceGuid(j.instanceId)) != known.end();
    });
}

}  // namespace platform::dinput

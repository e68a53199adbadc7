#include "engine/input/dinput_binding.h"

#include <cstring>

#include "engine/input/dinput_device_generations.h"
#include "platform/win32/dinput/dinput_result.h"

namespace engine::input {
namespace {

std::shared_ptr<di::IDirectInputA> createDInput1(di::Runtime& runtime)
{
    std::shared_ptr<di::IDirectInputA> object;
    di::checkResult(runtime.DirectInputCreateA(di::DIRECTINPUT_VERSION_3, object), "DInput1 Create");
    return object;
}

std::shared_ptr<di::IDirectInput2A> createDInput2(di::Runtime& runtime)
{
    std::shared_ptr<di::IDirectInputA> object;
    di::checkResult(runtime.DirectInputCreateA(di::DIRECTINPUT_VERSION_5, object), "DInput2 Create");
    std::shared_ptr<di::IDirectInput2A> second;
    di::checkResult(di::QueryInterface(std::shared_ptr<di::Unknown>(object), second), "DInput2 Create");
    return second;
}

std::shared_ptr<di::IDirectInput7A> createDInput7(di::Runtime& runtime)
{
    std::shared_ptr<di::Unknown> object;
    di::checkResult(runtime.DirectInputCreateEx(di::DIRECTINPUT_VERSION_7, di::IID_IDirectInput7A, object),
                    "DInput7 Create");
    std::shared_ptr<di::IDirectInput7A> seventh;
    di::checkResult(di::QueryInterface(object, seventh), "DInput7 Create");
    return seventh;
}

std::string nameOf(const std::array<char, 260>& text) { return std::string(text.data(), strnlen(text.data(), text.size())); }

}  // namespace

void ReadDeviceState(TDInputDevice& Device, uint32_t Size, void* Buffer)
{
    std::memset(Buffer, 0, Size);
    di::HRESULT result = Device.GetDeviceState(Size, Buffer);
    if (result == di::DIERR_INPUTLOST || result == di::DIERR_NOTACQUIRED) {
        Device.Acquire();
        result = Device.GetDeviceState(Size, Buffer);
    }
    if (di::failed(result)) std::memset(Buffer, 0, Size);
}

std::vector<TJoystickInstance> TDInput::EnumJoysticks()
{
    std::vector<TJoystickInstance> found;
    base_->EnumDevices(
        di::DIDEVTYPE_JOYSTICK,
        [&found](const di::DIDEVICEINSTANCEA& info) {
            found.push_back({info.guidInstance, nameOf(info.tszInstanceName), nameOf(info.tszProductName)});
            return di::DIENUM_CONTINUE;
        },
        di::DIEDFL_ATTACHEDONLY);
    return found;
}

TDInput1::TDInput1(di::Runtime& Runtime) : TDInput1(createDInput1(Runtime)) {}
TDInput1::TDInput1(std::shared_ptr<di::IDirectInputA> object) : TDInput(object), FDInput(std::move(object)) {}

std::unique_ptr<TDInputDevice> TDInput1::CreateDevice(const di::GUID& Guid)
{
    std::shared_ptr<di::IDirectInputDeviceA> device;
    di::checkResult(FDInput->CreateDevice(Guid, device), "DInput1 Create Device");
    return std::make_unique<TDInputDevice1>(std::move(device));
}

TDInput2::TDInput2(di::Runtime& Runtime) : TDInput2(createDInput2(Runtime)) {}
TDInput2::TDInput2(std::shared_ptr<di::IDirectInput2A> object) : TDInput(object), FDInput(std::move(object)) {}

std::unique_ptr<TDInputDevice> TDInput2::CreateDevice(const di::GUID& Guid)
{
    std::shared_ptr<di::IDirectInputDeviceA> device;
    di::checkResult(FDInput->CreateDevice(Guid, device), "DInput2 Create Device");
    std::shared_ptr<di::IDirectInputDevice2A> second;
    di::checkResult(di::QueryInterface(std::shared_ptr<di::Unknown>(device), second), "DInput2 Create Device");
    return std::make_unique<TDInputDevice2>(std::move(second));
}

TDInput7::TDInput7(di::Runtime& Runtime) : TDInput7(createDInput7(Runtime)) {}
TDInput7::TDInput7(std::shared_ptr<di::IDirectInput7A> object) : TDInput(object), FDInput(std::move(object)) {}

std::unique_ptr<TDInputDevice> TDInput7::CreateDevice(const di::GUID& Guid)
{
    std::shared_ptr<di::Unknown> device;
    di::checkResult(FDInput->CreateDeviceEx(Guid, di::IID_IDirectInputDevice7A, device), "DInput7 Create Device");
    std::shared_ptr<di::IDirectInputDevice7A> seventh;
    di::checkResult(di::QueryInterface(device, seventh), "DInput7 Create Device");
    return std::make_unique<TDInputDevice7>(std::move(seventh));
}

int DetectVersion(di::Runtime& Runtime)
{
    std::shared_ptr<di::IDirectInputA> object;
    if (di::failed(Runtime.DirectInputCreateA(di::DIRECTINPUT_VERSION_3, object))) return 1;
    const std::shared_ptr<di::Unknown> unknown = object;
    std::shared_ptr<di::IDirectInput7A> seventh;
    if (di::succeeded(di::QueryInterface(unknown, seventh))) return 7;
    std::shared_ptr<di::IDirectInput2A> second;
    if (di::succeeded(di::QueryInterface(unknown, second))) return 2;
    return 1;
}

std::unique_ptr<TDInput> CreateDInput(di::Runtime& Runtime, int Version)
{
    switch (Version) {
    case 7: return std::make_unique<TDInput7>(Runtime);
    case 2: return std::make_unique<TDInput2>(Runtime);
    default: return std::make_unique<TDInput1>(Runtime);
    }
}

}  // namespace engine::input

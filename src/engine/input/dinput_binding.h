#pragma once
// The controller's view of DirectInput: one abstract device and one abstract
// DirectInput object, with a subclass per interface generation. The
// generation is picked once; everything above sees only the abstract classes.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/backends/window.h"
#include "platform/win32/dinput/dinput_interfaces.h"
#include "platform/win32/dinput/dinput_runtime.h"

namespace engine::input {

namespace di = platform::dinput;

class TDInputDevice {
public:
    virtual ~TDInputDevice() = default;

    // 1, 2 or 7: the interface generation the device was created with.
    virtual int Generation() const = 0;

    virtual di::HRESULT GetDeviceState(uint32_t Size, void* Buffer) = 0;
    virtual di::HRESULT Acquire() = 0;
    virtual di::HRESULT Unacquire() = 0;
    // Generation 1 has no Poll; its devices answer DI_OK without asking.
    virtual di::HRESULT Poll() = 0;
    virtual di::HRESULT SetDataFormat(const di::DIDATAFORMAT& Format) = 0;
    virtual di::HRESULT SetCooperativeLevel(platform::Window* Window, uint32_t Flags) = 0;
    // Whether an object lies at this offset of the data format.
    virtual bool ObjectExists(uint32_t Offset) = 0;
    // True when DirectInput accepts the property.
    virtual bool SetDWordProperty(di::DIPROP Prop, uint32_t Obj, uint32_t How, uint32_t Data) = 0;
    // Sets the range -Range..Range.
    virtual bool SetRangeProperty(di::DIPROP Prop, uint32_t Obj, uint32_t How, int32_t Range) = 0;
};

// Clears `Buffer` and reads the device into it. A device that lost its
// acquisition (the window went to the background) is acquired again and
// read once more; if that fails too the cleared buffer stands, so the device
// reads as idle and nothing is raised.
void ReadDeviceState(TDInputDevice& Device, uint32_t Size, void* Buffer);

// What enumeration says about one attached joystick.
struct TJoystickInstance {
    di::GUID InstanceGuid;
    std::string InstanceName;
    std::string ProductName;
};

class TDInput {
public:
    virtual ~TDInput() = default;
    virtual int Generation() const = 0;
    // A device of the same generation; a failure raises "Error in: DInput<n> Create Device".
    virtual std::unique_ptr<TDInputDevice> CreateDevice(const di::GUID& Guid) = 0;
    // Every attached joystick, in DirectInput's order.
    std::vector<TJoystickInstance> EnumJoysticks();

protected:
    explicit TDInput(std::shared_ptr<di::IDirectInputA> base) : base_(std::move(base)) {}

private:
    std::shared_ptr<di::IDirectInputA> base_;
};

// Each raises "Error in: DInput<n> Create" when the object cannot be made.
class TDInput1 final : public TDInput {
public:
    explicit TDInput1(di::Runtime& Runtime);
    int Generation() const override { return 1; }
    std::unique_ptr<TDInputDevice> CreateDevice(const di::GUID& Guid) override;

private:
    TDInput1(std::shared_ptr<di::IDirectInputA> object);
    std::shared_ptr<di::IDirectInputA> FDInput;
};

class TDInput2 final : public TDInput {
public:
    explicit TDInput2(di::Runtime& Runtime);
    int Generation() const override { return 2; }
    std::unique_ptr<TDInputDevice> CreateDevice(const di::GUID& Guid) override;

private:
    TDInput2(std::shared_ptr<di::IDirectInput2A> object);
    std::shared_ptr<di::IDirectInput2A> FDInput;
};

class TDInput7 final : public TDInput {
public:
    explicit TDInput7(di::Runtime& Runtime);
    int Generation() const override { return 7; }
    std::unique_ptr<TDInputDevice> CreateDevice(const di::GUID& Guid) override;

private:
    TDInput7(std::shared_ptr<di::IDirectInput7A> object);
    std::shared_ptr<di::IDirectInput7A> FDInput;
};

// The newest generation the runtime offers: 7, else 2, else 1.
int DetectVersion(di::Runtime& Runtime);
// The DirectInput object of that generation.
std::unique_ptr<TDInput> CreateDInput(di::Runtime& Runtime, int Version);

}  // namespace engine::input

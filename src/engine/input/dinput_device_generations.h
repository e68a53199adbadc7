#pragma once
// The device wrappers of the three generations. They differ only in the
// interface they hold and in whether that interface can be polled, so one
// template serves all three.
#include <utility>

#include "engine/input/dinput_binding.h"

namespace engine::input {

template <class Interface, int Gen>
class TDInputDeviceOf final : public TDInputDevice {
public:
    explicit TDInputDeviceOf(std::shared_ptr<Interface> device) : FDevice(std::move(device)) {}
    ~TDInputDeviceOf() override { FDevice->Unacquire(); }
    TDInputDeviceOf(const TDInputDeviceOf&) = delete;
    TDInputDeviceOf& operator=(const TDInputDeviceOf&) = delete;

    int Generation() const override { return Gen; }

    di::HRESULT GetDeviceState(uint32_t Size, void* Buffer) override { return FDevice->GetDeviceState(Size, Buffer); }
    di::HRESULT Acquire() override { return FDevice->Acquire(); }
    di::HRESULT Unacquire() override { return FDevice->Unacquire(); }
    di::HRESULT Poll() override
    {
        if constexpr (Gen == 1)
            return di::DI_OK;
        else
            return FDevice->Poll();
    }
    di::HRESULT SetDataFormat(const di::DIDATAFORMAT& Format) override { return FDevice->SetDataFormat(&Format); }
    di::HRESULT SetCooperativeLevel(platform::Window* Window, uint32_t Flags) override
    {
        return FDevice->SetCooperativeLevel(Window, Flags);
    }

    bool ObjectExists(uint32_t Offset) override
    {
        di::DIDEVICEOBJECTINSTANCEA info{};
        info.dwSize = sizeof info;
        return di::succeeded(FDevice->GetObjectInfo(&info, Offset, di::DIPH_BYOFFSET));
    }

    bool SetDWordProperty(di::DIPROP Prop, uint32_t Obj, uint32_t How, uint32_t Data) override
    {
        di::DIPROPDWORD record;
        record.diph = {sizeof(di::DIPROPDWORD), sizeof(di::DIPROPHEADER), Obj, How};
        record.dwData = Data;
        return di::succeeded(FDevice->SetProperty(Prop, &record.diph));
    }

    bool SetRangeProperty(di::DIPROP Prop, uint32_t Obj, uint32_t How, int32_t Range) override
    {
        di::DIPROPRANGE record;
        record.diph = {sizeof(di::DIPROPRANGE), sizeof(di::DIPROPHEADER), Obj, How};
        record.lMin = -Range;
        record.lMax = Range;
        return di::succeeded(FDevice->SetProperty(Prop, &record.diph));
    }

private:
    std::shared_ptr<Interface> FDevice;
};

using TDInputDevice1 = TDInputDeviceOf<di::IDirectInputDeviceA, 1>;
using TDInputDevice2 = TDInputDeviceOf<di::IDirectInputDevice2A, 2>;
using TDInputDevice7 = TDInputDeviceOf<di::IDirectInputDevice7A, 7>;

}  // namespace engine::input

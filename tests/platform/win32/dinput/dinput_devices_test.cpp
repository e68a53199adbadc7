// The DirectInput stand-in as the controller's binding sees it: generations,
// foreground acquisition, keyboard and mouse reads, and the checks it makes.
#include <gtest/gtest.h>

#include "platform/backends/headless/headless_backend.h"
#include "platform/backends/keycodes.h"
#include "platform/errors.h"
#include "platform/win32/dinput/dinput_result.h"
#include "platform/win32/dinput/dinput_runtime.h"

namespace di = platform::dinput;

namespace {

std::shared_ptr<di::IDirectInputDeviceA> openDevice(di::Runtime& runtime, platform::Window& window, const di::GUID& guid,
                                                    const di::DIDATAFORMAT& format)
{
    std::shared_ptr<di::IDirectInputA> input;
    EXPECT_EQ(runtime.DirectInputCreateA(di::DIRECTINPUT_VERSION_3, input), di::DI_OK);
    std::shared_ptr<di::IDirectInputDeviceA> device;
    EXPECT_EQ(input->CreateDevice(guid, device), di::DI_OK);
    EXPECT_EQ(device->SetDataFormat(&format), di::DI_OK);
    EXPECT_EQ(device->SetCooperativeLevel(&window, di::DISCL_NONEXCLUSIVE | di::DISCL_FOREGROUND), di::DI_OK);
    EXPECT_EQ(device->Acquire(), di::DI_OK);
    return device;
}

}  // namespace

TEST(DirectInputRuntime, OffersTheInterfacesOfItsVersionOnly)
{
    platform::HeadlessBackend backend;
    struct Case {
        uint32_t version;
        bool second, seventh;
    };
    for (const Case c : {Case{0x0300, false, false}, Case{0x0500, true, false}, Case{0x0700, true, true}}) {
        di::Runtime runtime(backend, c.version);
        std::shared_ptr<di::IDirectInputA> input;
        ASSERT_EQ(runtime.DirectInputCreateA(di::DIRECTINPUT_VERSION_3, input), di::DI_OK);
        std::shared_ptr<di::IDirectInput2A> second;
        std::shared_ptr<di::IDirectInput7A> seventh;
        EXPECT_EQ(di::succeeded(di::QueryInterface(std::shared_ptr<di::Unknown>(input), second)), c.second);
        EXPECT_EQ(di::succeeded(di::QueryInterface(std::shared_ptr<di::Unknown>(input), seventh)), c.seventh);
        std::shared_ptr<di::Unknown> ex;
        EXPECT_EQ(di::succeeded(runtime.DirectInputCreateEx(0x0700, di::IID_IDirectInput7A, ex)), c.seventh);
        // Asking for a newer DirectInput than the machine has is refused.
        EXPECT_EQ(runtime.DirectInputCreateA(c.version + 0x0100, input), di::DIERR_OLDDIRECTINPUTVERSION);
        EXPECT_EQ(input, nullptr);
    }
    di::Runtime missing(backend, 0);
    std::shared_ptr<di::IDirectInputA> input;
    EXPECT_TRUE(di::failed(missing.DirectInputCreateA(di::DIRECTINPUT_VERSION_3, input)));
}

TEST(DirectInputDevice, KeyboardReadsOnlyWhileTheWindowHasTheFocus)
{
    platform::HeadlessBackend backend;
    di::Runtime runtime(backend);
    auto keyboard = openDevice(runtime, backend.window(), di::GUID_SysKeyboard, di::c_dfDIKeyboard);
    std::array<uint8_t, 256> keys{};

    backend.keyDown(platform::dik::Up);
    ASSERT_EQ(keyboard->GetDeviceState(256, keys.data()), di::DI_OK);
    EXPECT_EQ(keys[platform::dik::Up], 0x80);

    backend.loseFocus();
    EXPECT_EQ(keyboard->GetDeviceState(256, keys.data()), di::DIERR_INPUTLOST);
    EXPECT_EQ(keyboard->GetDeviceState(256, keys.data()), di::DIERR_NOTACQUIRED);
    EXPECT_EQ(keyboard->Acquire(), di::DIERR_OTHERAPPHASPRIO);

    backend.gainFocus();
    EXPECT_EQ(keyboard->Acquire(), di::DI_OK);
    EXPECT_EQ(keyboard->Acquire(), di::DI_NOEFFECT);
    EXPECT_EQ(keyboard->GetDeviceState(256, keys.data()), di::DI_OK);
}

TEST(DirectInputDevice, RejectsWrongSizesFormatsAndLevels)
{
    platform::HeadlessBackend backend;
    di::Runtime runtime(backend);
    std::shared_ptr<di::IDirectInputA> input;
    ASSERT_EQ(runtime.DirectInputCreateA(di::DIRECTINPUT_VERSION_3, input), di::DI_OK);
    std::shared_ptr<di::IDirectInputDeviceA> mouse;
    ASSERT_EQ(input->CreateDevice(di::GUID_SysMouse, mouse), di::DI_OK);

    di::DIMOUSESTATE state;
    EXPECT_EQ(mouse->GetDeviceState(sizeof state, &state), di::DIERR_INVALIDPARAM);  // no data format yet
    EXPECT_EQ(mouse->Acquire(), di::DIERR_INVALIDPARAM);
    EXPECT_EQ(mouse->SetDataFormat(&di::c_dfDIKeyboard), di::DIERR_INVALIDPARAM);
    ASSERT_EQ(mouse->SetDataFormat(&di::c_dfDIMouse), di::DI_OK);
    EXPECT_EQ(mouse->SetCooperativeLevel(&backend.window(), di::DISCL_EXCLUSIVE | di::DISCL_NONEXCLUSIVE |
                                                                di::DISCL_FOREGROUND),
              di::DIERR_INVALIDPARAM);
    EXPECT_EQ(mouse->SetCooperativeLevel(nullptr, di::DISCL_NONEXCLUSIVE | di::DISCL_FOREGROUND), di::DIERR_INVALIDPARAM);
    ASSERT_EQ(mouse->Acquire(), di::DI_OK);
    EXPECT_EQ(mouse->SetDataFormat(&di::c_dfDIMouse), di::DIERR_ACQUIRED);
    EXPECT_EQ(mouse->GetDeviceState(sizeof state - 1, &state), di::DIERR_INVALIDPARAM);
    EXPECT_EQ(mouse->GetDeviceState(sizeof state, nullptr), di::DIERR_INVALIDPARAM);

    std::shared_ptr<di::IDirectInputDeviceA> none;
    EXPECT_EQ(input->CreateDevice(di::GUID_Joystick, none), di::DIERR_DEVICENOTREG);
    EXPECT_EQ(none, nullptr);
}

TEST(DirectInputDevice, MouseReportsMovementSinceTheLastReadAndDropsBackgroundMovement)
{
    platform::HeadlessBackend backend;
    di::Runtime runtime(backend);
    auto mouse = openDevice(runtime, backend.window(), di::GUID_SysMouse, di::c_dfDIMouse);
    di::DIMOUSESTATE state;

    backend.mouseMove(3, -2);
    backend.mouseMove(4, 1);
    backend.mouseWheel(120);
    backend.mouseButton(1, true);
    ASSERT_EQ(mouse->GetDeviceState(sizeof state, &state), di::DI_OK);
    EXPECT_EQ(state.lX, 7);
    EXPECT_EQ(state.lY, -1);
    EXPECT_EQ(state.lZ, 120);
    EXPECT_EQ(state.rgbButtons[1], 0x80);
    ASSERT_EQ(mouse->GetDeviceState(sizeof state, &state), di::DI_OK);
    EXPECT_EQ(state.lX, 0);
    EXPECT_EQ(state.lY, 0);

    backend.loseFocus();
    EXPECT_EQ(mouse->GetDeviceState(sizeof state, &state), di::DIERR_INPUTLOST);
    backend.mouseMove(50, 50);  // the pointer wandering over other windows
    backend.gainFocus();
    ASSERT_EQ(mouse->Acquire(), di::DI_OK);
    backend.mouseMove(1, 0);
    ASSERT_EQ(mouse->GetDeviceState(sizeof state, &state), di::DI_OK);
    EXPECT_EQ(state.lX, 1);
    EXPECT_EQ(state.lY, 0);
}

TEST(DirectInputDevice, ObjectQueriesCheckTheRecordSize)
{
    platform::HeadlessBackend backend;
    di::Runtime runtime(backend);
    auto mouse = openDevice(runtime, backend.window(), di::GUID_SysMouse, di::c_dfDIMouse);
    di::DIDEVICEOBJECTINSTANCEA info{};
    info.dwSize = 316;
    EXPECT_EQ(mouse->GetObjectInfo(&info, 12, di::DIPH_BYOFFSET), di::DI_OK);
    EXPECT_EQ(info.dwSize, 316U);
    EXPECT_EQ(info.dwOfs, 12U);
    EXPECT_EQ(mouse->GetObjectInfo(&info, 16, di::DIPH_BYOFFSET), di::DIERR_OBJECTNOTFOUND);
    info.dwSize = 100;
    EXPECT_EQ(mouse->GetObjectInfo(&info, 12, di::DIPH_BYOFFSET), di::DIERR_INVALIDPARAM);
}

TEST(DirectInputResult, FailuresRaiseWithContextAndDescription)
{
    EXPECT_NO_THROW(di::checkResult(di::DI_OK, "DInput1 Create"));
    try {
        di::checkResult(di::DIERR_OLDDIRECTINPUTVERSION, "DInput7 Create");
        FAIL() << "no exception";
    } catch (const platform::Exception& e) {
        EXPECT_STREQ(e.what(), "Error in: DInput7 Create\rThe application requires a newer version of DirectInput.");
    }
    EXPECT_EQ(di::describeResult(static_cast<di::HRESULT>(0x80001234U)), "");
}

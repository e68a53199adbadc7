// Emulated joysticks: axis shaping by range, dead zone and saturation, the
// property records, objects by data-format offset, and unplugging.
#include <gtest/gtest.h>

#include "platform/backends/headless/headless_backend.h"
#include "platform/win32/dinput/axis_scaling.h"
#include "platform/win32/dinput/dinput_runtime.h"

namespace di = platform::dinput;

namespace {

platform::RawJoystick pad(int id, int axes = 2, int buttons = 4)
{
    platform::RawJoystick j;
    j.instanceId = id;
    j.name = "Pad " + std::to_string(id);
    j.product = "Test Pad";
    j.numAxes = axes;
    j.numButtons = buttons;
    return j;
}

struct JoystickFixture : ::testing::Test {
    platform::HeadlessBackend backend;
    di::Runtime runtime{backend};
    std::shared_ptr<di::IDirectInput7A> input;
    std::shared_ptr<di::IDirectInputDevice7A> device;

    void open(const platform::RawJoystick& raw)
    {
        backend.addJoystick(raw);
        std::shared_ptr<di::Unknown> object;
        ASSERT_EQ(runtime.DirectInputCreateEx(0x0700, di::IID_IDirectInput7A, object), di::DI_OK);
        ASSERT_EQ(di::QueryInterface(object, input), di::DI_OK);
        std::vector<di::DIDEVICEINSTANCEA> found;
        input->EnumDevices(
            di::DIDEVTYPE_JOYSTICK, [&](const di::DIDEVICEINSTANCEA& i) { found.push_back(i); return di::DIENUM_CONTINUE; },
            di::DIEDFL_ATTACHEDONLY);
        ASSERT_EQ(found.size(), 1U);
        EXPECT_STREQ(found[0].tszProductName.data(), "Test Pad");
        std::shared_ptr<di::Unknown> created;
        ASSERT_EQ(input->CreateDeviceEx(found[0].guidInstance, di::IID_IDirectInputDevice7A, created), di::DI_OK);
        ASSERT_EQ(di::QueryInterface(created, device), di::DI_OK);
        ASSERT_EQ(device->SetDataFormat(&di::c_dfDIJoystick), di::DI_OK);
    }

    di::HRESULT setDword(di::DIPROP prop, uint32_t obj, uint32_t how, uint32_t data)
    {
        di::DIPROPDWORD p;
        p.diph = {sizeof p, sizeof(di::DIPROPHEADER), obj, how};
        p.dwData = data;
        return device->SetProperty(prop, &p.diph);
    }

    di::HRESULT setRange(uint32_t obj, uint32_t how, int32_t min, int32_t max)
    {
        di::DIPROPRANGE p;
        p.diph = {sizeof p, sizeof(di::DIPROPHEADER), obj, how};
        p.lMin = min;
        p.lMax = max;
        return device->SetProperty(di::DIPROP::RANGE, &p.diph);
    }

    di::DIJOYSTATE read()
    {
        di::DIJOYSTATE s;
        EXPECT_EQ(device->Poll(), di::DI_OK);
        EXPECT_EQ(device->GetDeviceState(sizeof s, &s), di::DI_OK);
        return s;
    }
};

}  // namespace

TEST(AxisScaling, DeadZoneAndSaturationShapeTheRange)
{
    const di::AxisCalibration game{-1000, 1000, 5000, 8000};
    EXPECT_EQ(di::scaleAxis(0, game), 0);
    EXPECT_EQ(di::scaleAxis(13107, game), 0);       // 40%: inside the dead zone
    EXPECT_EQ(di::scaleAxis(-13107, game), 0);
    EXPECT_NEAR(di::scaleAxis(19660, game), 333, 1);  // 60%: a third of the way from 50% to 80%
    EXPECT_NEAR(di::scaleAxis(-19661, game), -333, 1);
    EXPECT_EQ(di::scaleAxis(26214, game), 1000);    // 80%: saturated
    EXPECT_EQ(di::scaleAxis(32767, game), 1000);
    EXPECT_EQ(di::scaleAxis(-32768, game), -1000);

    const di::AxisCalibration defaults;  // 0..65535, no dead zone, no saturation
    EXPECT_EQ(di::scaleAxis(-32768, defaults), 0);
    EXPECT_EQ(di::scaleAxis(0, defaults), 32767);
    EXPECT_EQ(di::scaleAxis(32767, defaults), 65535);
    // A saturation inside the dead zone leaves a switch: centre or end.
    EXPECT_EQ(di::scaleAxis(16384, {-10, 10, 6000, 3000}), 0);
    EXPECT_EQ(di::scaleAxis(22000, {-10, 10, 6000, 3000}), 10);
}

TEST_F(JoystickFixture, AxesAndButtonsReadThroughTheProperties)
{
    auto raw = pad(7, 2, 32);
    open(raw);
    ASSERT_EQ(setRange(di::DIJOFS_X, di::DIPH_BYOFFSET, -1000, 1000), di::DI_OK);
    ASSERT_EQ(setRange(di::DIJOFS_Y, di::DIPH_BYOFFSET, -1000, 1000), di::DI_OK);
    ASSERT_EQ(setDword(di::DIPROP::DEADZONE, 0, di::DIPH_DEVICE, 5000), di::DI_OK);
    ASSERT_EQ(setDword(di::DIPROP::SATURATION, 0, di::DIPH_DEVICE, 8000), di::DI_OK);
    ASSERT_EQ(device->Acquire(), di::DI_OK);

    auto& live = backend.input().joysticks[0];
    live.axes[0] = 13107;   // 40% right
    live.axes[1] = -19661;  // 60% up
    live.axes[2] = 30000;   // no z axis on this pad
    live.buttons[31] = 0x80;
    const di::DIJOYSTATE s = read();
    EXPECT_EQ(s.lX, 0);
    EXPECT_NEAR(s.lY, -333, 1);
    EXPECT_EQ(s.lZ, 0);
    EXPECT_EQ(s.rgbButtons[31], 0x80);
    EXPECT_EQ(s.rgbButtons[0], 0);
}

TEST_F(JoystickFixture, PropertiesAreCheckedBeforeTheyTakeEffect)
{
    open(pad(1, 2, 4));
    // Out-of-range values and missing objects leave the axis as it was.
    EXPECT_EQ(setDword(di::DIPROP::DEADZONE, di::DIJOFS_X, di::DIPH_BYOFFSET, 10001), di::DIERR_INVALIDPARAM);
    EXPECT_EQ(setDword(di::DIPROP::SATURATION, di::DIJOFS_X, di::DIPH_BYOFFSET, 20000), di::DIERR_INVALIDPARAM);
    EXPECT_EQ(setRange(di::DIJOFS_X, di::DIPH_BYOFFSET, 10, -10), di::DIERR_INVALIDPARAM);
    EXPECT_EQ(setRange(di::DIJOFS_Z, di::DIPH_BYOFFSET, -1000, 1000), di::DIERR_OBJECTNOTFOUND);
    EXPECT_EQ(setRange(di::DIJOFS_BUTTON0, di::DIPH_BYOFFSET, -1000, 1000), di::DIERR_INVALIDPARAM);
    EXPECT_EQ(setDword(di::DIPROP::AUTOCENTER, di::DIJOFS_X, di::DIPH_BYOFFSET, 1), di::DIERR_INVALIDPARAM);
    EXPECT_EQ(setDword(di::DIPROP::AUTOCENTER, 0, di::DIPH_DEVICE, 2), di::DIERR_INVALIDPARAM);
    EXPECT_EQ(setDword(di::DIPROP::AUTOCENTER, 0, di::DIPH_DEVICE, 0), di::DI_OK);
    di::DIPROPDWORD wrongSize;
    wrongSize.diph = {sizeof(di::DIPROPRANGE), sizeof(di::DIPROPHEADER), 0, di::DIPH_DEVICE};
    EXPECT_EQ(device->SetProperty(di::DIPROP::DEADZONE, &wrongSize.diph), di::DIERR_INVALIDPARAM);

    di::DIPROPRANGE range;
    range.diph = {sizeof range, sizeof(di::DIPROPHEADER), di::DIJOFS_X, di::DIPH_BYOFFSET};
    ASSERT_EQ(device->GetProperty(di::DIPROP::RANGE, &range.diph), di::DI_OK);
    EXPECT_EQ(range.lMin, 0);
    EXPECT_EQ(range.lMax, 65535);

    di::DIDEVICEOBJECTINSTANCEA info{};
    info.dwSize = sizeof info;
    EXPECT_EQ(device->GetObjectInfo(&info, di::DIJOFS_Y, di::DIPH_BYOFFSET), di::DI_OK);
    EXPECT_EQ(device->GetObjectInfo(&info, di::DIJOFS_BUTTON0 + 3, di::DIPH_BYOFFSET), di::DI_OK);
    EXPECT_EQ(device->GetObjectInfo(&info, di::DIJOFS_BUTTON0 + 4, di::DIPH_BYOFFSET), di::DIERR_OBJECTNOTFOUND);
    EXPECT_EQ(device->GetObjectInfo(&info, di::DIJOFS_POV0, di::DIPH_BYOFFSET), di::DIERR_OBJECTNOTFOUND);
}

TEST_F(JoystickFixture, AnUnpluggedPadReadsAsLost)
{
    open(pad(3));
    ASSERT_EQ(device->Acquire(), di::DI_OK);
    EXPECT_TRUE(runtime.joysticksAre(std::vector{di::GUID{3, 0xB0C0, 0x0001, {'B', 'C', 'J', 'O', 'Y', 'S', 'T', 'K'}}}));
    backend.removeJoystick(3);
    EXPECT_TRUE(runtime.joysticksAre({}));
    di::DIJOYSTATE s;
    EXPECT_EQ(device->GetDeviceState(sizeof s, &s), di::DIERR_INPUTLOST);
    EXPECT_EQ(device->Acquire(), di::DIERR_INPUTLOST);
}

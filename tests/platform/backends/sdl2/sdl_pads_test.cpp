// Game pads through SDL's game-controller mapping, with SDL's virtual
// joysticks standing in for real pads: where the stick, the d-pad and the
// buttons land in the raw state, the keys Start and Back press, pads plugged
// in while running, and plain joysticks left as they are.
#include <gtest/gtest.h>

#include <SDL.h>

#include <vector>

#include "platform/backends/keycodes.h"
#include "platform/backends/pad_layout.h"
#include "platform/backends/sdl2/sdl_input.h"

namespace {

class SdlPads : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_JOYSTICK | SDL_INIT_GAMECONTROLLER), 0) << SDL_GetError();
    }
    void TearDown() override
    {
        input.reset();
        for (int index : attached) SDL_JoystickDetachVirtual(index);
        SDL_QuitSubSystem(SDL_INIT_JOYSTICK | SDL_INIT_GAMECONTROLLER);
    }

    // A pad SDL knows how to map, as most pads sold today are.
    int attachPad()
    {
        const int index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX,
                                                    SDL_CONTROLLER_BUTTON_MAX, 0);
        attached.push_back(index);
        return index;
    }
    // Feeds SDL's pending events to the input, as the backend's loop does;
    // returns the keys the pads pressed and released.
    std::vector<platform::Event> pump()
    {
        SDL_JoystickUpdate();
        std::vector<platform::Event> keys;
        for (SDL_Event e; SDL_PollEvent(&e);) {
            input->handle(e);
            for (platform::Event key; input->takePadKey(key);) keys.push_back(key);
        }
        return keys;
    }
    SDL_Joystick* device(std::size_t opened) { return SDL_JoystickFromInstanceID(raw.joysticks.at(opened).instanceId); }

    platform::RawInput raw;
    std::unique_ptr<platform::SdlInput> input = std::make_unique<platform::SdlInput>(raw);
    std::vector<int> attached;
};

TEST_F(SdlPads, StickAndDpadMoveFaceButtonsClickStartAndBackPressTheirKeys)
{
    attachPad();
    input->rescanDevices();
    pump();
    ASSERT_EQ(raw.joysticks.size(), 1u);
    const platform::RawJoystick& pad = raw.joysticks[0];
    EXPECT_TRUE(pad.gameController);
    EXPECT_EQ(pad.numAxes, platform::pad::kAxisCount);
    SDL_Joystick* j = device(0);
    ASSERT_NE(j, nullptr);

    SDL_JoystickSetVirtualAxis(j, SDL_CONTROLLER_AXIS_LEFTY, 20000);
    SDL_JoystickSetVirtualButton(j, SDL_CONTROLLER_BUTTON_A, 1);
    EXPECT_TRUE(pump().empty()) << "A and the stick press no keys";
    EXPECT_EQ(pad.axes[0], 0);
    EXPECT_EQ(pad.axes[1], 20000);
    EXPECT_EQ(pad.buttons[platform::pad::A], 0x80);
    EXPECT_EQ(pad.buttons[platform::pad::B], 0);

    // The d-pad pushes all the way, over the stick; let go, the stick counts again.
    SDL_JoystickSetVirtualButton(j, SDL_CONTROLLER_BUTTON_DPAD_LEFT, 1);
    SDL_JoystickSetVirtualButton(j, SDL_CONTROLLER_BUTTON_DPAD_UP, 1);
    pump();
    EXPECT_EQ(pad.axes[0], -32768);
    EXPECT_EQ(pad.axes[1], -32768);
    EXPECT_EQ(pad.povs[0], 31500) << "the d-pad still reads as the hat too";
    SDL_JoystickSetVirtualButton(j, SDL_CONTROLLER_BUTTON_DPAD_LEFT, 0);
    SDL_JoystickSetVirtualButton(j, SDL_CONTROLLER_BUTTON_DPAD_UP, 0);
    SDL_JoystickSetVirtualButton(j, SDL_CONTROLLER_BUTTON_DPAD_RIGHT, 1);
    pump();
    EXPECT_EQ(pad.axes[0], 32767);
    EXPECT_EQ(pad.axes[1], 20000);

    SDL_JoystickSetVirtualButton(j, SDL_CONTROLLER_BUTTON_START, 1);
    std::vector<platform::Event> keys = pump();
    ASSERT_EQ(keys.size(), 1u);
    EXPECT_EQ(keys[0].type, platform::EventType::KeyDown);
    EXPECT_EQ(keys[0].key, platform::dik::F2);
    EXPECT_EQ(pad.buttons[platform::pad::Start], 0x80);
    SDL_JoystickSetVirtualButton(j, SDL_CONTROLLER_BUTTON_START, 0);
    keys = pump();
    ASSERT_EQ(keys.size(), 1u);
    EXPECT_EQ(keys[0].type, platform::EventType::KeyUp);

    SDL_JoystickSetVirtualButton(j, SDL_CONTROLLER_BUTTON_BACK, 1);
    keys = pump();
    ASSERT_EQ(keys.size(), 1u);
    EXPECT_EQ(keys[0].key, platform::dik::Escape);
}

TEST_F(SdlPads, APadPluggedInWhileRunningWorksAtOnceAndLeavesWhenUnplugged)
{
    input->rescanDevices();
    pump();
    EXPECT_TRUE(raw.joysticks.empty());
    const int index = attachPad();
    pump();
    ASSERT_EQ(raw.joysticks.size(), 1u) << "opened from the plug-in event, no rescan needed";
    SDL_JoystickSetVirtualButton(device(0), SDL_CONTROLLER_BUTTON_B, 1);
    pump();
    EXPECT_EQ(raw.joysticks[0].buttons[platform::pad::B], 0x80);

    SDL_JoystickDetachVirtual(index);
    attached.clear();
    pump();
    EXPECT_TRUE(raw.joysticks.empty());
}

TEST_F(SdlPads, PlainJoysticksKeepTheirOwnAxesButtonsAndHats)
{
    const int index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_FLIGHT_STICK, 3, 8, 1);
    attached.push_back(index);
    input->rescanDevices();
    pump();
    ASSERT_EQ(raw.joysticks.size(), 1u);
    const platform::RawJoystick& stick = raw.joysticks[0];
    if (stick.gameController) GTEST_SKIP() << "this SDL maps every virtual joystick as a pad";
    EXPECT_EQ(stick.numAxes, 3);
    EXPECT_EQ(stick.numButtons, 8);
    SDL_Joystick* j = device(0);
    SDL_JoystickSetVirtualButton(j, platform::pad::Back, 1);  // on a plain stick just a button
    SDL_JoystickSetVirtualHat(j, 0, SDL_HAT_LEFT);
    SDL_JoystickSetVirtualAxis(j, 2, -12000);
    EXPECT_TRUE(pump().empty());
    EXPECT_EQ(stick.buttons[platform::pad::Back], 0x80);
    EXPECT_EQ(stick.axes[0], 0) << "the hat does not move the stick's axes";
    EXPECT_EQ(stick.axes[2], -12000);
    EXPECT_EQ(stick.povs[0], 27000);
}

TEST(SdlMouse, MotionIsScaledToPicturePixelsKeepingWhatIsLeftOver)
{
    platform::RawInput raw;
    platform::SdlInput input(raw);
    input.setPointerMapping({0.5});  // the picture shown at twice its size
    // SDL reports where the pointer is as well as how far it moved; an
    // unpinned pointer is followed from where it was last seen.
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.x = 100;
    e.motion.y = 100;
    input.handle(e);
    const auto move = [&] {
        e.motion.xrel = 1;
        e.motion.yrel = -3;
        e.motion.x += e.motion.xrel;
        e.motion.y += e.motion.yrel;
        input.handle(e);
    };
    for (int i = 0; i < 3; ++i) move();
    EXPECT_EQ(raw.mouse.dx, 1) << "three half pixels make one, and a half is kept";
    EXPECT_EQ(raw.mouse.dy, -4);
    move();
    EXPECT_EQ(raw.mouse.dx, 2);
    EXPECT_EQ(raw.mouse.dy, -6);
}

TEST(SdlMouse, AFollowedPointerLinesTheCursorUpWhereItEntersAndAtTheSides)
{
    platform::RawInput raw;
    platform::SdlInput input(raw);
    input.setFollowPointer(true);
    input.setPointerMapping({0.5, 20.0, 0.0});  // twice the size, centred with 40-pixel borders
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    const auto moveTo = [&](int x, int y) {
        e.motion.x = x;
        e.motion.y = y;
        input.handle(e);
    };
    const auto read = [&] {
        const std::pair<int, int> motion{raw.mouse.dx, raw.mouse.dy};
        raw.mouse.dx = raw.mouse.dy = 0;
        raw.mouse.pressed.fill(0);
        input.settle();
        return motion;
    };
    moveTo(300, 200);
    SDL_Event press{};
    press.type = SDL_MOUSEBUTTONDOWN;
    press.button.type = SDL_MOUSEBUTTONDOWN;
    press.button.button = SDL_BUTTON_LEFT;
    press.button.x = 300;
    press.button.y = 200;
    input.handle(press);
    input.settle();
    EXPECT_EQ(raw.mouse.buttons[0], 0) << "the click waits until the cursor is under the pointer";
    const auto corner = read();
    EXPECT_LT(corner.first, -10000);
    EXPECT_LT(corner.second, -10000);
    EXPECT_EQ(raw.mouse.buttons[0], 0) << "the game looks at a press before it moves its cursor";
    EXPECT_EQ(read(), std::make_pair(130, 100));
    EXPECT_EQ(raw.mouse.buttons[0], 0x80);

    moveTo(310, 200);
    EXPECT_EQ(read(), std::make_pair(5, 0)) << "then it moves with the pointer";
    moveTo(10, 200);
    const auto pushed = read();
    EXPECT_LT(pushed.first, -10000) << "past a side it is pushed against it";
    moveTo(60, 200);
    EXPECT_EQ(read(), std::make_pair(10, 0)) << "and comes back in with the pointer";

    SDL_Event leave{};
    leave.type = SDL_WINDOWEVENT;
    leave.window.event = SDL_WINDOWEVENT_LEAVE;
    input.handle(leave);
    moveTo(100, 300);
    EXPECT_LT(read().first, -10000) << "coming back into the window lines it up again";
    EXPECT_EQ(read(), std::make_pair(30, 150));

    // The game may have moved its cursor since: every press lines it up
    // again, also one that comes with no motion before it (a tap).
    SDL_Event release = press;
    release.type = release.button.type = SDL_MOUSEBUTTONUP;
    input.handle(release);
    read();
    press.button.x = 340;
    input.handle(press);
    input.settle();
    EXPECT_LT(read().first, -10000) << "a press sends the cursor into the corner first";
    EXPECT_EQ(read(), std::make_pair(150, 100)) << "then under the pointer";
    EXPECT_EQ(raw.mouse.pressed[0], 0x80) << "where the press counts";
}

}  // namespace

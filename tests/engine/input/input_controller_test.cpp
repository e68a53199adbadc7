// The controller as the game uses it: keys, mouse and focus folded into States.
#include "input_test_support.h"

#include "platform/backends/keycodes.h"
#include "platform/errors.h"

using namespace input_test;
namespace dik = platform::dik;

TEST_F(ControllerFixture, StartsEmptyAndInitialisesOnlyWhenAsked)
{
    TDInputController fresh(app);
    EXPECT_TRUE(fresh.AutoInitialize);
    EXPECT_FALSE(fresh.Initialized());
    EXPECT_EQ(fresh.Version(), -1);
    EXPECT_EQ(fresh.Keyboard(), nullptr);
    EXPECT_EQ(fresh.FirstJoystick(), nullptr);
    fresh.Poll();  // before Initialize: nothing to read, nothing set
    EXPECT_TRUE(fresh.States().Empty());

    int initialised = 0;
    fresh.OnInitialize = [&](TDInputController& sender) {
        EXPECT_EQ(&sender, &fresh);
        EXPECT_TRUE(sender.Initialized());
        ++initialised;
    };
    fresh.Loaded();
    EXPECT_EQ(initialised, 1);
    EXPECT_EQ(fresh.Version(), 7);
    ASSERT_NE(fresh.Keyboard(), nullptr);
    EXPECT_TRUE(fresh.Keyboard()->Enabled);
    ASSERT_NE(fresh.Mouse(), nullptr);
    EXPECT_FALSE(fresh.Mouse()->Enabled);
    EXPECT_EQ(fresh.Keyboard()->KeyMap[stUp][0], 200);
    EXPECT_EQ(fresh.Keyboard()->KeyMap[stButton2][0], 28);
    EXPECT_EQ(fresh.Keyboard()->KeyMap[stButton3][0], 0);
}

TEST_F(ControllerFixture, SpaceAndZBothGiveTheFirstButton)
{
    start();
    backend.keyDown(dik::Space);
    backend.keyDown(dik::Z);
    controller->Poll();
    EXPECT_EQ(controller->States(), TInputStates{stButton1});

    backend.keyUp(dik::Space);
    controller->Poll();
    EXPECT_EQ(controller->States(), TInputStates{stButton1});

    backend.keyUp(dik::Z);
    backend.keyDown(dik::X);
    backend.keyDown(dik::Up);
    backend.keyDown(dik::Right);
    controller->Poll();
    EXPECT_EQ(controller->States(), (TInputStates{stButton3, stUp, stRight}));
    EXPECT_TRUE(controller->Keyboard()->KeyDown(dik::X));
}

TEST_F(ControllerFixture, KeyCodesOutsideTheKeyboardNeverReadAsDown)
{
    start();
    for (int code = 0; code < 256; ++code) backend.input().keys[static_cast<std::size_t>(code)] = 0x80;
    controller->Poll();
    const TDKeyBoard& keyboard = *controller->Keyboard();
    EXPECT_TRUE(keyboard.KeyDown(255));
    EXPECT_FALSE(keyboard.KeyDown(0));
    EXPECT_FALSE(keyboard.KeyDown(256));
    EXPECT_FALSE(keyboard.KeyDown(-1));
    EXPECT_FALSE(keyboard.KeyDown(1 << 30));
    // Rows without keys stay off even with every key held: 0 means "no key".
    EXPECT_FALSE(controller->States().Contains(stButton4));
    EXPECT_FALSE(controller->States().Contains(stButton32));
    // A key map entry past 255 is no key either.
    controller->Keyboard()->KeyMap[stButton4][0] = 256 + dik::Space;
    controller->Poll();
    EXPECT_FALSE(controller->States().Contains(stButton4));
}

TEST_F(ControllerFixture, MouseMovedRightAndDownSetsBothDirections)
{
    start();
    backend.mouseMove(5, 3);
    controller->Poll();
    EXPECT_EQ(controller->States(), (TInputStates{stRight, stDown}));
    EXPECT_EQ(controller->Mouse()->DeltaX, 5);
    EXPECT_EQ(controller->Mouse()->DeltaY, 3);

    // Still mouse: the deltas were used up by the last read.
    controller->Poll();
    EXPECT_TRUE(controller->States().Empty());

    backend.mouseMove(-2, -1);
    backend.mouseButton(0, true);
    backend.mouseButton(2, true);
    backend.mouseWheel(-120);
    controller->Poll();
    EXPECT_EQ(controller->States(), (TInputStates{stLeft, stUp, stButton1, stButton3}));
    EXPECT_EQ(controller->Mouse()->DeltaZ, -120);
    EXPECT_TRUE(controller->Mouse()->Buttons[0]);
    EXPECT_FALSE(controller->Mouse()->Buttons[1]);
}

TEST_F(ControllerFixture, DisabledMouseKeepsItsOwnStatesOnly)
{
    start();
    controller->Mouse()->Enabled = false;
    backend.mouseMove(4, 0);
    backend.mouseButton(1, true);
    controller->Poll();
    EXPECT_EQ(controller->Mouse()->DeltaX, 4);
    EXPECT_EQ(controller->Mouse()->States, (TInputStates{stRight, stButton2}));
    EXPECT_TRUE(controller->States().Empty());
}

TEST_F(ControllerFixture, LosingTheFocusReadsIdleUntilItComesBack)
{
    start();
    backend.keyDown(dik::Left);
    backend.mouseButton(0, true);
    controller->Poll();
    EXPECT_EQ(controller->States(), (TInputStates{stLeft, stButton1}));

    backend.loseFocus();
    backend.mouseMove(40, 40);
    for (int frame = 0; frame < 3; ++frame) {
        controller->Poll();
        EXPECT_TRUE(controller->States().Empty()) << frame;
        EXPECT_FALSE(controller->Keyboard()->KeyDown(dik::Left));
        EXPECT_EQ(controller->Mouse()->DeltaX, 0);
    }

    backend.gainFocus();
    controller->Poll();  // the game does nothing: the controller acquires again
    EXPECT_EQ(controller->States(), (TInputStates{stLeft, stButton1}));
    EXPECT_EQ(controller->Mouse()->DeltaX, 0);  // movement in the background is not replayed
}

TEST_F(ControllerFixture, DisabledOrUnusedDevicesStayOut)
{
    start();
    controller->Keyboard()->Enabled = false;
    backend.keyDown(dik::Space);
    controller->Poll();
    EXPECT_TRUE(controller->States().Empty());
    EXPECT_EQ(controller->Keyboard()->States, TInputStates{stButton1});

    TDInputController keysOnly(app);
    keysOnly.UseMouse = false;
    keysOnly.UseJoysticks = false;
    backend.addJoystick(makePad(1));
    keysOnly.Initialize();
    EXPECT_EQ(keysOnly.Mouse(), nullptr);
    EXPECT_EQ(keysOnly.JoystickCount(), 0);
    backend.mouseMove(1, 1);
    keysOnly.Poll();
    EXPECT_EQ(keysOnly.States(), TInputStates{stButton1});
}

TEST_F(ControllerFixture, PicksTheNewestGenerationTheMachineOffers)
{
    for (const auto& [offered, expected] : {std::pair{0x0700U, 7}, std::pair{0x0500U, 2}, std::pair{0x0300U, 1}}) {
        TDInputController c(app, offered);
        c.Initialize();
        EXPECT_EQ(c.Version(), expected);
        EXPECT_EQ(c.DInput()->Generation(), expected);
        EXPECT_EQ(c.Keyboard()->Device->Generation(), expected);
    }
}

TEST_F(ControllerFixture, AMachineWithoutDirectInputFailsToStartWithAClearMessage)
{
    TDInputController c(app, 0);
    try {
        c.Initialize();
        FAIL() << "no exception";
    } catch (const platform::Exception& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Error in: DInput1 Create\r", 0), 0U) << e.what();
    }
    EXPECT_FALSE(c.Initialized());
    c.Poll();
    EXPECT_TRUE(c.States().Empty());
}

TEST_F(ControllerFixture, DestructionFreesDevicesThenTellsTheOwner)
{
    bool told = false;
    {
        TDInputController c(app);
        c.Initialize();
        c.OnDestroy = [&](TDInputController& sender) {
            EXPECT_EQ(sender.Keyboard(), nullptr);
            EXPECT_EQ(sender.DInput(), nullptr);
            told = true;
        };
    }
    EXPECT_TRUE(told);
}

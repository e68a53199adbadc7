// Joysticks through the controller: axes with the 50% dead zone, buttons up
// to 32, the setters, generation 1, and pads plugged in or out while running.
#include "input_test_support.h"

using namespace input_test;

TEST_F(ControllerFixture, JoystickAxisCountsOnlyPastHalfWay)
{
    backend.addJoystick(makePad(4));
    start();
    ASSERT_EQ(controller->JoystickCount(), 1);
    TDJoystick& joy = *controller->FirstJoystick();
    EXPECT_EQ(joy.ProductName, "Test Pad");
    EXPECT_EQ(joy.InstanceName, "Pad 4");
    EXPECT_TRUE(joy.HasX);
    EXPECT_TRUE(joy.HasY);
    EXPECT_FALSE(joy.HasZ);
    EXPECT_EQ(joy.ButtonCount, 32);
    EXPECT_EQ(joy.RangeX, 1000);
    EXPECT_EQ(joy.DeadZoneY, 50);
    EXPECT_EQ(joy.SaturationX, 20);
    EXPECT_EQ(joy.RangeZ, 0);  // no z axis: left alone
    EXPECT_TRUE(joy.AutoCenter);

    livePad(0).axes[0] = stick(0.4);
    livePad(0).axes[1] = stick(-0.4);
    controller->Poll();
    EXPECT_EQ(joy.X, 0);
    EXPECT_EQ(joy.Y, 0);
    EXPECT_TRUE(controller->States().Empty());

    livePad(0).axes[0] = stick(0.6);
    livePad(0).axes[1] = stick(-0.6);
    controller->Poll();
    EXPECT_NEAR(joy.X, 333, 1);
    EXPECT_NEAR(joy.Y, -333, 1);
    EXPECT_EQ(controller->States(), (TInputStates{stRight, stUp}));

    livePad(0).axes[0] = stick(-1.0);
    livePad(0).axes[1] = stick(0.9);
    controller->Poll();
    EXPECT_EQ(joy.X, -1000);
    EXPECT_EQ(joy.Y, 1000);
}

TEST_F(ControllerFixture, LastButtonMapsToTheLastStateAndNothingBeyond)
{
    backend.addJoystick(makePad(1));
    start();
    livePad(0).buttons.fill(0x80);
    controller->Poll();
    const TInputStates states = controller->States();
    for (int s = stButton1; s <= stButton32; ++s) EXPECT_TRUE(states.Contains(static_cast<TInputState>(s))) << s;
    EXPECT_EQ(states.Bytes()[4], 0x0F);  // ordinals 32..35 set, 36..39 never

    livePad(0).buttons.fill(0);
    livePad(0).buttons[31] = 0x80;
    controller->Poll();
    EXPECT_EQ(controller->States(), TInputStates{stButton32});
    EXPECT_EQ(static_cast<int>(stButton32), 35);
    EXPECT_TRUE(controller->FirstJoystick()->Buttons[31]);
}

TEST_F(ControllerFixture, SettersKeepOnlyWhatTheDeviceAccepts)
{
    backend.addJoystick(makePad(1, 3, 8));
    start();
    TDJoystick& joy = *controller->FirstJoystick();
    EXPECT_EQ(joy.ButtonCount, 8);
    EXPECT_TRUE(joy.ButtonExists[7]);
    EXPECT_FALSE(joy.ButtonExists[8]);

    joy.SetRangeX(1001);
    joy.SetRangeX(-1);
    EXPECT_EQ(joy.RangeX, 1000);
    joy.SetDeadZoneZ(101);
    EXPECT_EQ(joy.DeadZoneZ, 50);
    joy.SetRangeZ(100);
    joy.SetDeadZoneZ(0);
    joy.SetSaturationZ(0);
    EXPECT_EQ(joy.RangeZ, 100);
    EXPECT_EQ(joy.SaturationZ, 0);
    livePad(0).axes[2] = stick(0.5);
    controller->Poll();
    EXPECT_EQ(joy.Z, 50);  // no dead zone, no saturation: linear over -100..100

    joy.SetAutoCenter(false);
    EXPECT_FALSE(joy.AutoCenter);
}

TEST_F(ControllerFixture, GenerationOneHasNoJoysticks)
{
    backend.addJoystick(makePad(1));
    start(0x0300);
    EXPECT_EQ(controller->Version(), 1);
    EXPECT_TRUE(controller->UseJoysticks);
    EXPECT_EQ(controller->JoystickCount(), 0);
    livePad(0).buttons[0] = 0x80;
    backend.addJoystick(makePad(2));  // not even a new pad is looked at
    controller->Poll();
    EXPECT_EQ(controller->JoystickCount(), 0);
    EXPECT_TRUE(controller->States().Empty());
}

TEST_F(ControllerFixture, PadsPluggedInOrOutWhileRunningJoinOrLeave)
{
    backend.addJoystick(makePad(1));
    start();
    TDJoystick* first = controller->FirstJoystick();
    first->SetDeadZoneX(10);

    backend.addJoystick(makePad(2));
    livePad(1).buttons[0] = 0x80;
    controller->Poll();
    ASSERT_EQ(controller->JoystickCount(), 2);
    EXPECT_EQ(controller->FirstJoystick(), first);  // kept, with its settings
    EXPECT_EQ(first->DeadZoneX, 10);
    EXPECT_EQ(controller->Joysticks()[1]->InstanceName, "Pad 2");
    EXPECT_EQ(controller->States(), TInputStates{stButton1});

    backend.removeJoystick(1);
    controller->Poll();
    ASSERT_EQ(controller->JoystickCount(), 1);
    EXPECT_EQ(controller->FirstJoystick()->InstanceName, "Pad 2");
    EXPECT_EQ(controller->States(), TInputStates{stButton1});

    backend.removeJoystick(2);
    controller->Poll();
    EXPECT_EQ(controller->JoystickCount(), 0);
    EXPECT_TRUE(controller->States().Empty());
}

TEST_F(ControllerFixture, JoysticksReadIdleWithoutTheFocus)
{
    backend.addJoystick(makePad(1));
    start();
    livePad(0).buttons[2] = 0x80;
    livePad(0).axes[0] = stick(1.0);
    controller->Poll();
    EXPECT_EQ(controller->States(), (TInputStates{stButton3, stRight}));
    backend.loseFocus();
    controller->Poll();
    EXPECT_TRUE(controller->States().Empty());
    EXPECT_FALSE(controller->FirstJoystick()->Buttons[2]);
    backend.gainFocus();
    controller->Poll();
    EXPECT_EQ(controller->States(), (TInputStates{stButton3, stRight}));
}

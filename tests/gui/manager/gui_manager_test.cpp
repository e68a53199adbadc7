#include <gtest/gtest.h>

#include "gui/fx_button.h"
#include "gui/fx_edit_box.h"
#include "gui/fx_gui.h"
#include "gui/support/gui_fakes.h"

using namespace guitest;

namespace {

struct GuiRig {
    FakeDisplay display;
    FakeInput input;
    FakeImage pointer{12, 12, &display};
    TFXGUI gui{display, &input, &pointer};
    TFXScreenCursor& cursor() { return *gui.Cursor; }
};

}  // namespace

TEST(GuiCursor, MouseMovesByItsDeltasWhateverTheFrameTime) {
    GuiRig r;
    r.cursor().SetX(100);
    r.cursor().SetY(100);
    r.input.mouseStates = fxRight;
    r.input.dx = 5;
    r.input.states = fxLeft;  // ignored while the mouse is in use
    r.gui.Update(250);
    EXPECT_DOUBLE_EQ(r.cursor().X, 105);
    EXPECT_DOUBLE_EQ(r.cursor().Y, 100);
}

TEST(GuiCursor, DirectionStatesMoveWhenTheMouseIsStill) {
    GuiRig r;
    r.cursor().SetX(100);
    r.cursor().SetY(100);
    r.input.states = fxRight;
    r.gui.Update(20);  // 20 ms at 250 px/s
    EXPECT_DOUBLE_EQ(r.cursor().X, 105);
    r.input.states = fxUp | fxDown | fxLeft | fxRight;  // first rule: up-right
    r.gui.Update(4);
    EXPECT_DOUBLE_EQ(r.cursor().X, 106);
    EXPECT_DOUBLE_EQ(r.cursor().Y, 99);
    r.input.states = fxUp | fxDown;  // up wins
    r.gui.Update(4);
    EXPECT_DOUBLE_EQ(r.cursor().Y, 98);
    r.input.states = fxLeft | fxDown;
    r.gui.Update(4);
    EXPECT_DOUBLE_EQ(r.cursor().X, 105);
    EXPECT_DOUBLE_EQ(r.cursor().Y, 99);
    // A held button alone is mouse use: the keys do not move the cursor.
    r.input.mouseStates = fxButton1;
    r.input.states = fxRight | fxButton1;
    r.gui.Update(20);
    EXPECT_DOUBLE_EQ(r.cursor().X, 105);
}

TEST(GuiCursor, StaysInsideTheScreenAndDisabledDoesNothing) {
    GuiRig r;
    r.input.mouseStates = fxRight | fxDown;
    r.input.dx = 5000;
    r.input.dy = 5000;
    r.gui.Update(10);
    EXPECT_DOUBLE_EQ(r.cursor().X, 790);
    EXPECT_DOUBLE_EQ(r.cursor().Y, 590);
    r.input.dx = r.input.dy = -9000;
    r.gui.Update(10);
    EXPECT_DOUBLE_EQ(r.cursor().X, 0);
    EXPECT_DOUBLE_EQ(r.cursor().Y, 0);
    r.cursor().Enabled = false;
    r.input.dx = r.input.dy = 40;
    r.gui.Update(10);
    EXPECT_DOUBLE_EQ(r.cursor().X, 0);
    r.gui.Draw(10);
    EXPECT_TRUE(r.pointer.draws.empty());
}

TEST(GuiCursor, DrawsPatternZeroAtTheTruncatedHotSpot) {
    GuiRig r;
    r.cursor().SetX(30.9);
    r.cursor().SetY(40.2);
    r.cursor().OffsetX = -2;
    r.gui.Draw(10);
    ASSERT_EQ(r.pointer.draws.size(), 1u);
    EXPECT_EQ(r.pointer.draws[0].pattern, 0);
    EXPECT_EQ(r.display.at(28, 40), FakeImage::PatternColour(0));
    EXPECT_EQ(r.display.at(27, 40), 0);
}

TEST(GuiSelect, EdgeOnlyOnTheFirstFrameOfAPressFromAnyDevice) {
    GuiRig r;
    r.input.keyboardStates = fxButton1;
    r.gui.Update(10);
    EXPECT_TRUE(r.gui.SelectEdge());
    r.gui.Update(10);
    EXPECT_TRUE(r.gui.Select);
    EXPECT_FALSE(r.gui.SelectEdge());
    r.input.keyboardStates = 0;
    r.gui.Update(10);
    EXPECT_FALSE(r.gui.Select);
    // The mouse's own button counts even if the mouse feeds no combined state.
    r.input.mouseStates = fxButton1;
    r.gui.Update(10);
    EXPECT_TRUE(r.gui.SelectEdge());
    r.input.mouseStates = 0;
    r.gui.Update(10);
    // A pad's button counts only when a pad is there.
    r.input.joystickStates = fxButton1;
    r.gui.Update(10);
    EXPECT_FALSE(r.gui.Select);
    r.input.joysticks = 1;
    r.gui.Update(10);
    EXPECT_TRUE(r.gui.SelectEdge());
}

TEST(GuiScreens, LookupIgnoresCaseAndFocusReturnsWithItsPage) {
    GuiRig r;
    TFXScreen& menu = TFXScreen::Create(r.gui, 0, "MainMenu", 0, 0, 800, 600);
    TFXScreen& over = TFXScreen::Create(r.gui, 7, "GameOver", 0, 0, 800, 600);
    EXPECT_EQ(r.gui.FindScreen("mainmenu"), &menu);
    EXPECT_EQ(r.gui.FindScreen("GAMEOVER"), &over);
    EXPECT_EQ(r.gui.FindScreen("Options"), nullptr);
    TFXEditBox& box = TFXEditBox::Create(over, "edtPlayerName", 270, 170, 240, 20, nullptr, nullptr, "");
    EXPECT_EQ(over.FindControl("EDTPLAYERNAME"), &box);
    EXPECT_EQ(over.FindControl("btnMainMenu"), nullptr);
    r.gui.SetActiveScreen(&over);
    box.Focus();
    EXPECT_TRUE(box.IsFocused());
    r.gui.SetActiveScreen(&menu);
    EXPECT_FALSE(box.IsFocused());
    r.gui.SetActiveScreen(&over);
    EXPECT_TRUE(box.IsFocused());
}

TEST(GuiScreens, WithoutACursorNothingIsHoveredOrClicked) {
    FakeDisplay d;
    FakeInput in;
    TFXGUI gui(d, &in, nullptr);
    TFXScreen& s = TFXScreen::Create(gui, 0, "MainMenu", 0, 0, 800, 600);
    gui.SetActiveScreen(&s);
    int clicks = 0;
    TFXButton& b = TFXButton::Create(s, "btn", 0, 0, 800, 600, nullptr, nullptr, 0, 0, "Go");
    b.OnClick = [&](TFXControl&) { ++clicks; };
    in.keyboardStates = fxButton1;
    gui.Update(10);
    EXPECT_FALSE(b.IsHovered());
    EXPECT_EQ(clicks, 0);
}

TEST(GuiScreens, AClickThatSwitchesPagesStopsThePageRunning) {
    GuiRig r;
    TFXScreen& a = TFXScreen::Create(r.gui, 0, "A", 0, 0, 800, 600);
    TFXScreen& b = TFXScreen::Create(r.gui, 0, "B", 0, 0, 800, 600);
    r.gui.SetActiveScreen(&a);
    int second = 0;
    TFXButton::Create(a, "go", 0, 0, 100, 100, nullptr, nullptr, 0, 0, "").OnClick = [&](TFXControl&) {
        r.gui.SetActiveScreen(&b);
    };
    TFXButton::Create(a, "under", 0, 0, 100, 100, nullptr, nullptr, 0, 0, "").OnClick = [&](TFXControl&) {
        ++second;
    };
    r.cursor().SetX(50);
    r.cursor().SetY(50);
    r.input.mouseStates = fxButton1;
    r.gui.Update(10);
    EXPECT_EQ(r.gui.ActiveScreen, &b);
    EXPECT_EQ(second, 0);
}

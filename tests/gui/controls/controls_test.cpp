#include <gtest/gtest.h>

#include "gui/fx_bitmap_font.h"
#include "gui/fx_button.h"
#include "gui/fx_choice.h"
#include "gui/fx_gui.h"
#include "gui/support/gui_fakes.h"

using namespace guitest;

namespace {

struct Rig {
    FakeDisplay display;
    FakeInput input;
    FakeImage pointer{1, 1};
    FakeImage buttons{230, 40, &display};
    TFXGUI gui{display, &input, &pointer};
    TFXScreen& page = TFXScreen::Create(gui, 0, "Options", 0, 0, 800, 600);
    Rig() { gui.SetActiveScreen(&page); }

    void pointAt(double x, double y) {
        gui.Cursor->SetX(x);
        gui.Cursor->SetY(y);
    }
    // One frame: GUI update with this frame's select button, then draw.
    void frame(bool select) {
        input.mouseStates = select ? fxButton1 : 0;
        gui.Update(10);
        gui.Draw(10);
    }
};

constexpr int Fill(int r, int g, int b) { return r | g << 8 | b << 16; }

}  // namespace

TEST(Controls, CreationSizesFromImageOrFont) {
    Rig r;
    TFXButton& b = TFXButton::Create(r.page, "b", 285, 120, 10, 10, &r.buttons, nullptr, 0, 1, "");
    EXPECT_EQ(b.Width, 230);
    EXPECT_EQ(b.Height, 40);
    FakeImage glyphs(16, 18, nullptr, 0, 0, 16 * 16, 6 * 18);
    TFXBitmapFont font(r.display, 0, glyphs);
    TFXButton& t = TFXButton::Create(r.page, "t", 0, 0, 100, 0, nullptr, &font, 0, 0, "Hi");
    EXPECT_EQ(t.Height, 18);
    EXPECT_EQ(r.page.Controls.size(), 2u);
}

TEST(Controls, HeldSelectDoesNotClickUntilPressedAgain) {
    Rig r;
    int clicks = 0;
    TFXButton& b = TFXButton::Create(r.page, "b", 285, 120, 0, 0, &r.buttons, nullptr, 0, 1, "");
    b.OnClick = [&](TFXControl& sender) {
        EXPECT_EQ(&sender, &b);
        ++clicks;
    };
    r.pointAt(10, 10);
    r.frame(true);
    r.pointAt(300, 130);  // onto the button, still held
    r.frame(true);
    r.frame(true);
    EXPECT_EQ(clicks, 0);
    r.frame(false);
    r.frame(true);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(r.gui.Focused, &b);
    // The bottom-right edge is outside.
    r.frame(false);
    r.pointAt(285 + 230, 120 + 39);
    r.frame(true);
    EXPECT_EQ(clicks, 1);
    // Disabled and hidden controls ignore clicks.
    r.pointAt(300, 130);
    b.Enabled = false;
    r.frame(false);
    r.frame(true);
    EXPECT_EQ(clicks, 1);
}

TEST(Controls, BackgroundHoverColoursAndBevel) {
    Rig r;
    TFXButton& b = TFXButton::Create(r.page, "b", 100, 100, 50, 20, nullptr, nullptr, 0, 0, "");
    b.Bevel = true;
    r.pointAt(0, 0);
    r.gui.Draw(10);
    EXPECT_EQ(r.display.at(100, 100), Fill(228, 228, 228));  // light top-left edge
    EXPECT_EQ(r.display.at(149, 119), Fill(64, 64, 64));     // dark bottom-right edge
    EXPECT_EQ(r.display.at(148, 100), Fill(64, 64, 64));
    EXPECT_EQ(r.display.at(120, 110), 0x808080);
    r.pointAt(120, 110);
    r.gui.Draw(10);
    EXPECT_EQ(r.display.at(149, 119), Fill(228, 228, 228));
    r.gui.HighlightLighter = false;
    r.gui.Draw(10);
    EXPECT_EQ(r.display.at(100, 100), Fill(64, 64, 64));
    EXPECT_EQ(TFXControl::Lighter(Fill(10, 200, 155)), Fill(110, 255, 255));
    EXPECT_EQ(TFXControl::Darker(Fill(11, 200, 255)), Fill(5, 100, 127));
    // No colour: nothing painted, hovered or not.
    r.display.pixels.assign(r.display.pixels.size(), 0);
    b.BackColor = -1;
    r.gui.Draw(10);
    r.pointAt(0, 0);
    r.gui.Draw(10);
    EXPECT_EQ(r.display.at(120, 110), 0);
}

TEST(Controls, ImageButtonDrawsItsHoverPatternOverTheBackground) {
    Rig r;
    TFXButton::Create(r.page, "btnPlay", 285, 120, 0, 0, &r.buttons, nullptr, 0, 1, "Play Game");
    r.pointAt(0, 0);
    r.gui.Draw(10);
    EXPECT_EQ(r.display.at(285, 120), FakeImage::PatternColour(0));
    r.pointAt(400, 150);
    r.gui.Draw(10);
    EXPECT_EQ(r.display.at(514, 159), FakeImage::PatternColour(1));
}

TEST(Controls, CanvasCaptionIsCentredWithShadowAndSkippedWhenTheSurfaceIsLost) {
    Rig r;
    TFXButton& b = TFXButton::Create(r.page, "b", 100, 200, 100, 30, nullptr, nullptr, 0, 0, "Quit");
    b.Shadow = true;
    b.TextIndent = 1;
    r.gui.Draw(10);
    ASSERT_EQ(r.display.texts.size(), 2u);
    const int x = 100 + (100 - 28) / 2 + 1;
    const int y = 200 + (30 - 12) / 2;
    EXPECT_EQ(r.display.texts[0].x, x + 2);
    EXPECT_EQ(r.display.texts[0].y, y + 2);
    EXPECT_EQ(r.display.texts[0].font.Color, 0);
    EXPECT_EQ(r.display.texts[1].x, x);
    EXPECT_EQ(r.display.texts[1].font.Color, 0xFFFFFF);
    EXPECT_EQ(r.display.texts[1].font.Name, "Verdana");
    EXPECT_EQ(r.display.texts[1].font.Style, static_cast<TFXFontStyles>(TFXFontStyle::fsBold));
    EXPECT_EQ(r.display.font.Style, 0);  // left plain for the next user
    EXPECT_EQ(r.display.acquired, 0);
    r.display.texts.clear();
    r.display.dcAvailable = false;
    r.gui.Draw(10);
    EXPECT_TRUE(r.display.texts.empty());
}

TEST(Controls, FontButtonCentresByHalfCells) {
    Rig r;
    FakeImage glyphs(16, 18, nullptr, 0, 0, 16 * 16, 6 * 18);
    TFXBitmapFont font(r.display, 0, glyphs);
    TFXButton::Create(r.page, "b", 100, 50, 200, 0, nullptr, &font, 0, 0, "Go on");
    r.gui.Draw(10);
    ASSERT_FALSE(glyphs.draws.empty());
    // x = 100 + (200 - 8 * 5) / 2 = 180; 'G' is untrimmed (left 0).
    EXPECT_EQ(glyphs.draws[0].x, 180);
    EXPECT_EQ(glyphs.draws[0].y, 50);
}

TEST(Choice, ClickCyclesAndFiresClickTwiceAndChangeOnce) {
    Rig r;
    TFXChoice& c = TFXChoice::Create(r.page, "choiceSound", 285, 120, 0, 0, &r.buttons, nullptr);
    c.AddItem("A", 10, 11);
    c.AddItem("B", 12, 13);
    c.AddItem("C", 14, 15);
    int clicks = 0, changes = 0;
    c.OnClick = [&](TFXControl&) { ++clicks; };
    c.OnChange = [&](TFXControl&) { ++changes; };
    r.pointAt(300, 130);
    r.frame(true);  // focuses and advances in the same frame
    EXPECT_EQ(c.ItemIndex(), 0);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(changes, 1);
    c.SetItemIndex(2);
    r.frame(false);
    r.frame(true);
    EXPECT_EQ(c.ItemIndex(), 0);  // wraps
    EXPECT_EQ(c.Text(), "A");
    EXPECT_EQ(r.display.at(285, 120), FakeImage::PatternColour(11));
    r.pointAt(0, 0);
    r.gui.Draw(10);
    EXPECT_EQ(r.display.at(285, 120), FakeImage::PatternColour(10));
}

TEST(Choice, SelectionRulesAndSorting) {
    Rig r;
    TFXChoice& c = TFXChoice::Create(r.page, "c", 0, 0, 100, 20, nullptr, nullptr);
    c.SetItemIndex(0);
    EXPECT_EQ(c.ItemIndex(), -1);  // empty list
    EXPECT_EQ(c.Text(), "");
    c.AddItem("beta", 0, 0);
    c.AddItem("Alpha", 0, 0);
    c.AddItem("gamma", 0, 0);
    c.SetItemIndex(3);
    EXPECT_EQ(c.ItemIndex(), -1);
    c.SetItemIndex(2);
    EXPECT_EQ(c.Text(), "gamma");
    c.SetItemIndex(-1);
    EXPECT_EQ(c.ItemIndex(), -1);
    c.SelectByLetter('a');
    EXPECT_EQ(c.Text(), "Alpha");
    c.Sorted = true;
    c.AddItem("Zulu", 0, 0);  // ordinal: capitals first
    EXPECT_EQ(c.Items[0]->Caption, "Alpha");
    EXPECT_EQ(c.Items[1]->Caption, "Zulu");
    EXPECT_EQ(c.Items[2]->Caption, "beta");
    EXPECT_EQ(c.ItemIndex(), 1);  // the index stays, the item under it moved
    EXPECT_EQ(c.Items[1]->Value, "Zulu");
}

TEST(Choice, HeldLetterSelectsOnlyWhenFocusedAndHovered) {
    Rig r;
    TFXChoice& c = TFXChoice::Create(r.page, "choiceSound", 285, 120, 0, 0, &r.buttons, nullptr);
    c.AddItem("Sound On", 28, 29);
    c.AddItem("sound off", 30, 31);
    c.AddItem("Mute", 32, 33);
    c.SetItemIndex(2);
    r.pointAt(300, 130);
    r.input.press(31);  // S
    r.frame(false);
    EXPECT_EQ(c.ItemIndex(), 2);  // not focused yet
    c.Focus();
    r.frame(false);
    EXPECT_EQ(c.ItemIndex(), 0);
    r.input.releaseAll();
    r.input.press(50);  // M
    r.pointAt(0, 0);
    r.frame(false);
    EXPECT_EQ(c.ItemIndex(), 0);  // not hovered
}

TEST(Choice, ImageChoiceWithoutSelectionDrawsOnlyItsBackground) {
    Rig r;
    TFXChoice& c = TFXChoice::Create(r.page, "c", 285, 120, 0, 0, &r.buttons, nullptr);
    c.AddItem("A", 10, 11);
    r.gui.Draw(10);
    EXPECT_TRUE(r.buttons.draws.empty());
    EXPECT_EQ(r.display.at(285, 120), 0x808080);
}

TEST(Choice, CanvasChoiceCentresItsText) {
    Rig r;
    TFXChoice& c = TFXChoice::Create(r.page, "c", 100, 100, 200, 20, nullptr, nullptr);
    c.AddItem("Windowed", 0, 0);
    r.gui.Draw(10);
    EXPECT_TRUE(r.display.texts.empty());
    c.SetItemIndex(0);
    r.gui.Draw(10);
    ASSERT_EQ(r.display.texts.size(), 1u);
    EXPECT_EQ(r.display.texts[0].x, 100 + (200 - 56) / 2);
    c.CenterText = false;
    r.gui.Draw(10);
    EXPECT_EQ(r.display.texts[1].x, 100);
}

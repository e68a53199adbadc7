#include <gtest/gtest.h>

#include "gui/edit_keys.h"
#include "gui/fx_bitmap_font.h"
#include "gui/fx_edit_box.h"
#include "gui/fx_gui.h"
#include "gui/support/gui_fakes.h"

using namespace guitest;

namespace {

constexpr int kA = 30, kB = 48, kE = 18, kO = 24, kMinus = 12, kShift = 42, kRShift = 54, kAlt = 56,
              kRAlt = 184, kBack = 14, kReturn = 28, kLeft = 203, kPeriod = 52, kTab = 15;

struct Rig {
    FakeDisplay display;
    FakeInput input;
    FakeImage pointer{1, 1};
    // 16 x 20 cells; every letter inked in column 1 (advance 17), the caret in 5.
    FakeImage glyphs{16, 20, &display, 0, 0, 16 * 16, 6 * 20};
    std::unique_ptr<TFXBitmapFont> font;
    TFXGUI gui{display, &input, &pointer};
    TFXScreen& page = TFXScreen::Create(gui, 0, "GameOver", 0, 0, 800, 600);
    TFXEditBox* box = nullptr;

    explicit Rig(bool withFont = true) {
        for (int p = 33; p <= 90; ++p) glyphs.ink(p, 1, 0);
        glyphs.ink(TFXBitmapFont::CaretPattern, 5, 0);
        font = std::make_unique<TFXBitmapFont>(display, 0, glyphs);
        box = &TFXEditBox::Create(page, "edtPlayerName", 270, 170, 240, 20, nullptr,
                                  withFont ? font.get() : nullptr, "");
        box->MaxLength = 15;
        box->UnfocusOnEnter = true;
        gui.SetActiveScreen(&page);
        box->Focus();
    }
    void frame(int elapsed = 10) {
        gui.Update(elapsed);
        gui.Draw(elapsed);
    }
    // Press the keys together for a frame, then let everything go for one.
    void type(std::initializer_list<int> keys) {
        for (int k : keys) input.press(k);
        frame();
        input.releaseAll();
        frame();
    }
};

}  // namespace

TEST(EditKeys, UsLayoutWithShiftAndAlt) {
    using editkeys::Translate;
    EXPECT_EQ(Translate(2, false, false), '1');
    EXPECT_EQ(Translate(11, false, false), '0');
    EXPECT_EQ(Translate(16, false, false), 'q');
    EXPECT_EQ(Translate(38, false, false), 'l');
    EXPECT_EQ(Translate(50, false, false), 'm');
    EXPECT_EQ(Translate(57, false, false), ' ');
    EXPECT_EQ(Translate(kPeriod, false, false), ' ');
    EXPECT_EQ(Translate(kTab, false, false), ' ');
    EXPECT_EQ(Translate(kA, true, false), 'A');
    EXPECT_EQ(Translate(kMinus, true, false), '_');
    EXPECT_EQ(Translate(3, true, false), '2');
    EXPECT_EQ(Translate(kE, false, true), 233);
    EXPECT_EQ(Translate(kE, true, true), 232);
    EXPECT_EQ(Translate(kA, false, true), 224);
    EXPECT_EQ(Translate(kA, true, true), 'A');
    EXPECT_EQ(Translate(kO, false, true), 246);
}

TEST(EditBox, OneCharacterPerPressAndModifiersAloneTypeNothing) {
    Rig r;
    r.input.press(kA);
    r.frame();
    r.input.press(kB);  // while A is still held
    r.frame();
    r.frame();
    EXPECT_EQ(r.box->Text, "a");
    r.input.releaseAll();
    r.frame();
    r.type({kB});
    EXPECT_EQ(r.box->Text, "ab");
    r.input.press(kShift);
    r.input.press(kLeft);
    r.frame();
    r.input.releaseAll();
    EXPECT_EQ(r.box->Text, "ab");
    EXPECT_FALSE(r.box->KeyHeld);
    r.type({kRShift, kA});
    r.type({kShift, kMinus});
    r.type({kRAlt, kE});
    r.type({kShift, kAlt, kE});
    r.type({kPeriod});
    r.type({kTab});
    EXPECT_EQ(r.box->Text, "abA_\xE9\xE8  ");
}

TEST(EditBox, MaxLengthBackspaceAndReturn) {
    Rig r;
    for (int i = 0; i < 16; ++i) r.type({kA});
    EXPECT_EQ(r.box->Text, std::string(15, 'a'));
    r.type({kBack});
    r.type({kBack});
    EXPECT_EQ(r.box->Text.size(), 13u);
    r.box->Text.clear();
    r.type({kBack});
    EXPECT_EQ(r.box->Text, "");
    r.type({kReturn});
    EXPECT_EQ(r.gui.Focused, nullptr);
    EXPECT_EQ(r.box->Text, "");
    r.type({kA});  // no focus: no typing
    EXPECT_EQ(r.box->Text, "");
    r.box->UnfocusOnEnter = false;
    r.box->Focus();
    r.type({kReturn});
    EXPECT_EQ(r.gui.Focused, r.box);
    EXPECT_EQ(r.box->Text, "");
}

TEST(EditBox, ClickFocusesAndOnlyTheActivePageTypes) {
    Rig r;
    r.box->Unfocus();
    r.gui.Cursor->SetX(300);
    r.gui.Cursor->SetY(175);
    r.input.mouseStates = fxButton1;
    r.frame();
    r.input.mouseStates = 0;
    EXPECT_TRUE(r.box->IsFocused());
    TFXScreen& other = TFXScreen::Create(r.gui, 0, "MainMenu", 0, 0, 800, 600);
    r.gui.SetActiveScreen(&other);
    r.type({kA});
    EXPECT_EQ(r.box->Text, "");
}

TEST(EditBox, CaretBlinksHalfOfEachSecondAfterTheText) {
    Rig r;
    r.box->Text = "ab";
    auto caretDrawn = [&](int elapsed) {
        r.glyphs.draws.clear();
        r.gui.Draw(elapsed);
        return !r.glyphs.draws.empty() && r.glyphs.draws.back().pattern == TFXBitmapFont::CaretPattern;
    };
    EXPECT_FALSE(caretDrawn(100));  // first frame after focus: timer starts
    EXPECT_EQ(r.box->BlinkTimer, 1000);
    EXPECT_TRUE(caretDrawn(400));   // 1000
    EXPECT_TRUE(caretDrawn(100));   // 600
    EXPECT_TRUE(caretDrawn(100));   // 500: the last shown moment
    EXPECT_FALSE(caretDrawn(300));  // 400
    EXPECT_FALSE(caretDrawn(100));  // 100 -> period over
    EXPECT_TRUE(caretDrawn(10));    // 1000 again
    // The caret sits right after the text: pen 270 + 2 * 17, left trim 4.
    EXPECT_EQ(r.glyphs.draws.back().x, 270 + 34 - 4);
    r.box->BlinkCaret = false;
    EXPECT_TRUE(caretDrawn(10));
    r.box->Unfocus();
    EXPECT_FALSE(caretDrawn(10));
}

TEST(EditBox, LongTextStopsAtTheBoxEdge) {
    Rig r;
    r.box->Text = std::string(20, 'a');
    r.box->BlinkCaret = false;
    r.gui.Draw(10);
    // Pens 270 + 17k with pen + 16 <= 510: k = 0..13, then the caret.
    ASSERT_EQ(r.glyphs.draws.size(), 15u);
    EXPECT_EQ(r.glyphs.draws[13].x, 270 + 13 * 17);
    EXPECT_EQ(r.glyphs.draws[14].pattern, TFXBitmapFont::CaretPattern);
    EXPECT_EQ(r.glyphs.draws[14].x, 270 + 14 * 17 - 4);
}

TEST(EditBox, CanvasTextWithABlockCaret) {
    Rig r(false);
    r.box->Text = "abc";
    r.box->BlinkCaret = false;
    r.gui.Draw(10);
    ASSERT_EQ(r.display.texts.size(), 1u);
    EXPECT_EQ(r.display.texts[0].x, 270);
    EXPECT_EQ(r.display.texts[0].y, 170 + (20 - 12) / 2);
    EXPECT_EQ(r.display.at(270 + 21, 170), 0xFFFFFF);  // caret: "w" wide and high
    EXPECT_EQ(r.display.at(270 + 27, 181), 0xFFFFFF);
    EXPECT_EQ(r.display.at(270 + 28, 170), r.box->BackColor);
}

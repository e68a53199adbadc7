#include <gtest/gtest.h>

#include "engine/input/input_controller.h"
#include "gui/controller_input.h"
#include "gui/fx_edit_box.h"
#include "gui/fx_gui.h"
#include "gui/support/gui_fakes.h"
#include "platform/backends/headless/headless_backend.h"
#include "platform/backends/keycodes.h"
#include "platform/win32/application.h"

using namespace guitest;
namespace dik = platform::dik;

namespace {

// The GUI fed by the real input controller on the headless backend.
struct InputRig {
    platform::HeadlessBackend backend;
    platform::Application app{backend};
    engine::input::TDInputController controller{app};
    TFXControllerInput input{controller};
    FakeDisplay display;
    FakeImage pointer{1, 1};
    TFXGUI gui{display, &input, &pointer};

    InputRig() {
        controller.Initialize();
        controller.Mouse()->Enabled = true;
        gui.Cursor->SetX(30);
        gui.Cursor->SetY(30);
    }
    void frame(int elapsed = 20) {
        controller.Poll();
        gui.Update(elapsed);
    }
};

}  // namespace

TEST(GuiWithController, MouseAndArrowKeysMoveTheCursor) {
    InputRig r;
    r.backend.mouseMove(5, -3);
    r.frame();
    EXPECT_DOUBLE_EQ(r.gui.Cursor->X, 35);
    EXPECT_DOUBLE_EQ(r.gui.Cursor->Y, 27);
    r.backend.keyDown(dik::Right);
    r.frame(20);
    EXPECT_DOUBLE_EQ(r.gui.Cursor->X, 40);
    r.backend.keyUp(dik::Right);
    r.frame();
    EXPECT_DOUBLE_EQ(r.gui.Cursor->X, 40);
}

TEST(GuiWithController, SpaceAndTheLeftButtonSelectOncePerPress) {
    InputRig r;
    r.backend.keyDown(dik::Space);
    r.frame();
    EXPECT_TRUE(r.gui.SelectEdge());
    r.frame();
    EXPECT_FALSE(r.gui.SelectEdge());
    r.backend.keyUp(dik::Space);
    r.frame();
    // The left button selects even with the mouse kept out of the combined states.
    r.controller.Mouse()->Enabled = false;
    r.backend.mouseButton(0, true);
    r.frame();
    EXPECT_TRUE(r.gui.SelectEdge());
}

TEST(GuiWithController, TypingAShiftedNameThroughTheKeyboardState) {
    InputRig r;
    TFXScreen& page = TFXScreen::Create(r.gui, 0, "GameOver", 0, 0, 800, 600);
    r.gui.SetActiveScreen(&page);
    TFXEditBox& box = TFXEditBox::Create(page, "edtPlayerName", 270, 170, 240, 20, nullptr, nullptr, "");
    box.Focus();
    auto tap = [&](std::initializer_list<uint8_t> keys) {
        for (uint8_t k : keys) r.backend.keyDown(k);
        r.frame();
        for (uint8_t k : keys) r.backend.keyUp(k);
        r.frame();
    };
    tap({dik::LShift, dik::B});
    tap({dik::O});
    tap({dik::B});
    tap({dik::Back});
    tap({dik::Key9});
    EXPECT_EQ(box.Text, "Bo9");
}

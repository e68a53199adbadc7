// The toolkit on the real display screen, image list and input controller
// of the headless backend: what the player would see in the presented frame.
#include <gtest/gtest.h>

#include "engine/display/ddraw_screen.h"
#include "engine/display/image_list.h"
#include "engine/input/input_controller.h"
#include "gui/fx_bitmap_font.h"
#include "gui/fx_button.h"
#include "gui/fx_gui.h"
#include "gui/gui_media.h"
#include "platform/backends/headless/headless_backend.h"
#include "platform/win32/form.h"

namespace {

constexpr TColor kBlack = 0, kRed = 0x0000FF, kBlue = 0xFF0000, kGreen = 0x00FF00, kWhite = 0xFFFFFF;
constexpr uint32_t kRedRGB = 0xFF0000, kBlueRGB = 0x0000FF, kGreenRGB = 0x00FF00, kWhiteRGB = 0xFFFFFF;

platform::TBitmap Filled(int w, int h, TColor colour) {
    platform::TBitmap b;
    b.SetSize(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) b.SetPixel(x, y, colour);
    return b;
}

struct Game {
    platform::HeadlessBackend backend;
    platform::Application app{backend};
    platform::Form form{app};
    TDDrawScreen screen{app, form};
    TDImageList images;
    engine::input::TDInputController controller{app};
    std::unique_ptr<TFXMedia> media;

    Game() {
        screen.AutoInitialize = false;
        screen.FullScreen = false;
        images.SetDrawScreen(&screen);
        // The pointer: 8 x 8 green on a black key.
        add("Cursor", Filled(8, 8, kGreen), 8, 8);
        // Two button states side by side: red normal, blue hovered.
        platform::TBitmap buttons = Filled(460, 50, kRed);
        for (int y = 0; y < 50; ++y)
            for (int x = 230; x < 460; ++x) buttons.SetPixel(x, y, kBlue);
        add("ButtonsMainMenu", buttons, 230, 50);
        // A 16 x 6 sheet of 16 x 16 cells on black: every letter a white
        // bar in columns 4..7, so each glyph is trimmed to advance 9.
        platform::TBitmap glyphs = Filled(256, 96, kBlack);
        for (int cell = 33; cell <= 90; ++cell)
            for (int y = 0; y < 16; ++y)
                for (int x = 4; x < 8; ++x) glyphs.SetPixel((cell % 16) * 16 + x, (cell / 16) * 16 + y, kWhite);
        add("font1", glyphs, 16, 16).TransparentColor = kBlack;
        screen.Initialize();
        controller.Initialize();
        controller.Mouse()->Enabled = true;
        media = std::make_unique<TFXMedia>(screen, images, controller);
    }
    TImageCollectionItem& add(const std::string& name, const platform::TBitmap& bitmap, int pw, int ph) {
        auto& item = images.Items().Add();
        item.SetBitmap(&bitmap);
        item.Name = name;
        item.SetPatternWidth(pw);
        item.SetPatternHeight(ph);
        item.TransparentColor = kBlack;
        return item;
    }
    uint32_t shown(int x, int y) { return backend.headlessVideo().pixel(x, y) & 0xFFFFFF; }
};

}  // namespace

TEST(GuiOnScreen, MenuButtonHoverClickAndPointerInThePresentedFrame) {
    Game g;
    TFXGUI gui(g.media->Display(), &g.media->Input(), &g.media->Image("cursor"));
    gui.Cursor->SetX(30);
    gui.Cursor->SetY(30);
    TFXScreen& menu = TFXScreen::Create(gui, 0, "MainMenu", 0, 0, 800, 600);
    int clicks = 0;
    TFXButton::Create(menu, "btnPlay", 285, 120, 0, 0, &g.media->Image("ButtonsMainMenu"), nullptr, 0, 1,
                      "Play Game")
        .OnClick = [&](TFXControl&) { ++clicks; };
    gui.SetActiveScreen(&menu);
    auto frame = [&] {
        g.controller.Poll();
        g.screen.Clear();
        gui.Update(10);
        gui.Draw(10);
        g.screen.Flip();
    };
    frame();
    EXPECT_EQ(g.shown(285, 120), kRedRGB);
    EXPECT_EQ(g.shown(514, 169), kRedRGB);
    EXPECT_EQ(g.shown(30, 30), kGreenRGB);
    EXPECT_EQ(g.shown(38, 30), 0u);

    g.backend.mouseMove(270, 100);  // onto the button
    frame();
    frame();  // hover is judged before the pointer moves in a frame
    EXPECT_EQ(g.shown(290, 140), kBlueRGB);
    EXPECT_EQ(g.shown(300, 130), kGreenRGB);
    EXPECT_EQ(clicks, 0);
    g.backend.mouseButton(0, true);
    frame();
    frame();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(gui.Focused, menu.FindControl("btnplay"));
}

TEST(GuiOnScreen, BitmapFontMeasuredFromTheImageDrawsTrimmedGlyphs) {
    Game g;
    TFXBitmapFont font(g.media->Display(), 0, g.media->Image("font1"));
    EXPECT_EQ(font.FindChar('A')->LeftTrim, 3);
    EXPECT_EQ(font.FindChar('A')->RightTrim, 2);
    g.screen.Clear();
    font.DrawText(100, 200, "AB");
    g.screen.Flip();
    // Ink of A at 100 + 1 .. 104, of B from the pen 111 on.
    EXPECT_EQ(g.shown(100, 205), 0u);
    EXPECT_EQ(g.shown(101, 205), kWhiteRGB);
    EXPECT_EQ(g.shown(104, 205), kWhiteRGB);
    EXPECT_EQ(g.shown(105, 205), 0u);
    EXPECT_EQ(g.shown(112, 205), kWhiteRGB);
    EXPECT_EQ(font.LastX, 122);
}

TEST(GuiOnScreen, UnknownImageNamesRaiseTheListsError) {
    Game g;
    EXPECT_THROW(g.media->Image("NoSuchPicture"), EDImageListError);
}

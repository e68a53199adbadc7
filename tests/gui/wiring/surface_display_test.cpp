#include <gtest/gtest.h>

#include <cstdlib>

#include "engine/display/dd_surface.h"
#include "gui/fx_button.h"
#include "gui/fx_gui.h"
#include "gui/support/gui_fakes.h"
#include "gui/surface_display.h"
#include "platform/backends/headless/headless_backend.h"
#include "platform/win32/application.h"
#include "platform/win32/ddraw/ddraw.h"

using namespace guitest;
namespace dd = platform::ddraw;

namespace {

// A GUI drawing on a real software surface.
struct SurfaceRig {
    platform::HeadlessBackend backend;
    platform::Application app{backend};
    dd::DirectDrawDriver driver{app};
    std::shared_ptr<dd::IDirectDraw7> ddraw;
    TDDrawSurface7 surface;
    TFXSurfaceDisplay display{[this] { return &surface; }, [] { return 200; }, [] { return 100; }};
    FakeImage pointer{1, 1};
    TFXGUI gui{display, nullptr, &pointer};
    TFXScreen& page = TFXScreen::Create(gui, 0, "MainMenu", 0, 0, 200, 100);

    SurfaceRig() {
        app.setGameFolder(std::string(BRINDLECOG_GAME_DIR) + "/");  // for the fonts
        EXPECT_EQ(driver.DirectDrawCreateEx(dd::Iid::IDirectDraw7, ddraw), 0);
        ddraw->SetCooperativeLevel(&backend.window(), dd::DDSCL_NORMAL);
        dd::DDSURFACEDESC2 desc;
        desc.dwFlags = dd::DDSD_CAPS | dd::DDSD_WIDTH | dd::DDSD_HEIGHT;
        desc.dwWidth = 200;
        desc.dwHeight = 100;
        desc.ddsCaps.dwCaps = dd::DDSCAPS_OFFSCREENPLAIN;
        std::shared_ptr<dd::DirectDrawSurface> s;
        EXPECT_EQ(ddraw->CreateSurface(desc, s), 0);
        surface.Width = 200;
        surface.Height = 100;
        surface.AttachSurface(s);
        gui.SetActiveScreen(&page);
    }
    TColor pixel(int x, int y) {
        TDDrawSurfaceCanvas& c = surface.Canvas();
        EXPECT_TRUE(c.AcquireDC());
        const TColor p = c.Pixel(x, y);
        c.ReleaseDC();
        return p;
    }
};

bool Near(TColor a, TColor b) {
    for (int shift = 0; shift < 24; shift += 8)
        if (std::abs(((a >> shift) & 0xFF) - ((b >> shift) & 0xFF)) > 8) return false;
    return true;
}

}  // namespace

TEST(GuiOnSurface, HoveredBackgroundAndCaptionReachThePixels) {
    SurfaceRig r;
    TFXButton& b = TFXButton::Create(r.page, "btn", 10, 10, 180, 40, nullptr, nullptr, 0, 0, "Options");
    b.BackColor = 0x204060;
    r.gui.Cursor->SetX(150);
    r.gui.Cursor->SetY(45);
    r.gui.Draw(10);
    EXPECT_TRUE(Near(r.pixel(11, 11), 0x84A4C4)) << std::hex << r.pixel(11, 11);
    // The caption is white ink somewhere in the middle band of the button.
    int white = 0;
    for (int y = 15; y < 45; ++y)
        for (int x = 60; x < 140; ++x) white += Near(r.pixel(x, y), 0xFFFFFF);
    EXPECT_GT(white, 20);
    EXPECT_GT(b.TextWidth("Options"), 30);
    EXPECT_FALSE(r.surface.Canvas().HandleAllocated());
}

// A frame on a real SDL window, for looking at: runs only when
// BRINDLECOG_SNAPSHOT_SECONDS is set (for example under Xvfb while a screen
// grabber takes a picture). Draws what the game's frame draws around its
// state handler: clear, some pictures, the frame-rate text, flip.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include "engine/display/ddraw_screen.h"
#include "platform/backends/sdl2/sdl_backend.h"
#include "platform/win32/form.h"

namespace {

void drawFrame(TDDrawScreen& screen)
{
    screen.Clear();
    TDDrawSurface& back = *screen.BackBuffer();
    back.FillRect(100, 100, 200, 120, 0x0000FF);
    back.FillRect(350, 150, 200, 120, 0x00FF00);
    back.FillRect(600, 200, 150, 300, 0xFF0000);
    auto& canvas = back.Canvas();
    if (canvas.AcquireDC()) {
        canvas.Brush.Style = platform::gdi::TBrushStyle::bsClear;
        canvas.Font.Name = "Arial";
        canvas.Font.Color = 0xFFFFFF;
        canvas.Font.Size = 10;
        canvas.TextOut(0, 0, "FPS: 98");
        canvas.Font.Name = "Verdana";
        canvas.Font.Size = 20;
        canvas.Font.Style = platform::gdi::fsBold;
        canvas.TextOut(100, 400, "Brindlecog display check");
        canvas.Font.Style = 0;
        canvas.ReleaseDC();
    }
    screen.Flip();
}

TEST(SdlSnapshot, ShowsAFrameWithTheFrameRateText)
{
    const char* seconds = std::getenv("BRINDLECOG_SNAPSHOT_SECONDS");
    if (!seconds) GTEST_SKIP() << "set BRINDLECOG_SNAPSHOT_SECONDS to show a frame on a real window";
    auto backend = platform::createSdlBackend();
    platform::Application app(*backend);
    platform::Form form(app);
    form.setCaption("Brindlecog");
    TDDrawScreen screen(app, form);
    screen.AutoInitialize = false;
    screen.FullScreen = std::getenv("BRINDLECOG_SNAPSHOT_FULLSCREEN") != nullptr;
    backend->window().show();
    screen.Initialize();
    const auto report = [&](const char* when) {
        const TRect c = backend->window().clientRect(), r = screen.ScreenRect();
        std::printf("%s: client %d,%d-%d,%d screen rect %d,%d-%d,%d\n", when, c.left, c.top, c.right, c.bottom, r.left,
                    r.top, r.right, r.bottom);
    };
    report("initialised");
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(std::atoi(seconds));
    while (std::chrono::steady_clock::now() < until) {
        app.processMessages();
        if (std::getenv("BRINDLECOG_SNAPSHOT_TRACE")) report("frame");
        if (screen.IsInitialized()) drawFrame(screen);
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    report("finished");
    EXPECT_TRUE(screen.IsInitialized());
}

}  // namespace

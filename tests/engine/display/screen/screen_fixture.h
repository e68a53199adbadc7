#pragma once
// A display screen on the headless backend, and helpers to make surfaces.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "engine/display/ddraw_screen.h"
#include "platform/backends/headless/headless_backend.h"
#include "platform/win32/form.h"

struct HeadlessDisplay {
    platform::HeadlessBackend backend;
    platform::Application app{backend};
    platform::Form form{app};
    TDDrawScreen screen{app, form};

    HeadlessDisplay(bool fullScreen = false, int version = 7)
    {
        app.setGameFolder(std::string(BRINDLECOG_GAME_DIR) + "/");  // for the fonts
        screen.AutoInitialize = false;
        screen.FullScreen = fullScreen;
        screen.Driver().options().offerVersion7 = version == 7;
    }

    // An off-screen surface of the run's generation, `w` x `h`, filled with
    // the native value `fill`.
    std::unique_ptr<TDDrawSurface> surface(int w, int h, uint32_t fill = 0)
    {
        std::unique_ptr<TDDrawSurface> s;
        if (screen.DXVersion() == 7) s = std::make_unique<TDDrawSurface7>();
        else s = std::make_unique<TDDrawSurface1>();
        s->Width = w;
        s->Height = h;
        EXPECT_EQ(screen.DDraw()->CreateOffscreenSurface(*s), 0);
        platform::ddraw::DDBLTFX fx;
        fx.dwFillColor = fill;
        s->Surface()->Blt(nullptr, nullptr, nullptr, platform::ddraw::DDBLT_COLORFILL, &fx);
        return s;
    }
};

// Reads one native pixel of a surface through a lock.
inline uint32_t nativeAt(TDDrawSurface& s, int x, int y)
{
    platform::ddraw::DDSURFACEDESC2 d;
    const TRect r{x, y, x + 1, y + 1};
    if (s.Surface()->Lock(&r, d, platform::ddraw::DDLOCK_WAIT) != 0) return 0xDEADBEEF;
    const uint32_t v = platform::readPixel(static_cast<uint8_t*>(d.lpSurface),
                                                  int(d.ddpfPixelFormat.dwRGBBitCount + 7) / 8);
    s.Surface()->Unlock(nullptr);
    return v;
}

#pragma once
// A windowed 800 x 600 x 16 display on the headless backend with a sprite
// engine bound to it, and a way to read the back buffer's pixels.
#include <gtest/gtest.h>

#include <cstdint>

#include "engine/display/ddraw_screen.h"
#include "engine/sprites/sprite_engine.h"
#include "platform/backends/headless/headless_backend.h"
#include "platform/win32/form.h"

struct HeadlessScreen {
    platform::HeadlessBackend backend;
    platform::Application app{backend};
    platform::Form form{app};
    TDDrawScreen screen{app, form};

    explicit HeadlessScreen(int version = 7) {
        screen.AutoInitialize = false;
        screen.FullScreen = false;
        screen.Driver().options().offerVersion7 = version == 7;
    }
};

struct SpriteDisplay : HeadlessScreen {
    TDSpriteEngine2D engine;

    explicit SpriteDisplay(int version = 7) : HeadlessScreen(version) { engine.SetDrawScreen(&screen); }

    TDDrawSurface& back() { return *screen.BackBuffer(); }

    // One native (565) pixel of the back buffer.
    uint32_t pixel(int x, int y) {
        platform::ddraw::DDSURFACEDESC2 desc;
        const TRect r{x, y, x + 1, y + 1};
        if (back().Surface()->Lock(&r, desc, platform::ddraw::DDLOCK_WAIT) != 0) return 0xDEADBEEF;
        const uint32_t value = *static_cast<const uint16_t*>(desc.lpSurface);
        back().Surface()->Unlock(nullptr);
        return value;
    }
};

// 565 values of the colours the tests paint with.
inline constexpr uint32_t k565Red = 0xF800, k565Green = 0x07E0, k565Blue = 0x001F, k565White = 0xFFFF;

// Taps and clicks shorter than a frame still reach the game once.
#include <gtest/gtest.h>

#include "engine/input/input_controller.h"
#include "platform/backends/headless/headless_backend.h"
#include "platform/backends/keycodes.h"
#include "platform/win32/application.h"

using engine::input::stButton1;
using engine::input::TDInputController;

TEST(QuickTaps, ClickWithinOneFrameCountsOnce)
{
    platform::HeadlessBackend backend;
    platform::Application app(backend);
    TDInputController input(app);
    input.Initialize();
    input.Mouse()->Enabled = true;
    backend.mouseButton(0, true);
    backend.mouseButton(0, false);
    input.Poll();
    EXPECT_TRUE(input.States().Contains(stButton1));
    input.Poll();
    EXPECT_FALSE(input.States().Contains(stButton1));
}

TEST(QuickTaps, KeyTapWithinOneFrameCountsOnce)
{
    platform::HeadlessBackend backend;
    platform::Application app(backend);
    TDInputController input(app);
    input.Initialize();
    backend.keyDown(platform::dik::Space);
    backend.keyUp(platform::dik::Space);
    input.Poll();
    EXPECT_TRUE(input.States().Contains(stButton1));
    EXPECT_TRUE(input.Keyboard()->KeyDown(platform::dik::Space));
    input.Poll();
    EXPECT_FALSE(input.States().Contains(stButton1));
}

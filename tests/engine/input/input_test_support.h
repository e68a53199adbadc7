#pragma once
// A headless machine with the input controller on it, set up the way the
// main form sets it up.
#include <gtest/gtest.h>

#include <memory>

#include "engine/input/input_controller.h"
#include "platform/backends/headless/headless_backend.h"
#include "platform/win32/application.h"

namespace input_test {

using namespace engine::input;

inline platform::RawJoystick makePad(int id, int axes = 2, int buttons = 32)
{
    platform::RawJoystick j;
    j.instanceId = id;
    j.name = "Pad " + std::to_string(id);
    j.product = "Test Pad";
    j.numAxes = axes;
    j.numButtons = buttons;
    return j;
}

// Stick position as a fraction of full travel, in raw device units.
inline int32_t stick(double fraction) { return static_cast<int32_t>(fraction * (fraction < 0 ? 32768 : 32767)); }

struct ControllerFixture : ::testing::Test {
    platform::HeadlessBackend backend;
    platform::Application app{backend};
    std::unique_ptr<TDInputController> controller;

    void start(uint32_t directInputVersion = 0x0700)
    {
        controller = std::make_unique<TDInputController>(app, directInputVersion);
        controller->AutoInitialize = false;
        controller->Loaded();
        controller->Initialize();
        controller->Mouse()->Enabled = true;
        controller->Keyboard()->KeyMap[stButton1][1] = 44;  // Z
        controller->Keyboard()->KeyMap[stButton2][1] = 28;  // Return
        controller->Keyboard()->KeyMap[stButton3][1] = 45;  // X
    }

    platform::RawJoystick& livePad(int index) { return backend.input().joysticks.at(static_cast<std::size_t>(index)); }
};

}  // namespace input_test

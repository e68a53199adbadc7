#pragma once
// The raw state of the input devices as the backend sees them. The
// DirectInput layer reads these; the backends keep them up to date.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

struct RawMouse {
    // Movement since the last read; the reader clears them.
    int dx = 0;
    int dy = 0;
    int wheel = 0;
    std::array<uint8_t, 4> buttons{};  // 0x80 while held
    // Buttons pressed since the last read: a click shorter than a frame
    // still reads as down once. The reader clears them.
    std::array<uint8_t, 4> pressed{};
};

struct RawJoystick {
    int instanceId = -1;
    std::string name;
    std::string product;
    bool gameController = false;  // mapped pad: stick on x/y, face buttons first
    int numAxes = 0;
    int numButtons = 0;
    int numPovs = 0;
    // x, y, z, rx, ry, rz, slider 0, slider 1 in -32768..32767.
    std::array<int32_t, 8> axes{};
    // Hundredths of a degree clockwise from north, or -1 when centred.
    std::array<int32_t, 4> povs{-1, -1, -1, -1};
    std::array<uint8_t, 32> buttons{};  // 0x80 while held
};

struct RawInput {
    std::array<uint8_t, 256> keys{};  // by DirectInput scan code, 0x80 while held
    // Keys pressed since the last read, for taps shorter than a frame; the
    // reader clears them.
    std::array<uint8_t, 256> pressed{};
    RawMouse mouse;
    std::vector<RawJoystick> joysticks;
};

}  // namespace platform

#pragma once
// What a backend reports to the application loop. The loop turns these into
// window messages for the form; raw device state lives in RawInput.
#include <cstdint>

namespace platform {

enum class EventType : uint8_t {
    KeyDown,      // key: DirectInput scan code; repeat set for auto-repeat
    KeyUp,
    Close,        // the window's close command
    FocusGained,  // the application became the active one
    FocusLost,
    Minimized,
    Restored,
    Moved,        // x, y: new client-area origin on the desktop
    DevicesChanged,  // a joystick or pad was connected or removed
};

struct Event {
    EventType type = EventType::Close;
    uint8_t key = 0;
    bool repeat = false;
    int x = 0;
    int y = 0;
};

}  // namespace platform

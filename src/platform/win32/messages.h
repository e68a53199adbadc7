#pragma once
// Window messages and virtual-key codes, numbered as the game's window
// procedure expects them. The backends translate their own events into these.
#include <cstdint>

namespace platform {

struct Message {
    uint32_t msg = 0;
    uintptr_t wParam = 0;
    intptr_t lParam = 0;
    intptr_t result = 0;
};

// What the application delivers its messages to: the main form. The form
// registers itself, so the message loop needs nothing else of it.
class MessageTarget {
public:
    virtual void perform(Message& message) = 0;

protected:
    ~MessageTarget() = default;
};

inline constexpr uint32_t WM_MOVE = 0x0003;
inline constexpr uint32_t WM_SIZE = 0x0005;
inline constexpr uint32_t WM_ACTIVATE = 0x0006;
inline constexpr uint32_t WM_CLOSE = 0x0010;
inline constexpr uint32_t WM_QUIT = 0x0012;
inline constexpr uint32_t WM_ACTIVATEAPP = 0x001C;
inline constexpr uint32_t WM_KEYDOWN = 0x0100;
inline constexpr uint32_t WM_KEYUP = 0x0101;
inline constexpr uint32_t WM_CHAR = 0x0102;
inline constexpr uint32_t WM_SYSKEYDOWN = 0x0104;
inline constexpr uint32_t WM_SYSKEYUP = 0x0105;
inline constexpr uint32_t WM_MOUSEMOVE = 0x0200;

// Key message lParam bits: Alt was held (keys with Alt come as WM_SYSKEYDOWN
// and WM_SYSKEYUP), and the key was already down (auto-repeat).
inline constexpr intptr_t KF_ALTDOWN_BIT = intptr_t{1} << 29;
inline constexpr intptr_t KF_REPEAT_BIT = intptr_t{1} << 30;

// WM_SIZE kinds.
inline constexpr uintptr_t SIZE_RESTORED = 0;
inline constexpr uintptr_t SIZE_MINIMIZED = 1;

// Virtual-key codes the game and its GUI use.
namespace vk {
inline constexpr int Back = 0x08, Tab = 0x09, Return = 0x0D, Shift = 0x10, Control = 0x11, Menu = 0x12,
                     Pause = 0x13, Capital = 0x14, Escape = 0x1B, Space = 0x20, Prior = 0x21, Next = 0x22,
                     End = 0x23, Home = 0x24, Left = 0x25, Up = 0x26, Right = 0x27, Down = 0x28,
                     Insert = 0x2D, Delete = 0x2E, LWin = 0x5B, RWin = 0x5C, Apps = 0x5D,
                     Numpad0 = 0x60, Multiply = 0x6A, Add = 0x6B, Subtract = 0x6D, Decimal = 0x6E,
                     Divide = 0x6F, F1 = 0x70, F2 = 0x71, F12 = 0x7B, NumLock = 0x90, Scroll = 0x91,
                     Oem1 = 0xBA, OemPlus = 0xBB, OemComma = 0xBC, OemMinus = 0xBD, OemPeriod = 0xBE,
                     Oem2 = 0xBF, Oem3 = 0xC0, Oem4 = 0xDB, Oem5 = 0xDC, Oem6 = 0xDD, Oem7 = 0xDE,
                     Oem102 = 0xE2;
}  // namespace vk

}  // namespace platform

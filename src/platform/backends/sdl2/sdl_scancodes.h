#pragma once
// The DirectInput scan code of every key SDL reports. SDL scancodes are USB
// HID keyboard usages, so this header needs no SDL and the table can be
// checked on its own.
#include <cstdint>

namespace platform {

// 0 for keys DirectInput has no code for and for values out of range.
uint8_t dikFromSdlScancode(int scancode);

}  // namespace platform

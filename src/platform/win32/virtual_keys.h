#pragma once
// Key messages carry virtual-key codes; the backends report scan codes.
#include <cstdint>

namespace platform {

// The Windows virtual-key code a key with this scan code reports in key
// messages (0 for codes no key produces).
int dikToVirtualKey(uint8_t scanCode);

}  // namespace platform

#include "platform/backends/pad_layout.h"

#include "platform/backends/keycodes.h"

namespace platform::pad {

uint8_t keyFor(int button)
{
    switch (button) {
    case Start: return dik::F2;
    case Back: return dik::Escape;
    default: return 0;
    }
}

int32_t stickOrDpad(int32_t stick, bool towardsMinus, bool towardsPlus)
{
    if (towardsMinus == towardsPlus) return stick;  // neither, or a worn d-pad reporting both
    return towardsMinus ? -32768 : 32767;
}

}  // namespace platform::pad

#include "platform/system/touch_play.h"

namespace platform {

// The desktop is played with a mouse and a keyboard.
bool playedByTouch() { return false; }

void nameEntryShown(const std::optional<Rect>&) {}

}  // namespace platform

#pragma once
// What play by touch needs from the game: whether the player has a touch
// screen instead of a mouse and keys (the help then speaks of taps), and where
// the game-over screen takes the player's name, so that a page can offer the
// keys a touch screen lacks and open the phone's keyboard over the name box.
// A desktop answers no and ignores the rest.
#include <optional>

#include "platform/geometry.h"

namespace platform {

bool playedByTouch();

// The game-over screen shows with its name box at `nameBox` (picture
// pixels), or no longer shows (nullopt).
void nameEntryShown(const std::optional<Rect>& nameBox);

}  // namespace platform

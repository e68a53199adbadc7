#pragma once
// What the desktop backend asks of the system around it: whether a window
// can be shown, whether the pointer may be pinned, how to wait, where errors
// go and what becomes of files once written. Each system answers in its own
// folder (posix/, windows/, web/), chosen by CMake.
#include <cstdint>
#include <string>

namespace platform {

// Why no game window can be shown here, or empty when one can.
std::string missingDisplay();

// Whether the pointer may be pinned to the window while it has the focus.
bool pointerMayBePinned();

// Whether the player sizes the game's window; a page sizes its picture itself.
bool windowSizedByPlayer();

// Returns when an event is pending or `timeoutMs` has passed; may return
// earlier, at the display's next refresh, where the system paces frames.
void waitForEvents(uint32_t timeoutMs);

// Shows the error where the system shows errors; false when the caller is
// to show its own dialog.
bool showSystemError(const std::string& title, const std::string& text);

// The game has ended; tells whoever started it.
void announceGameEnded();

}  // namespace platform

#pragma once
// What the desktop backend asks of the system around it: whether a window
// can be shown, whether the pointer may be pinned, how to wait, where errors
// go and what becomes of files once written. Each system answers in its own
// folder (posix/, windows/, web/), chosen by CMake.
#include <cstdint>
#include <optional>
#include <string>
#include <utility>

namespace platform {

// Why no game window can be shown here, or empty when one can.
std::string missingDisplay();

// Whether the pointer may be pinned to the window while it has the focus.
bool pointerMayBePinned();

// The size a page gives the game's canvas, which the window keeps whatever
// size the game asks for (the page scales the canvas); none where the player
// sizes the window, on a desktop.
std::optional<std::pair<int, int>> windowSizeFromPage();

// Whether a sound device the driver cannot list may be looked for by opening
// it for a moment. A page may not: its audio runs on the browser's events,
// which can still call into a device closed at once.
bool soundDeviceMayBeProbed();

// Where a page holds the game, full screen is the page's (it asks the browser,
// which allows it only on the player's gesture): passes the wish on and
// returns true. False where the game's window goes full screen itself.
bool fullScreenByPage(bool fullScreen);

// Returns when an event is pending or `timeoutMs` has passed; may return
// earlier, at the display's next refresh, where the system paces frames.
void waitForEvents(uint32_t timeoutMs);

// Shows the error where the system shows errors; false when the caller is
// to show its own dialog.
bool showSystemError(const std::string& title, const std::string& text);

// The game has ended; tells whoever started it.
void announceGameEnded();

}  // namespace platform

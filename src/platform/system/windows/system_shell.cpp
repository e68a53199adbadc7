#include "platform/system/system_shell.h"

#include <SDL.h>

namespace platform {

// A Windows session always has a desktop to show the window on.
std::string missingDisplay() { return {}; }

bool pointerMayBePinned() { return true; }

std::optional<std::pair<int, int>> windowSizeFromPage() { return std::nullopt; }

void waitForEvents(uint32_t timeoutMs) { SDL_WaitEventTimeout(nullptr, static_cast<int>(timeoutMs)); }

bool showSystemError(const std::string&, const std::string&) { return false; }

void announceGameEnded() {}

bool soundDeviceMayBeProbed() { return true; }

bool fullScreenByPage(bool) { return false; }

}  // namespace platform

#include "platform/system/system_shell.h"

#include <SDL.h>

namespace platform {

std::string missingDisplay()
{
    const auto set = [](const char* name) {
        const char* value = SDL_getenv(name);
        return value && *value;
    };
    // Probing for a desktop that is not there only makes the libraries
    // print noise; say it once, plainly.
    if (!set("DISPLAY") && !set("WAYLAND_DISPLAY") && !set("SDL_VIDEODRIVER"))
        return "no X11 or Wayland desktop was found (is DISPLAY set?)";
    return {};
}

bool pointerMayBePinned() { return true; }

std::optional<std::pair<int, int>> windowSizeFromPage() { return std::nullopt; }

void waitForEvents(uint32_t timeoutMs) { SDL_WaitEventTimeout(nullptr, static_cast<int>(timeoutMs)); }

bool showSystemError(const std::string&, const std::string&) { return false; }

void announceGameEnded() {}

bool soundDeviceMayBeProbed() { return true; }

bool fullScreenByPage(bool) { return false; }

}  // namespace platform

#include "platform/system/system_shell.h"

#include <emscripten.h>

namespace platform {
namespace {

// The page's hooks (index.html) are optional: the same program also runs
// under Node, where nobody listens.
EM_JS(int, inBrowserPage, (), { return typeof document !== 'undefined' ? 1 : 0; });

// The game's loop runs on the page's only thread: waiting hands it back to
// the browser. Frames follow the display: the wait ends at the next refresh,
// and after the timeout only where refreshes stop (a hidden page).
// For measuring, Module.refreshes counts the refreshes the game waited for
// and Module.busyMs adds up the time it ran between waits.
EM_ASYNC_JS(void, waitForFrameOrTimeout, (int timeoutMs), {
    const now = performance.now();
    if (Module.awakeSince) Module.busyMs = (Module.busyMs || 0) + now - Module.awakeSince;
    await new Promise(resolve => {
        let timer = 0;
        const frame = requestAnimationFrame(() => {
            clearTimeout(timer);
            Module.refreshes = (Module.refreshes || 0) + 1;
            resolve();
        });
        timer = setTimeout(() => { cancelAnimationFrame(frame); resolve(); }, Math.max(timeoutMs, 100));
    });
    Module.awakeSince = performance.now();
});

EM_JS(int, pageCanvasWidth, (), { return Module.canvas ? Module.canvas.width : 0; });
EM_JS(int, pageCanvasHeight, (), { return Module.canvas ? Module.canvas.height : 0; });

EM_JS(void, showErrorInPage, (const char* title, const char* text), {
    if (Module.showGameError) Module.showGameError(UTF8ToString(title), UTF8ToString(text));
});

EM_JS(void, askPageFullScreen, (int fullScreen), {
    if (Module.setFullScreen) Module.setFullScreen(fullScreen !== 0);
});

EM_JS(void, tellPageGameEnded, (), {
    if (Module.gameEnded) Module.gameEnded();
});

}  // namespace

std::string missingDisplay()
{
    return inBrowserPage() ? std::string() : std::string("the game is played in a browser page");
}

// The browser's pointer lock would take Escape, which belongs to the game;
// the page hides the pointer over the picture instead.
bool pointerMayBePinned() { return false; }

// The canvas keeps the size the page gave it (the picture's): the page
// scales it by whole factors. A resizable window would make SDL stretch the
// canvas over the page, and the game's own window sizes would blur it.
std::optional<std::pair<int, int>> windowSizeFromPage()
{
    const int width = pageCanvasWidth(), height = pageCanvasHeight();
    if (width <= 0 || height <= 0) return std::nullopt;
    return std::pair{width, height};
}

// The page's default sound device is there once the browser has audio; it is
// opened for real when the game starts its sound.
bool soundDeviceMayBeProbed() { return false; }

// The page asks the browser for full screen on the player's next gesture and
// fits the picture into it; the canvas and SDL's window stay as they are, so
// nothing of SDL's is left for the browser to call back when it ends.
bool fullScreenByPage(bool fullScreen)
{
    askPageFullScreen(fullScreen ? 1 : 0);
    return true;
}

void waitForEvents(uint32_t timeoutMs) { waitForFrameOrTimeout(static_cast<int>(timeoutMs)); }

bool showSystemError(const std::string& title, const std::string& text)
{
    showErrorInPage(title.c_str(), text.c_str());
    return true;
}

void announceGameEnded() { tellPageGameEnded(); }

}  // namespace platform

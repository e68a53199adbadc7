#include "platform/system/stop_signals.h"

#include <windows.h>

#include <atomic>
#include <string_view>

#include "platform/system/stop_watch.h"

namespace platform {
namespace {

// The console's handler runs on a thread of its own that the system starts.
std::atomic<bool> stopNoted{false};

BOOL WINAPI noteStop(DWORD event)
{
    switch (event) {
    case CTRL_C_EVENT:
    case CTRL_BREAK_EVENT:
        // A second one gets the default: the program ends at once.
        if (stopNoted.exchange(true)) return FALSE;
        return TRUE;
    case CTRL_CLOSE_EVENT:
    case CTRL_LOGOFF_EVENT:
    case CTRL_SHUTDOWN_EVENT:
        // The system ends the process as soon as this returns: hold it back
        // while the game ends in order (it exits the process itself), for
        // at most the few seconds the system grants.
        stopNoted = true;
        ::Sleep(4500);
        return TRUE;
    default: return FALSE;
    }
}

// Closes the dialog windows a thread shows.
BOOL CALLBACK closeDialog(HWND window, LPARAM)
{
    wchar_t className[16] = {};
    ::GetClassNameW(window, className, 16);
    // "#32770" is the class of every dialog box.
    if (std::wstring_view(className) == L"#32770") ::PostMessageW(window, WM_CLOSE, 0, 0);
    return TRUE;
}

}  // namespace

void watchStopSignals()
{
    stopNoted = false;
    // Added once: the handler list keeps every registration.
    static const bool installed = ::SetConsoleCtrlHandler(noteStop, TRUE) != 0;
    (void)installed;
}

bool stopRequested() { return stopNoted; }

void runStoppableDialog(const std::function<void()>& dialog)
{
    // The dialog runs on this thread, inside this process: a stop asks its
    // window to close.
    const DWORD thread = ::GetCurrentThreadId();
    runWatchingForStop(dialog, [thread] { ::EnumThreadWindows(thread, closeDialog, 0); });
}

}  // namespace platform

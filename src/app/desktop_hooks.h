#pragma once
// What the game's window does for a desktop player beyond the form's own
// keys: Alt+Enter switches between full screen and a window, F12 saves a
// screenshot, and losing the focus while playing in a window pauses the game.
// It sees the window's messages before the form does.
#include <string>

#include "platform/win32/messages.h"

class TfrmMain;

class TDesktopHooks {
public:
    explicit TDesktopHooks(TfrmMain& form);
    ~TDesktopHooks();
    TDesktopHooks(const TDesktopHooks&) = delete;
    TDesktopHooks& operator=(const TDesktopHooks&) = delete;

    // Alt+Enter: what the Options screen's full-screen choice does, from any
    // state, and the choice shows the new mode.
    void SwitchFullScreen();
    // F12: the file written, or empty when there was nothing to save or it
    // could not be written (said on stderr; a dialog would spoil the picture).
    std::string SaveScreenshot();
    // The window lost the focus.
    void FocusLost();

private:
    bool OnMessage(const platform::Message& message);

    TfrmMain& FForm;
    int FHookId;
};

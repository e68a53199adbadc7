#include "app/desktop_hooks.h"

#include <cstdio>
#include <ctime>

#include "app/main_form.h"
#include "app/screenshot.h"
#include "app/user_folders.h"
#include "gui/fx_choice.h"
#include "platform/system/local_time.h"

TDesktopHooks::TDesktopHooks(TfrmMain& form) : FForm(form)
{
    FHookId = FForm.application().hookMainWindow([this](platform::Message& m) { return OnMessage(m); });
}

TDesktopHooks::~TDesktopHooks() { FForm.application().unhookMainWindow(FHookId); }

bool TDesktopHooks::OnMessage(const platform::Message& message)
{
    const bool repeat = (message.lParam & platform::KF_REPEAT_BIT) != 0;
    switch (message.msg) {
    case platform::WM_SYSKEYDOWN:
        if (message.wParam == platform::vk::Return && (message.lParam & platform::KF_ALTDOWN_BIT)) {
            // Holding the keys must not make the screen flicker between modes.
            if (!repeat) SwitchFullScreen();
            return true;
        }
        [[fallthrough]];
    case platform::WM_KEYDOWN:
        if (message.wParam == platform::vk::F12) {
            if (!repeat) SaveScreenshot();
            return true;
        }
        return false;
    case platform::WM_ACTIVATEAPP:
        if (message.wParam == 0) FocusLost();
        return false;  // the screen and the timer act on it as well
    default: return false;
    }
}

void TDesktopHooks::SwitchFullScreen()
{
    // Before start-up finished, or after an error stopped the game, there is
    // no display to switch.
    if (!FForm.DDrawScreen1.IsInitialized()) return;
    FForm.FFullScreen = !FForm.FFullScreen;
    FForm.ToggleFullScreen();
    if (!FForm.FGUI) return;
    if (TFXScreen* options = FForm.FGUI->FindScreen("Options"))
        if (auto* choice = dynamic_cast<TFXChoice*>(options->FindControl("choiceScreenMode")))
            choice->SetItemIndex(FForm.FFullScreen ? 0 : 1);
}

std::string TDesktopHooks::SaveScreenshot()
{
    const std::tm local = platform::localTime(std::time(nullptr));
    try {
        const std::string path =
            ::SaveScreenshot(FForm.DDrawScreen1, LocateUserFolders(FForm.FAppPath).Screenshots, local);
        std::printf("Brindlecog: screenshot saved as %s\n", path.c_str());
        return path;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "Brindlecog: screenshot not saved: %s\n", error.what());
        return {};
    }
}

void TDesktopHooks::FocusLost()
{
    // In full screen the display itself goes away and everything stops until
    // it is back; in a window the player may come back mid-shift by a click,
    // so play waits for them.
    if (FForm.FState == gsPlaying && !FForm.DDrawScreen1.FullScreen) FForm.FPaused = true;
}

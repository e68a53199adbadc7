#include "app/main_form.h"

#include "platform/messages.h"

TfrmMain* frmMain = nullptr;

TfrmMain::TfrmMain(platform::Application& app) : Form(app), DTimer1(app)
{
    frmMain = this;

    // The form as designed: components are loaded with their settings, then
    // told loading is over (which starts the timer, as it is enabled).
    setCaption("Brindlecog");
    setBorderStyle(platform::BorderStyle::Single);
    window().setBounds({0, 0, 696, 480});
    centre();

    DTimer1.BeginLoading();
    DTimer1.SetEnabled(true);
    DTimer1.SetInterval(10);
    DTimer1.SetEnableHPTiming(true);
    DTimer1.OnTimer = [this] { DTimer1Timer(); };
    DTimer1.Loaded();
}

TfrmMain::~TfrmMain()
{
    FormDestroy();
    if (frmMain == this) frmMain = nullptr;
}

void TfrmMain::FormCreate()
{
    // 1.
    DTimer1.SetEnabled(false);
    window().setBusyCursor(true);
    // 2. Pure blue, in blue-green-red order.
    setColor(0xFF0000);
    // 3.
    FAppPath = application().exeFolder();
    // 4.
    ReadSettings();
    // 5. The sprite world comes with the sprite layer.
    // 6.
    FPaused = false;
    FHelpShown = false;
    FIntroTime = 4000;
    FBlinkTime = 0;
    // 7.
    if (FFullScreen) setBorderStyle(platform::BorderStyle::None);
    // 8. Images, gameplay objects and GUI screens come with their layers.
    // 9.
    FButtonWasDown = false;
    FHintMessageTime = 0;
    FHintCycleTime = 0;
    FHintShowTime = 0;
    // 10. Every run starts with music and sound on, whatever the file says.
    FMusicOn = true;
    FSoundOn = true;
    // 11-15. Fonts, display, sounds, input and the sound player come with
    // their layers.
    FSoundAvailable = false;
    // 16. The game draws its own cursors.
    window().setBusyCursor(false);
    window().setCursorVisible(false);
    // 17.
    SetGameState(gsIntro);
    // 18.
    DTimer1.SetEnabled(true);
}

void TfrmMain::FormDestroy()
{
    if (FDestroyed) return;
    FDestroyed = true;
    DTimer1.SetEnabled(false);
    WriteSettings();
}

void TfrmMain::formClose(platform::CloseAction& /*action*/)
{
    // The default action stands, so closing the form ends the application.
    application().minimize();
}

void TfrmMain::formKeyDown(int key)
{
    switch (key) {
    case platform::vk::Escape:
        if (FState == gsMenu) close();
        else if (FState == gsPlaying && FHelpShown) FHelpShown = false;
        else SetGameState(gsMenu);
        break;
    case platform::vk::F1:
        if (FState == gsPlaying) FHelpShown = !FHelpShown;
        break;
    case platform::vk::F2: FPaused = !FPaused; break;
    default: break;
    }
}

void TfrmMain::DTimer1Timer() { GameFrame(); }

void TfrmMain::PlaySound(const std::string& /*name*/)
{
    if (!FSoundAvailable) return;
}

void TfrmMain::StopAllSounds()
{
    if (!FSoundAvailable) return;
}

void TfrmMain::ShowHintMessage(const std::string& line1, const std::string& line2)
{
    if (FHintMessageTime != 0) return;
    FHintMessage1 = line1;
    FHintMessage2 = line2;
    FHintMessageTime = 2000;
}

void TfrmMain::ToggleFullScreen()
{
    DTimer1.SetEnabled(false);
    FFullScreen = !FFullScreen;
    DTimer1.SetEnabled(true);
}

#include "app/main_form.h"

#include "platform/backends/keycodes.h"
#include "platform/win32/messages.h"

TfrmMain::TfrmMain(platform::Application& app)
    : Form(app), DTimer1(app), DDrawScreen1(app, *this), DInputController1(app), DSoundPlayer1(app.backend())
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

    DDrawScreen1.AutoInitialize = false;
    DDrawScreen1.FullScreen = true;
    DDrawScreen1.SetDisplayMode(m0800x600x16);
    DDrawScreen1.ForceDirectX7 = false;
    DDrawScreen1.AllowReboot = true;
    DDrawScreen1.OnReActivate = [this] { DTimer1.SetEnabled(true); };
    DDrawScreen1.OnDeActivate = [this] { DTimer1.SetEnabled(false); };

    DImageList1.SetDrawScreen(&DDrawScreen1);
    DSpriteEngine2D1.SetDrawScreen(&DDrawScreen1);

    DInputController1.AutoInitialize = false;
    DInputController1.UseKeyboard = true;
    DInputController1.UseMouse = true;
    DInputController1.UseJoysticks = true;

    DSoundPlayer1.AutoInitialize = false;
    DSoundPlayer1.CooperationLevel = TCooperationLevel::clNormal;
    DSoundList1.SetSoundPlayer(&DSoundPlayer1);

    DTimer1.Loaded();
}

TfrmMain::~TfrmMain()
{
    FormDestroy();
    if (frmMain == this) frmMain = nullptr;
}

void TfrmMain::FormCreate()
{
    DTimer1.SetEnabled(false);
    window().setBusyCursor(true);
    // Pure blue, in blue-green-red order.
    setColor(0xFF0000);
    FAppPath = application().gameFolder();
    ReadSettings();
    FRandom.Seed(application().backend().clock().randomSeed());

    FWorld = std::make_unique<TWorldSpritesWorld>(&DSpriteEngine2D1, FScreenWidth, FScreenHeight, FScreenWidth,
                                                  FScreenHeight);
    FPaused = false;
    FHelpShown = false;
    FIntroTime = 4000;
    FBlinkTime = 0;
    if (FFullScreen) {
        setBorderStyle(platform::BorderStyle::None);
        DDrawScreen1.FullScreen = true;
    } else {
        DDrawScreen1.FullScreen = false;
    }
    LoadImages();
    CreateGameObjects();
    CreateScreens();

    FButtonWasDown = false;
    FHintMessageTime = 0;
    FHintCycleTime = 0;
    FHintShowTime = 0;
    // Every run starts with music and sound on, whatever the file says.
    FMusicOn = true;
    FSoundOn = true;
    CreateFonts();
    DDrawScreen1.Initialize();
    LoadSounds();

    // The mouse counts in the input states; Z, Return and X are second
    // keys of the first three buttons.
    DInputController1.Initialize();
    DInputController1.Mouse()->Enabled = true;
    auto& keyMap = DInputController1.Keyboard()->KeyMap;
    keyMap[engine::input::stButton1][1] = platform::dik::Z;
    keyMap[engine::input::stButton2][1] = platform::dik::Return;
    keyMap[engine::input::stButton3][1] = platform::dik::X;

    // Without a sound device the player still initialises, and sounds
    // simply have no buffers.
    FSoundAvailable = false;
    try {
        DSoundPlayer1.Initialize();
        FSoundAvailable = true;
    } catch (const std::exception&) {
    }
    // The game draws its own cursors.
    window().setBusyCursor(false);
    window().setCursorVisible(false);
    // The hidden pointer stays with the game while it has the focus.
    window().setMouseConfined(true);
    SetGameState(gsIntro);
    DTimer1.SetEnabled(true);
}

void TfrmMain::FormDestroy()
{
    if (FDestroyed) return;
    FDestroyed = true;
    DTimer1.SetEnabled(false);
    FLevel.reset();
    FFloor.reset();
    // The GUI draws with the fonts, so it goes with them.
    FGUI.reset();
    FBigFont.reset();
    FFont1.reset();
    FFont2.reset();
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

void TfrmMain::DTimer1Timer()
{
    GameFrame();
    if (OnFrameDone) OnFrameDone();
}

void TfrmMain::PlaySound(const std::string& name)
{
    if (!FSoundAvailable) return;
    auto& sound = DSoundList1.Items().Find(name);
    // A sound already playing is neither restarted nor doubled.
    if (FSoundOn && !sound.IsPlaying()) sound.Play();
}

void TfrmMain::StopAllSounds()
{
    if (!FSoundAvailable) return;
    DSoundList1.StopAll();
}

void TfrmMain::ShowChiefMessage(const std::string& line1, const std::string& line2)
{
    if (!FFloor) return;
    // The chief repeats himself every frame he rates; the lines keep their
    // room, so that costs no allocation.
    auto& lines = FFloor->FBalloon->FLines;
    lines.resize(2);
    lines[0].assign(line1);
    lines[1].assign(line2);
}

void TfrmMain::ClearHintMessage()
{
    FHintMessage1.clear();
    FHintMessage2.clear();
    FHintMessageTime = 0;
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
    struct EnableAgain {
        TDTimer& timer;
        ~EnableAgain() { timer.SetEnabled(true); }
    } enableAgain{DTimer1};
    DDrawScreen1.FullScreen = !DDrawScreen1.FullScreen;
    if (DDrawScreen1.FullScreen) {
        setBorderStyle(platform::BorderStyle::None);
        DDrawScreen1.Initialize();
    } else if (DDrawScreen1.RestoreNormalMode()) {
        // A window the player can move and close again, not the borderless
        // one full screen needed.
        setBorderStyle(platform::BorderStyle::Single);
        DDrawScreen1.Initialize();
        centre();
    }
}

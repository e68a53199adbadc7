// The menu screens, the game-over screen and the highscore record: what the
// player sees between shifts.
#include <cstdio>

#include "app/format_score.h"
#include "app/highscore_record.h"
#include "app/main_form.h"
#include "app/user_folders.h"
#include "gui/fx_button.h"
#include "gui/fx_choice.h"
#include "platform/backends/keycodes.h"
#include "platform/system/touch_play.h"

namespace {

// Every button and choice draws from this one image, in pattern pairs:
// normal, then hovered.
constexpr const char* kButtons = "ButtonsMainMenu";

std::string lowerCase(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

}  // namespace

void TfrmMain::CreateFonts()
{
    FBigFont = std::make_unique<TFXBitmapFont>(FMedia->Display(), 0, FMedia->Image("bigfont2"));
    FFont1 = std::make_unique<TFXBitmapFont>(FMedia->Display(), 0, FMedia->Image("font1"));
    FFont2 = std::make_unique<TFXBitmapFont>(FMedia->Display(), 0, FMedia->Image("font2"));
    // The name box is built before the fonts exist; it writes with font1.
    PlayerNameBox().Font = FFont1.get();
}

void TfrmMain::CreateScreens()
{
    FMedia = std::make_unique<TFXMedia>(DDrawScreen1, DImageList1, DInputController1);
    FGUI = std::make_unique<TFXGUI>(FMedia->Display(), &FMedia->Input(), &FMedia->Image("Cursor"));
    FGUI->Cursor->SetX(30);
    FGUI->Cursor->SetY(30);
    TFXImage* buttons = &FMedia->Image(kButtons);
    const auto button = [&](TFXScreen& screen, const char* name, int top, int normal, int hover, const char* caption,
                            TFXNotifyEvent action) {
        TFXButton::Create(screen, name, 285, top, 0, 0, buttons, nullptr, normal, hover, caption).OnClick =
            std::move(action);
    };
    const auto backToMenu = [this](TFXControl&) { BackToMainMenu(); };

    TFXScreen& mainMenu = TFXScreen::Create(*FGUI, 0, "MainMenu", 0, 0, FScreenWidth, FScreenHeight);
    button(mainMenu, "btnPlay", 120, 0, 1, "Play Game", [this](TFXControl&) { SetGameState(gsLevelIntro); });
    button(mainMenu, "btnHelp", 170, 14, 15, "Help",
           [this](TFXControl&) { FGUI->SetActiveScreen(FGUI->FindScreen("Help")); });
    button(mainMenu, "btnOptions", 220, 2, 3, "Options", [this](TFXControl&) {
        TFXScreen* options = FGUI->FindScreen("Options");
        FGUI->SetActiveScreen(options);
        static_cast<TFXChoice*>(options->FindControl("choiceScreenMode"))->SetItemIndex(FFullScreen ? 0 : 1);
    });
    button(mainMenu, "btnQuit", 270, 4, 5, "Quit Game", [this](TFXControl&) { application().terminate(); });

    TFXScreen& options = TFXScreen::Create(*FGUI, 0, "Options", 0, 0, FScreenWidth, FScreenHeight);
    TFXChoice& sound = TFXChoice::Create(options, "choiceSound", 285, 120, 0, 0, buttons, nullptr);
    sound.AddItem("Sound On", 28, 29);
    sound.AddItem("Sound Off", 30, 31);
    sound.SetItemIndex(0);
    sound.OnChange = [this](TFXControl&) { FSoundOn = !FSoundOn; };
    TFXChoice& music = TFXChoice::Create(options, "choiceMusic", 285, 170, 0, 0, buttons, nullptr);
    music.AddItem("Music On", 24, 25);
    music.AddItem("Music Off", 26, 27);
    music.SetItemIndex(0);
    music.OnChange = [this](TFXControl&) {
        if (FMusicOn) {
            FMusicOn = false;
            StopAllSounds();
        } else {
            FMusicOn = true;
            PlaySound("levelmusicloop2");
        }
    };
    TFXChoice& screenMode = TFXChoice::Create(options, "choiceScreenMode", 285, 220, 0, 0, buttons, nullptr);
    screenMode.AddItem("FullScreen", 6, 7);
    screenMode.AddItem("Windowed", 8, 9);
    screenMode.SetItemIndex(0);
    screenMode.OnChange = [this](TFXControl&) {
        FFullScreen = !FFullScreen;
        ToggleFullScreen();
    };
    button(options, "btnMainMenu", 270, 16, 17, "Main Menu", backToMenu);

    TFXScreen& help = TFXScreen::Create(*FGUI, 0, "Help", 0, 0, FScreenWidth, FScreenHeight);
    button(help, "btnMainMenu", 530, 16, 17, "Main Menu", backToMenu);

    TFXScreen& gameOver = TFXScreen::Create(*FGUI, 0, "GameOver", 0, 0, FScreenWidth, FScreenHeight);
    TFXEditBox& name = TFXEditBox::Create(gameOver, "edtPlayerName", 270, 170, 240, 20, nullptr, FFont1.get(), "");
    name.MaxLength = 15;
    name.BackColor = 190 | 119 << 8 | 8 << 16;
    name.UnfocusOnEnter = true;
    button(gameOver, "btnMainMenu", 350, 16, 17, "Main Menu", backToMenu);

    FGUI->SetActiveScreen(&mainMenu);
}

TFXEditBox& TfrmMain::PlayerNameBox()
{
    return static_cast<TFXEditBox&>(*FGUI->FindScreen("GameOver")->FindControl("edtPlayerName"));
}

// On a touch screen the help speaks of taps and of the page's keys.
const char* TfrmMain::HelpPicture() const { return platform::playedByTouch() ? "helpscreen-touch" : "helpscreen"; }

void TfrmMain::BackToMainMenu()
{
    if (FState != gsMenu) SetGameState(gsMenu);
    // Only leaving Options writes the settings.
    if (FGUI->ActiveScreen && FGUI->ActiveScreen->Name == "Options") WriteSettings();
    FHelpShown = false;
    FGUI->SetActiveScreen(FGUI->FindScreen("MainMenu"));
}

void TfrmMain::MenuFrame(int elapsed)
{
    DrawImage("menubackground", 0, 0);
    DrawImage("menublock", 204, 10);
    const std::string screen = FGUI->ActiveScreen ? lowerCase(FGUI->ActiveScreen->Name) : "";
    if (screen == "mainmenu") {
        DrawImage("title-mainmenu", 240, 40);
    } else if (screen == "help") {
        DrawImage("title-help", 240, 40);
        DrawImage(HelpPicture(), 140, 2);
    } else if (screen == "options") {
        DrawImage("title-options", 240, 40);
    }
    FGUI->Update(elapsed);
    FGUI->Draw(elapsed);
}

void TfrmMain::GameOverFrame(int elapsed)
{
    DrawImage("menublock", 204, 100);
    FBigFont->DrawText(290, 20, "Game Over");
    FFont1->DrawText(270, 200, "Score: " + FormatScore(FTotalScore));
    if (FHighScoreSaved) {
        FFont1->DrawText(270, 300, "HighScores saved");
    } else if (!FHighScoreError.empty()) {
        FFont1->DrawText(270, 300, platform::playedByTouch() ? "Not saved! Tap Save to retry" : "Not saved! Press S to retry");
    } else {
        FFont1->DrawText(270, 300, platform::playedByTouch() ? "Tap Save to save highscores" : "Press S to save highscores");
    }
    // S saves, read from the keyboard itself; while the name box has the
    // focus an "s" is part of the name, not a command. A failed save is
    // retried on the next press, not on every frame the key stays down.
    const bool saveKey = DInputController1.Keyboard() && DInputController1.Keyboard()->KeyDown(platform::dik::S);
    if (!FHighScoreSaved && saveKey && !FSaveKeyWasDown && !PlayerNameBox().IsFocused()) SaveHighScore();
    FSaveKeyWasDown = saveKey;
    FGUI->Update(elapsed);
    FGUI->Draw(elapsed);
}

void TfrmMain::SaveHighScore()
{
    HighScoreRecord record = HighScoreRecord::Now();
    record.name = PlayerNameBox().Text.substr(0, kHighScoreNameLength);
    record.totalScore = FTotalScore;
    record.level = LevelNumber();
    try {
        WriteHighScoreFile(LocateUserFolders(FAppPath).HighScores, record);
        FHighScoreSaved = true;
        FHighScoreError.clear();
    } catch (const std::exception& error) {
        // The game goes on; the player sees it was not saved and may retry.
        FHighScoreError = error.what();
        std::fprintf(stderr, "Brindlecog: highscore not saved: %s\n", error.what());
    }
}

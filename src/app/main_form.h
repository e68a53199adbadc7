#pragma once
// The main form: owns every engine component, runs the start-up sequence,
// walks the game states and draws one frame per timer tick. Gameplay objects
// reach it through `frmMain`.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "app/desktop_hooks.h"
#include "app/dtimer.h"
#include "engine/display/ddraw_screen.h"
#include "engine/display/image_list.h"
#include "engine/input/input_controller.h"
#include "engine/sound/sound_list.h"
#include "engine/sound/sound_player.h"
#include "engine/sprites/sprite_engine.h"
#include "engine/sprites/world_sprites.h"
#include "gameplay/bc_level.h"
#include "gameplay/game_floor.h"
#include "gameplay/game_host.h"
#include "gameplay/game_state.h"
#include "gui/fx_bitmap_font.h"
#include "gui/fx_edit_box.h"
#include "gui/fx_gui.h"
#include "gui/gui_media.h"
#include "platform/win32/form.h"

class TfrmMain : public platform::Form, public TGameHost {
public:
    explicit TfrmMain(platform::Application& app);
    ~TfrmMain() override;

    // Start-up, run once after construction; errors leave it to the caller.
    void FormCreate();

    // Offered to the rest of the game.
    void SetGameState(TGameState state) override;
    void PlaySound(const std::string& name) override;
    void StopAllSounds();
    void ShowChiefMessage(const std::string& line1, const std::string& line2) override;
    void ShowHintMessage(const std::string& line1, const std::string& line2) override;
    void ClearHintMessage() override;
    void ToggleFullScreen();
    TDImageList& Images() override { return DImageList1; }
    TFXBitmapFont* BalloonFont() override { return FFont2.get(); }
    TBCLevel* Level() override { return FLevel.get(); }
    TGameFloor* Floor() override { return FFloor.get(); }
    TGameRandom& Random() override { return FRandom; }

    // Settings file: beside the program, or in the player's configuration
    // folder for an installed game.
    void ReadSettings();
    void WriteSettings();
    std::string SettingsPath() const;

    // Components, in the order they are placed on the form (and destroyed in
    // the reverse order: bound lists and engines go before the screen).
    TDTimer DTimer1;
    TDDrawScreen DDrawScreen1;
    TDImageList DImageList1;
    engine::input::TDInputController DInputController1;
    TDSpriteEngine2D DSpriteEngine2D1;
    TDSoundPlayer DSoundPlayer1;
    TDSoundList DSoundList1;

    // Made at start-up; they borrow from the components above, so they are
    // declared after them and go first.
    std::unique_ptr<TWorldSpritesWorld> FWorld;
    std::unique_ptr<TFXMedia> FMedia;
    std::unique_ptr<TFXBitmapFont> FBigFont;
    std::unique_ptr<TFXBitmapFont> FFont1;
    std::unique_ptr<TFXBitmapFont> FFont2;
    std::unique_ptr<TFXGUI> FGUI;
    // The factory floor and the level on it; the level borrows the floor's
    // line and piles, so it is declared after them and goes first.
    std::unique_ptr<TGameFloor> FFloor;
    std::unique_ptr<TBCLevel> FLevel;

    // Fields, as the rest of the game reads them.
    bool FDrawFPS = false;
    bool FFullScreen = false;
    bool FSoundAvailable = false;
    TGameState FState = gsNone;
    bool FPaused = false;
    bool FHelpShown = false;
    bool FHighScoreSaved = false;
    bool FButtonWasDown = false;
    int32_t FIntroTime = 4000;
    int32_t FBlinkTime = 0;
    std::string FHintMessage1;
    std::string FHintMessage2;
    int32_t FHintMessageTime = 0;
    int32_t FHintCycleTime = 0;
    int32_t FHintShowTime = 0;
    std::string FAppPath;
    bool FSoundOn = true;
    bool FMusicOn = true;
    static constexpr int FScreenWidth = 800;
    static constexpr int FScreenHeight = 600;

    // The dropper's chance; seeded from the platform's clock at start-up.
    TGameRandom FRandom;

    // Counts frames run, for tests and the frame-rate display.
    uint64_t FrameCount() const { return FFrameCount; }
    // Called after every frame (recording, replay and soak runs watch the game through it).
    std::function<void()> OnFrameDone;

    // The asset catalogue.
    void LoadImages();
    void LoadImage(const std::string& file, const std::string& folder, const std::string& name, int patternWidth,
                   int patternHeight, int skipWidth, int skipHeight, uint32_t transparentColor, bool transparent);
    void LoadSounds();
    void LoadSound(const std::string& file, const std::string& name, bool looped);

    // Menus, the game-over screen and the highscore record.
    void CreateScreens();
    void BackToMainMenu();
    void SaveHighScore();
    TFXEditBox& PlayerNameBox();
    const char* HelpPicture() const;
    // Why the last save failed; empty when it did not.
    std::string FHighScoreError;

protected:
    void formKeyDown(int key) override;
    void formClose(platform::CloseAction& action) override;

private:
    void FormDestroy();
    void DrawFrameRate();
    void CreateFonts();
    void DrawImage(const std::string& name, int x, int y, int pattern = 0);
    void MenuFrame(int elapsed);
    void GameOverFrame(int elapsed);
    bool FSaveKeyWasDown = false;
    void DTimer1Timer();
    void GameFrame();
    bool FirstButtonDown();
    bool Clicked();

    // Per-state frames.
    void IntroFrame(int elapsed);
    void AllLevelsDoneFrame(int elapsed);
    bool DrawContinuePrompt(int x, int y, TGameState target, int elapsed);

    // The level flow and the play frame.
    void CreateGameObjects();
    void NextLevel();
    int32_t LevelNumber() const { return FLevel ? FLevel->FLevelNumber : 0; }
    void LevelIntroFrame(int elapsed);
    void PlayFrame(int elapsed);
    void DrawHUD();
    void DrawKeyHints();
    void DrawHintMessage(int elapsed);
    void DrawProductHint(int elapsed);

    uint64_t FFrameCount = 0;
    bool FDestroyed = false;
    // Alt+Enter, F12 and the pause on focus loss; made last, as it uses the rest.
    TDesktopHooks FDesktopHooks{*this};
};


// The frame routine and the game-state machine of the main form.
#include "app/main_form.h"

#include <optional>

#include "platform/system/touch_play.h"

bool TfrmMain::FirstButtonDown() { return DInputController1.States().Contains(engine::input::stButton1); }

bool TfrmMain::Clicked() { return FirstButtonDown() && !FButtonWasDown; }

void TfrmMain::GameFrame()
{
    ++FFrameCount;
    // Keeps the hidden system pointer over the window.
    if (!FFullScreen) window().warpMouse(left() + 30, top() + 30);
    if (!DDrawScreen1.IsInitialized()) return;
    DInputController1.Poll();
    DDrawScreen1.Clear();
    const int elapsed = DTimer1.DeltaTime();
    switch (FState) {
    case gsIntro: IntroFrame(elapsed); break;
    case gsMenu: MenuFrame(elapsed); break;
    case gsLevelIntro: LevelIntroFrame(elapsed); break;
    case gsPlaying: PlayFrame(elapsed); break;
    case gsGameOver: GameOverFrame(elapsed); break;
    case gsAllLevelsDone: AllLevelsDoneFrame(elapsed); break;
    case gsNone: break;
    }
    FButtonWasDown = FirstButtonDown();
    if (FDrawFPS) DrawFrameRate();
    DDrawScreen1.Flip();
}

void TfrmMain::DrawFrameRate()
{
    TDDrawSurface* back = DDrawScreen1.BackBuffer();
    if (!back) return;
    auto& canvas = back->Canvas();
    if (!canvas.AcquireDC()) return;
    canvas.Brush.Style = platform::gdi::TBrushStyle::bsClear;
    canvas.Font.Name = "Arial";
    canvas.Font.Color = platform::gdi::clWhite;
    canvas.Font.Size = 10;
    canvas.TextOut(0, 0, "FPS: " + std::to_string(DTimer1.FramesPerSecond()));
    canvas.ReleaseDC();
}

void TfrmMain::IntroFrame(int elapsed)
{
    DrawImage("brindlecog-title", 0, 0);
    DrawImage("Moltrand", 667, 553);
    if (FIntroTime > 0) {
        FIntroTime -= elapsed;
        if (FIntroTime <= 0) FIntroTime = 0;
    }
    if (Clicked() || FIntroTime == 0) SetGameState(gsMenu);
}

void TfrmMain::AllLevelsDoneFrame(int elapsed)
{
    FBigFont->DrawText(100, 100, "All levels completed.");
    if (DrawContinuePrompt(100, 500, gsGameOver, elapsed)) SetGameState(gsGameOver);
}

bool TfrmMain::DrawContinuePrompt(int x, int y, TGameState target, int elapsed)
{
    if (FBlinkTime > 0) FBlinkTime -= elapsed;
    // Hidden for 400 ms, shown for 600 ms of every second.
    if (FBlinkTime < 600) FFont1->DrawText(x, y, "Press button to continue");
    if (FBlinkTime <= 0) FBlinkTime = 1000;
    if (Clicked()) {
        SetGameState(target);
        return true;
    }
    return false;
}

void TfrmMain::SetGameState(TGameState state)
{
    if (state == FState) return;
    FState = state;
    switch (FState) {
    case gsMenu:
        FGUI->Cursor->SetX(30);
        FGUI->Cursor->SetY(30);
        FTotalScore = 0;
        FHighScoreSaved = false;
        StopAllSounds();
        PlaySound("levelmusicloop2");
        // A new game starts again from the file of level 1.
        if (FLevel) FLevel->Reset();
        FGUI->SetActiveScreen(FGUI->FindScreen("MainMenu"));
        break;
    case gsLevelIntro: {
        NextLevel();
        // These run on even when there was no next level to load.
        StopAllSounds();
        static const char* const music[] = {"levelmusicloop1", "levelmusicloop2", "levelmusicloop3",
                                            "levelmusicloop4", "levelmusicloop5"};
        if (FLevel && FMusicOn) PlaySound(music[((LevelNumber() % 5) + 5) % 5]);
        FFloor->FCursor->SetX(200);
        FFloor->FCursor->SetY(120);
        break;
    }
    case gsGameOver:
        // A save that failed in an earlier game is no news on this screen.
        FHighScoreError.clear();
        FGUI->SetActiveScreen(FGUI->FindScreen("GameOver"));
        FGUI->Cursor->SetX(30);
        FGUI->Cursor->SetY(30);
        break;
    case gsNone:
    case gsIntro:
    case gsPlaying:
    case gsAllLevelsDone: break;
    }
    // A touch screen has no S key and no keyboard until the name box asks for one.
    std::optional<platform::Rect> nameBox;
    if (FState == gsGameOver) {
        const TFXEditBox& box = PlayerNameBox();
        nameBox = platform::Rect{box.Left, box.Top, box.Left + box.Width, box.Top + box.Height};
    }
    platform::nameEntryShown(nameBox);
}

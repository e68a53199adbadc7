// The level flow around the factory floor: building the floor, moving from
// level file to level file, the level's title card, the play frame, the
// score bar, the key hints, hint messages and the flashing recipe hint.
#include <cmath>
#include <filesystem>

#include "app/format_score.h"
#include "app/main_form.h"
#include "platform/system/touch_play.h"
#include "platform/system/utf8_path.h"

void TfrmMain::CreateGameObjects()
{
    FFloor = std::make_unique<TGameFloor>(*FWorld, DInputController1, DDrawScreen1);
}

void TfrmMain::NextLevel()
{
    if (!FLevel) FLevel = std::make_unique<TBCLevel>(*FWorld, *FFloor->FMainLine, *FFloor->FPickLocations);
    ++FLevel->FLevelNumber;
    const std::string path = FAppPath + "Levels/Level" + std::to_string(FLevel->FLevelNumber) + ".lev";
    std::error_code error;
    // Loading replaces the number with the one the file stores, so the next
    // level is looked for after that one. A file that cannot be read leaves
    // the level unloaded: its card offers no way on but Escape.
    if (std::filesystem::exists(platform::utf8Path(path), error)) FLevel->LoadFromFile(path);
    else SetGameState(gsAllLevelsDone);
}

void TfrmMain::LevelIntroFrame(int elapsed)
{
    const std::string name(FLevel ? FLevel->FLevelName.View() : "");
    FBigFont->DrawText(100, 100, "Level " + std::to_string(LevelNumber()) + "   " + name);
    if (FLevel) FFont1->DrawText(100, 180, std::string(FLevel->FDescription.View()));
    if (FLevel && FLevel->FLoaded) DrawContinuePrompt(100, 500, gsPlaying, elapsed);
}

void TfrmMain::PlayFrame(int elapsed)
{
    if (!FLevel) return;
    TGameFloor& floor = *FFloor;
    const bool running = !FPaused && !FHelpShown;
    if (running) {
        floor.FCursor->Update(elapsed);
        floor.FWorker->Update(elapsed);
        floor.FChief->Update(elapsed);
        floor.FDoor->Update(elapsed);
        if (!FLevel->FFinished) {
            floor.FMainLine->Update(elapsed);
            floor.FSecondLine->Update(elapsed);
            floor.FSpeedBox->Update(elapsed);
            floor.FPickLocations->Update(elapsed);
            floor.FLight->Update(elapsed);
            floor.FDropper->Update(elapsed);
        }
        if (FLevel->IsLevelDone() && !FLevel->FFinished) {
            FLevel->SetFinished(true);
            floor.FChief->SetState(TChiefSprite::csWalkingIn);
            floor.FWorker->SetCommand(TAssemblyWorker::wcEndOfShift);
        }
    }
    // The frozen scene stays in view while paused or reading the help.
    DSpriteEngine2D1.Draw();
    if (running) {
        DrawProductHint(elapsed);
        DrawHintMessage(elapsed);
        floor.FCursor->Draw();
    }
    DrawHUD();
    DrawKeyHints();
}

void TfrmMain::DrawHUD()
{
    FBigFont->DrawText(15, -1, "Level: " + std::to_string(LevelNumber()));
    FBigFont->DrawText(220, -1, "Total: " + FormatScore(FTotalScore));
    FBigFont->DrawText(520, -1, "Score: " + FormatScore(FLevelScore));
    if (FPaused)
        FFont1->DrawText(360, 140, platform::playedByTouch() ? "Pause (tap Pause to go back)" : "Pause (Press <F2> to go back)");
    else if (FHelpShown) DrawImage(HelpPicture(), 140, 2);
}

void TfrmMain::DrawKeyHints()
{
    // On a touch screen the page's own keys stand beside the picture.
    if (platform::playedByTouch()) return;
    FFont2->DrawText(500, 575, "<F1> Help");
    FFont2->DrawText(640, 575, "<F2> Pause");
}

void TfrmMain::DrawHintMessage(int elapsed)
{
    // The message waits while the chief rates the shift.
    if (FLevel->FFinished) return;
    if (FHintMessageTime > 0 && !FHintMessage1.empty()) {
        FFont1->DrawText(340, 100, FHintMessage1);
        if (!FHintMessage2.empty()) FFont1->DrawText(340, 130, FHintMessage2);
    }
    if (FHintMessageTime > 0) {
        FHintMessageTime -= elapsed;
        if (FHintMessageTime <= 0) ClearHintMessage();
    }
}

void TfrmMain::DrawProductHint(int elapsed)
{
    if (FLevel->FFinished) return;
    if (FHintCycleTime > 0) FHintCycleTime -= elapsed;
    if (FHintCycleTime <= 0) {
        FHintCycleTime = 6000;
        FHintShowTime = 2000;
    }
    // Four flashes of 250 ms in every two-second show.
    const int32_t r = FHintShowTime % 1000;
    const bool flashOn = FHintShowTime > 0 && ((r > 0 && r <= 250) || (r > 500 && r <= 750));
    if (flashOn) {
        if (const TBaseAssemblyObject* product = FFloor->FMainLine->FirstOpenProduct()) {
            const int32_t productX = static_cast<int32_t>(std::trunc(product->WorldX()));
            int32_t x = productX;
            product->Image->Draw(DDrawScreen1.BackBuffer(), x, 200, product->FStageCount - 1);
            if (!product->FToolName.empty()) {
                TImageCollectionItem& tool = DImageList1.Items().Find(product->FToolName);
                x += 2 * tool.PatternWidth();
                tool.Draw(DDrawScreen1.BackBuffer(), x, 170, 2);
            }
            for (const std::string& name : product->FHintImages) {
                TImageCollectionItem& part = DImageList1.Items().Find(name);
                x += part.PatternWidth();
                part.Draw(DDrawScreen1.BackBuffer(), x, 200, 0);
            }
            DrawImage("hintproduct", productX, 260, 2);
        }
    }
    if (FHintShowTime > 0) {
        FHintShowTime -= elapsed;
        if (FHintShowTime <= 0) FHintShowTime = 0;
    }
}

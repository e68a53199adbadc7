#include "gameplay/chief.h"

#include <cmath>

#include "gameplay/assembly_lines.h"
#include "gameplay/bc_level.h"
#include "gameplay/factory_props.h"
#include "gameplay/floor_images.h"
#include "gameplay/game_floor.h"
#include "gameplay/game_host.h"
#include "gui/fx_bitmap_font.h"

namespace {

constexpr int32_t kRateMs = 3000;
constexpr int32_t kLastRatedLevel = 25;

}  // namespace

TChiefSprite::TChiefSprite(TWorldSpritesWorld& World) : TBaseWorldSprite(World)
{
    SetSpriteImage(*this, "chief");
    SetWorldX(50);
    SetWorldY(160);
    TSpriteAnimations& animations = Animations();
    animations.PatternCount = 7;
    TSpriteAnimation& walk = *animations.Items(animations.Add("Walk", 4, true, 150));
    for (int32_t i = 0; i < 4; ++i) walk.SetFrame(i, i + 1);
    animations.SetCurrent(0);
    animations.Enabled = false;
    Visible = true;
}

void TChiefSprite::Reset()
{
    SetState(csAway);
    SetWorldX(100);
    VelocityX = 0;
    SetVelocityY(0);
    SetPatternIndex(0);
    Visible = false;
}

void TChiefSprite::SetState(uint8_t State)
{
    if (State == FState) return;
    FState = State;
    if (State == csAway) {
        VelocityX = 0;
        SetVelocityY(0);
        Animations().Enabled = false;
    } else if (State <= csRating) {
        Visible = true;
    }
}

void TChiefSprite::Update(int32_t Elapsed)
{
    switch (FState) {
    case csWaiting:
        SetWorldX(50);
        SetWorldY(80);
        SetPatternIndex(6);
        break;
    case csWalkingIn: WalkIn(Elapsed); break;
    case csRating: Rate(Elapsed); break;
    default: break;
    }
    SetZ(750);
    if (TGameFloor* floor = frmMain->Floor()) floor->FBalloon->Visible = FState == csRating;
    TBaseWorldSprite::Update(Elapsed);
}

void TChiefSprite::WalkIn(int32_t Elapsed)
{
    TGameFloor& floor = *frmMain->Floor();
    // The door opens for him.
    if (floor.FDoor->PatternIndex() == 0) floor.FDoor->SetPatternIndex(1);
    Animations().Enabled = true;
    VelocityX = 100;
    SetVelocityY(100);
    if (WorldY() >= 150) {
        SetWorldY(150);
        VelocityX = 200;
        if (WorldX() >= 400) {
            floor.FMainLine->Stop();
            FRateTimer = kRateMs;
            SetState(csRating);
        } else {
            MoveX(Elapsed);
        }
    }
    if (WorldY() < 150) MoveY(Elapsed);
}

void TChiefSprite::Rate(int32_t Elapsed)
{
    TGameFloor& floor = *frmMain->Floor();
    floor.FMainLine->SetSpeed(0);
    Animations().Enabled = false;
    SetWorldX(400);

    const TBCLevel* level = frmMain->Level();
    const int32_t score = frmMain->FLevelScore;
    if (level && score < level->FFiredBelow) {
        FRating = crFired;
        SetPatternIndex(8);
        frmMain->ShowChiefMessage("What the hell are you ", "doing? You are fired!");
    } else if (level && score < level->FVeryGoodFrom) {
        FRating = crDidTheJob;
        SetPatternIndex(5);
        frmMain->ShowChiefMessage("You did your job John.", "But you can do better.");
    } else {
        FRating = crVeryGood;
        SetPatternIndex(7);
        frmMain->ShowChiefMessage("Very good job John!", "Please continue this way.");
    }
    floor.FBalloon->Visible = true;

    if (FRateTimer > 0) FRateTimer -= Elapsed;
    if (FRateTimer > 0) return;
    const int32_t levelNumber = level ? level->FLevelNumber : 0;
    if (levelNumber > kLastRatedLevel) frmMain->SetGameState(gsAllLevelsDone);
    else if (FRating == crFired) frmMain->SetGameState(gsGameOver);
    else frmMain->SetGameState(gsLevelIntro);
}

void TTextBalloonSprite::Draw()
{
    TBackgroundWorldSprite::Draw();
    TFXBitmapFont* font = frmMain->BalloonFont();
    if (!font) return;
    for (std::size_t i = 0; i < FLines.size(); ++i) {
        FTextX = static_cast<int32_t>(std::trunc(WorldX())) + 20;
        FTextY = static_cast<int32_t>(std::trunc(WorldY())) + 15 * static_cast<int32_t>(i) + 15;
        font->DrawText(FTextX, FTextY, FLines[i]);
    }
}

#include "gameplay/factory_props.h"

#include "gameplay/assembly_lines.h"
#include "gameplay/assembly_worker.h"
#include "gameplay/bc_level.h"
#include "gameplay/floor_images.h"
#include "gameplay/game_floor.h"
#include "gameplay/game_host.h"

namespace {

constexpr int32_t kSpeedEffectMs = 5000;
constexpr int32_t kChanceEveryMs = 5000;
// Where the ball's fall ends and a miss is counted.
constexpr double kFloorY = 350;

void SetCollisionRect(TCustomGameSprite& sprite, int left, int top, int right, int bottom)
{
    sprite.CollisionMode = TCustomGameSprite::cmCollisionRects;
    sprite.CollisionRect = {left, top, right, bottom};
}

}  // namespace

TLightForegroundSprite::TLightForegroundSprite(TWorldSpritesWorld& World) : TBackgroundWorldSprite(World) {}

void TLightForegroundSprite::Signal(uint8_t Value)
{
    if (Value == FSignal) return;
    FSignal = Value;
    FTimer = 1000;
    if (Value == sgApprove) {
        SetPatternIndex(1);
        frmMain->PlaySound("approve");
    } else if (Value == sgReject) {
        SetPatternIndex(2);
        frmMain->PlaySound("reject");
    } else {
        SetPatternIndex(0);
    }
}

void TLightForegroundSprite::Update(int32_t Elapsed)
{
    TBackgroundWorldSprite::Update(Elapsed);
    if (FTimer > 0) {
        FTimer -= Elapsed;
        if (FTimer < 0) FTimer = 0;
    } else if (FTimer == 0) {
        SetPatternIndex(0);
        FSignal = sgOff;
    }
}

TDoorSprite::TDoorSprite(TWorldSpritesWorld& World) : TBaseWorldSprite(World) {}

TDropBallSprite::TDropBallSprite(TWorldSpritesWorld& World) : TBaseWorldSprite(World)
{
    TSpriteAnimations& animations = Animations();
    animations.PatternCount = 4;
    animations.Items(animations.Add("Normal", 1, false, 150))->SetFrame(0, 2);
    TSpriteAnimation& hit = *animations.Items(animations.Add("Hit", 2, false, 150));
    hit.SetFrame(0, 2);
    hit.SetFrame(1, 3);
    animations.Enabled = true;
    animations.SetCurrent(0);
    SetCollisionRect(*this, 2, 2, 38, 38);
}

TDropperSprite::TDropperSprite(TWorldSpritesWorld& World, TDropBallSprite& Ball) : TBaseWorldSprite(World), FBall(&Ball)
{
    SetCollisionRect(Ball, 2, 2, 38, 38);
    FHomeX = 800;
    Ball.SetWorldX(800);
    SetWorldX(800);
    SetWorldY(30);
    VelocityX = -150;
    FDropTimer = 0;
    FState = dsParked;
    FSpeedTimer = 0;
}

void TDropperSprite::Reset()
{
    SetWorldX(700);
    SetWorldY(100);
    FBall->FHit = false;
}

void TDropperSprite::Update(int32_t Elapsed)
{
    TBCLevel* level = frmMain->Level();
    if (level && level->FFinished) return;
    switch (FState) {
    case dsParked: UpdateParked(Elapsed); break;
    case dsCarrying: UpdateCarrying(Elapsed); break;
    case dsDropping: UpdateDropping(Elapsed); break;
    default: break;
    }
    SetWorldY(30);
    TBaseWorldSprite::Update(Elapsed);

    TMainAssemblyLine& line = *frmMain->Floor()->FMainLine;
    UpdateBall(Elapsed, line);

    if (FSpeedTimer > 0) {
        FSpeedTimer -= Elapsed;
        if (FSpeedTimer < 0) FSpeedTimer = 0;
    }
    if (FSpeedTimer == 0) line.SetSpeed(level ? level->FLineSpeed : 0);
}

void TDropperSprite::UpdateParked(int32_t Elapsed)
{
    if (FHomeX > WorldX()) {
        VelocityX = 200;
        MoveX(Elapsed);
        return;
    }
    SetWorldX(FHomeX);
    VelocityX = 0;
    if (FChanceTimer > 0) FChanceTimer -= Elapsed;
    if (FChanceTimer <= 0) {
        // Nine chances in thirty.
        if (frmMain->Random().Next(30) > 20) FState = dsCarrying;
        FChanceTimer = kChanceEveryMs;
    }
}

void TDropperSprite::UpdateCarrying(int32_t Elapsed)
{
    FBall->Animations().SetCurrent(0);
    if (WorldX() > 300) {
        VelocityX = -150;
        MoveX(Elapsed);
    } else {
        FDropTimer = 1000;
        FState = dsDropping;
    }
    FBall->VelocityX = 0;
    FBall->SetVelocityY(0);
    FBall->SetWorldX(WorldX() + 15);
    FBall->SetWorldY(WorldY() + 55);
    FBall->FHit = false;
}

void TDropperSprite::UpdateDropping(int32_t Elapsed)
{
    if (FDropTimer > 0) {
        FDropTimer -= Elapsed;
        SetPatternIndex(1);
        FBall->VelocityX = 0;
        FBall->SetVelocityY(300);
    }
    if (FDropTimer <= 0) {
        FDropTimer = 0;
        FState = dsParked;
    }
}

void TDropperSprite::UpdateBall(int32_t Elapsed, TMainAssemblyLine& line)
{
    TDropBallSprite& ball = *FBall;
    ball.SetZ(FState == dsDropping ? 9000 : 32);
    ball.MoveX(Elapsed);
    ball.MoveY(Elapsed);
    if (ball.WorldY() > 600) ball.SetVelocityY(0);
    ball.Update(Elapsed);

    const TAssemblyWorker* worker = frmMain->Floor()->FWorker.get();
    if (!ball.FHit && worker && ball.CollidesWith(worker->FBody.get())) {
        if (line.FSpeed > 1) {
            line.SetSpeed(1);
            FSpeedTimer = kSpeedEffectMs;
        }
        ball.FHit = true;
        ball.Animations().SetCurrent(1);
        frmMain->PlaySound("putback");
    } else if (!ball.FHit && ball.WorldY() > kFloorY) {
        if (line.FSpeed < 3) {
            line.SetSpeed(3);
            FSpeedTimer = kSpeedEffectMs;
        }
    }
    if (ball.WorldY() > 280) ball.Animations().SetCurrent(1);
    if (ball.WorldY() > kFloorY) {
        ball.SetWorldX(FHomeX);
        ball.SetWorldY(WorldY());
        if (ball.VelocityY() > 0 && !ball.FHit) frmMain->PlaySound("putback");
        ball.FHit = true;
        ball.VelocityX = 0;
        ball.SetVelocityY(0);
    }
}

#include "engine/sprites/world_sprites.h"

#include <algorithm>
#include <limits>

TWorldSpritesWorld::TWorldSpritesWorld(TDSpriteEngine2D* AEngine, int32_t AWorldWidth, int32_t AWorldHeight,
                                       int32_t AViewWidth, int32_t AViewHeight)
    : FEngine(AEngine),
      FCamera(std::make_unique<TWorldSpritesCamera>(this)),
      FGrid(std::make_unique<TSpriteWorldGrid>()),
      FViewWidth(AViewWidth),
      FViewHeight(AViewHeight),
      FWorldWidth(AWorldWidth),
      FWorldHeight(AWorldHeight) {}

TBaseWorldSprite::TBaseWorldSprite(TWorldSpritesWorld& AWorld)
    : TCustomGameSprite(AWorld.Engine()), FWorld(AWorld) {}

void TBaseWorldSprite::Update(int32_t Elapsed) {
    TCustomGameSprite::Update(Elapsed);
    X = FWorldX - FWorld.Camera().X;
    Y = FWorldY - FWorld.Camera().Y;
    if (Countdown > 0) {
        // Widened so a huge negative elapsed time cannot overflow the counter.
        const int64_t left = int64_t{Countdown} - Elapsed;
        Countdown = left <= 0 ? 0 : static_cast<int32_t>(std::min<int64_t>(left, std::numeric_limits<int32_t>::max()));
    }
}

void TBaseWorldSprite::SetWorldX(double Value) {
    FOldWorldX = FWorldX;
    FWorldX = Value;
}

void TBaseWorldSprite::SetWorldY(double Value) {
    FOldWorldY = FWorldY;
    FWorldY = Value;
}

void TBaseWorldSprite::MoveX(int32_t Elapsed) { SetWorldX(FWorldX + Elapsed / 1000.0 * VelocityX); }

void TBaseWorldSprite::MoveY(int32_t Elapsed) { SetWorldY(FWorldY + Elapsed / 1000.0 * FVelocityY); }

bool TBaseWorldSprite::IsOnScreenX() const { return -Width() < X && X < FWorld.ViewWidth(); }

TBackgroundWorldSprite::TBackgroundWorldSprite(TWorldSpritesWorld& AWorld) : TBaseWorldSprite(AWorld) {
    SetZ(-1);
}

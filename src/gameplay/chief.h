#pragma once
// The chief: when the shift is over he comes in through the door, walks to
// the middle of the floor, stops the line and rates the shift in his
// balloon; three seconds later the game moves on.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/sprites/world_sprites.h"

class TChiefSprite : public TBaseWorldSprite {
public:
    enum TChiefState : uint8_t { csAway = 0, csWaiting = 1, csWalkingIn = 2, csRating = 3 };
    enum TRating : int32_t { crDidTheJob = 0, crFired = 1, crVeryGood = 2 };

    explicit TChiefSprite(TWorldSpritesWorld& World);

    // Away and hidden, back at x = 100.
    void Reset();
    void SetState(uint8_t State);
    void Update(int32_t Elapsed) override;

    uint8_t FState = csWaiting;
    int32_t FRateTimer = 0;
    int32_t FRating = crDidTheJob;

private:
    void WalkIn(int32_t Elapsed);
    void Rate(int32_t Elapsed);
};

// The chief's words, drawn over the balloon's picture.
class TTextBalloonSprite : public TBackgroundWorldSprite {
public:
    explicit TTextBalloonSprite(TWorldSpritesWorld& World) : TBackgroundWorldSprite(World) {}

    void Draw() override;

    std::vector<std::string> FLines;
    int32_t FTextX = 0;
    int32_t FTextY = 0;
};

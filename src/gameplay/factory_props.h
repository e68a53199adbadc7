#pragma once
// The floor's feedback and its one hazard: the signal light that judges
// each product, the door the chief comes in by, and the dropper that now
// and then carries a ball across and drops it. A ball on the worker slows
// the line for a while; a miss speeds it up.
#include <cstdint>

#include "engine/sprites/world_sprites.h"

class TMainAssemblyLine;

class TLightForegroundSprite : public TBackgroundWorldSprite {
public:
    enum : uint8_t { sgApprove = 0, sgReject = 1, sgOff = 2 };

    explicit TLightForegroundSprite(TWorldSpritesWorld& World);

    // Lights the signal for 1000 ms with its sound; the same signal again
    // while it shows changes nothing.
    void Signal(uint8_t Value);
    void Update(int32_t Elapsed) override;

    int32_t FTimer = 0;
    uint8_t FSignal = sgOff;
};

class TDoorSprite : public TBaseWorldSprite {
public:
    explicit TDoorSprite(TWorldSpritesWorld& World);
    // Closed.
    void Reset() { SetPatternIndex(0); }
};

class TDropBallSprite : public TBaseWorldSprite {
public:
    explicit TDropBallSprite(TWorldSpritesWorld& World);

    // Hit the worker or finished its fall during this drop.
    bool FHit = false;
};

class TDropperSprite : public TBaseWorldSprite {
public:
    enum : uint8_t { dsParked = 0, dsCarrying = 1, dsDropping = 2 };

    TDropperSprite(TWorldSpritesWorld& World, TDropBallSprite& Ball);

    void Reset();
    void Update(int32_t Elapsed) override;

    TDropBallSprite* FBall;  // not owned
    uint8_t FState = dsParked;
    int32_t FHomeX = 800;
    int32_t FDropTimer = 0;
    int32_t FChanceTimer = 0;
    int32_t FSpeedTimer = 0;

private:
    void UpdateParked(int32_t Elapsed);
    void UpdateCarrying(int32_t Elapsed);
    void UpdateDropping(int32_t Elapsed);
    void UpdateBall(int32_t Elapsed, TMainAssemblyLine& line);
};

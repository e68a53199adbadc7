#pragma once
// The player's figure. A click with the game cursor gives him a target and a
// command; he walks there on his own, picks a part or the tool from a pile,
// fits it or uses it on the product in front of him, or puts it back. At the
// end of a shift he walks to the middle and faces the chief.
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/sprites/world_sprites.h"
#include "gameplay/assembly_objects.h"

class TBasePickLocation;
class TPickLocations;
class TMainAssemblyLine;

// The figure's three pictures are sprites of their own classes, so that
// each can be told apart (the dropper's ball aims at the body).
class TAssemblyWorkerBodySprite : public TBaseWorldSprite {
public:
    using TBaseWorldSprite::TBaseWorldSprite;
};
class TAssemblyWorkerArmsSprite : public TBaseWorldSprite {
public:
    using TBaseWorldSprite::TBaseWorldSprite;
};
class TAssemblyWorkerHeadSprite : public TBaseWorldSprite {
public:
    using TBaseWorldSprite::TBaseWorldSprite;
};

class TAssemblyWorker {
public:
    enum TCommand : uint8_t { wcNone = 0, wcPick = 1, wcFit = 2, wcPutBack = 3, wcEndOfShift = 4 };
    enum TWorkerState : uint8_t {
        wsIdle = 0,
        wsWalking = 1,
        wsAtPile = 2,
        wsPausing = 3,
        wsShiftOver = 4,
        wsAtProduct = 5,
        wsPuttingBack = 6,
    };
    enum TFacing : uint8_t { wfFront = 0, wfBack = 1 };

    // Pixels per second, both ways.
    static constexpr double WalkSpeed = 150.0;
    static constexpr double MinX = 220.0;
    static constexpr double MaxX = 750.0;

    TAssemblyWorker(TWorldSpritesWorld& World, TPickLocations& PickLocations, TMainAssemblyLine& Line);
    ~TAssemblyWorker();
    TAssemblyWorker(const TAssemblyWorker&) = delete;
    TAssemblyWorker& operator=(const TAssemblyWorker&) = delete;

    // Empty-handed and idle at x = 600.
    void Reset();
    // A repeated command only keeps its new target.
    void SetCommand(uint8_t Command);
    void SetFacing(uint8_t Facing);
    bool HasParts() const { return !FParts.empty(); }
    bool HasTool() const { return FTool != nullptr; }
    TBasePickLocation* PileInReach() const;
    TBaseAssemblyObject* ProductInReach() const;

    void Update(int32_t Elapsed);

    uint8_t FCommand = wcNone;
    uint8_t FState = wsIdle;
    uint8_t FFacing = wfFront;
    bool FMovingRight = false;
    double FX = 370;
    double FY = 190;
    TWorldSpritesWorld& FWorld;
    std::unique_ptr<TAssemblyWorkerBodySprite> FBody;
    std::unique_ptr<TAssemblyWorkerArmsSprite> FArms;
    std::unique_ptr<TAssemblyWorkerHeadSprite> FHead;
    // First picked first; the last is the top part.
    std::vector<std::unique_ptr<TAssemblyObjectPartSprite>> FParts;
    std::unique_ptr<TAssemblyObjectToolSprite> FTool;
    TPickLocations& FPickLocations;
    TMainAssemblyLine& FLine;
    int32_t FPauseTimer = 0;
    int32_t FBlinkTimer = 0;
    int32_t FHeadTimer = 0;
    TBasePickLocation* FTargetPile = nullptr;       // not owned
    TBaseAssemblyObject* FTargetProduct = nullptr;  // not owned

private:
    void UpdateFrames();
    void UpdateTask(int32_t Elapsed);
    void PlaceFigure(int32_t Elapsed);
    void PlaceCarried(int32_t Elapsed);
    void UpdateZOrder();

    // One step towards the middle (x) of something `width` wide at `left`;
    // true on arrival, with the body's middle snapped onto it.
    bool WalkTowards(double left, int32_t width, int32_t Elapsed);
    void WalkToPile(int32_t Elapsed);
    void WalkToProduct(int32_t Elapsed);
    void WalkOffShift(int32_t Elapsed);
    void Pick();
    void UseCarried();
    void TryUseCarried(TBaseAssemblyObject& Product);
    void PutBack();
};

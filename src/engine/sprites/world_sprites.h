#pragma once
// The world layer: gameplay places sprites in world coordinates and moves
// them with velocities in units per second; each sprite's Update turns its
// world position into a screen position by subtracting the camera's.
#include <cstdint>
#include <memory>

#include "engine/sprites/game_sprite.h"
#include "engine/sprites/world_grid.h"

class TDSpriteEngine2D;
class TWorldSpritesWorld;

class TWorldSpritesCamera {
public:
    explicit TWorldSpritesCamera(TWorldSpritesWorld* AWorld) : FWorld(AWorld) {}

    TWorldSpritesWorld* World() const { return FWorld; }

    // The world position shown at the screen's top-left.
    double X = 0.0;
    double Y = 0.0;

private:
    TWorldSpritesWorld* FWorld;
};

class TWorldSpritesWorld {
public:
    // The game makes one: (its sprite engine, 800, 600, 800, 600).
    TWorldSpritesWorld(TDSpriteEngine2D* AEngine, int32_t AWorldWidth, int32_t AWorldHeight, int32_t AViewWidth,
                       int32_t AViewHeight);
    TWorldSpritesWorld(const TWorldSpritesWorld&) = delete;
    TWorldSpritesWorld& operator=(const TWorldSpritesWorld&) = delete;

    // Every world sprite joins this engine; not owned.
    TDSpriteEngine2D* Engine() const { return FEngine; }
    TWorldSpritesCamera& Camera() { return *FCamera; }
    const TWorldSpritesCamera& Camera() const { return *FCamera; }
    TSpriteWorldGrid& Grid() { return *FGrid; }
    const TSpriteWorldGrid& Grid() const { return *FGrid; }

    int32_t ViewWidth() const { return FViewWidth; }
    int32_t ViewHeight() const { return FViewHeight; }
    int32_t WorldWidth() const { return FWorldWidth; }
    int32_t WorldHeight() const { return FWorldHeight; }

private:
    TDSpriteEngine2D* FEngine;
    std::unique_ptr<TWorldSpritesCamera> FCamera;
    std::unique_ptr<TSpriteWorldGrid> FGrid;
    int32_t FViewWidth;
    int32_t FViewHeight;
    int32_t FWorldWidth;
    int32_t FWorldHeight;
};

class TBaseWorldSprite : public TCustomGameSprite {
public:
    // Joins the world's engine at Z 0, at the world origin, standing still.
    explicit TBaseWorldSprite(TWorldSpritesWorld& AWorld);

    // Animates, places on screen from the camera, counts the countdown down.
    void Update(int32_t Elapsed) override;

    // The middle of the pattern's width and its bottom, from the top-left.
    virtual int32_t AnchorX() const { return Width() / 2; }
    virtual int32_t AnchorY() const { return Height(); }
    // Integrate the velocities over `Elapsed` milliseconds.
    virtual void MoveX(int32_t Elapsed);
    virtual void MoveY(int32_t Elapsed);

    TWorldSpritesWorld& World() const { return FWorld; }

    double WorldX() const { return FWorldX; }
    double WorldY() const { return FWorldY; }
    double OldWorldX() const { return FOldWorldX; }
    double OldWorldY() const { return FOldWorldY; }
    // Remember the old position; the screen follows at the next Update.
    void SetWorldX(double Value);
    void SetWorldY(double Value);

    double VelocityY() const { return FVelocityY; }
    void SetVelocityY(double Value) { FVelocityY = Value; }

    // True while some column of the pattern lies inside the view.
    bool IsOnScreenX() const;

    // World units per second.
    double VelocityX = 0.0;
    // Milliseconds, counted down to 0 by Update.
    int32_t Countdown = 0;

private:
    TWorldSpritesWorld& FWorld;
    double FWorldX = 0.0;
    double FWorldY = 0.0;
    double FVelocityY = 0.0;
    double FOldWorldX = 0.0;
    double FOldWorldY = 0.0;
};

// A world sprite that starts behind every sprite of Z 0 or more.
class TBackgroundWorldSprite : public TBaseWorldSprite {
public:
    explicit TBackgroundWorldSprite(TWorldSpritesWorld& AWorld);
};

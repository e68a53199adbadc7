#pragma once
// The root of every sprite: a screen position, a draw order and the image
// whose patterns it shows. A sprite joins its engine when it is built and
// leaves it when it is destroyed; the engine itself never owns it.
#include <cstdint>

#include "platform/backends/window.h"

class TDSpriteEngine2D;
class TImageCollectionItem;

class TDSprite2D {
public:
    explicit TDSprite2D(TDSpriteEngine2D* AEngine);
    virtual ~TDSprite2D();
    // The engine keeps the sprite's address, so a sprite never moves.
    TDSprite2D(const TDSprite2D&) = delete;
    TDSprite2D& operator=(const TDSprite2D&) = delete;

    // Paints the sprite on the engine's surface; the root paints nothing.
    virtual void Draw() {}
    // Advances the sprite by `Elapsed` milliseconds; the root stands still.
    virtual void Update(int32_t Elapsed) { (void)Elapsed; }

    TDSpriteEngine2D* Engine() const { return FEngine; }

    int32_t Z() const { return FZ; }
    // Keeps the engine's draw list in order at once when AutoSort is on.
    void SetZ(int32_t Value);

    // The pattern size of the image; a sprite without an image has no size.
    int32_t Width() const;
    int32_t Height() const;
    // Truncated toward zero, right and bottom exclusive.
    platform::Rect BoundsRect() const;

    // The engine's per-sprite step: skips hidden and off-screen sprites.
    void Render();

    TImageCollectionItem* Image = nullptr;  // not owned
    double X = 0.0;
    double Y = 0.0;
    bool Visible = true;
    bool AutoSort = true;

private:
    // An engine that goes before its sprites tells them to forget it.
    friend class TDSpriteEngine2D;
    TDSpriteEngine2D* FEngine;
    int32_t FZ = 0;
};

// True when the two rectangles share at least one pixel.
bool RectsIntersect(const platform::Rect& a, const platform::Rect& b);

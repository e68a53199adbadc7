#pragma once
// The sprite the game actually draws: one pattern of its image, chosen from a
// fixed index or from the current named animation, plus a collision test
// against another game sprite.
#include <cstdint>
#include <memory>

#include "engine/sprites/sprite2d.h"
#include "engine/sprites/sprite_animation.h"

class TCustomGameSprite : public TDSprite2D {
public:
    // How CollidesWith compares; any other value counts as by rectangles.
    enum : uint8_t { cmImageRects = 0, cmImagePixels = 1, cmCollisionRects = 2 };

    explicit TCustomGameSprite(TDSpriteEngine2D* AEngine);

    // Paints the current pattern at the truncated position.
    void Draw() override;
    // Advances the current animation.
    void Update(int32_t Elapsed) override;

    TSpriteAnimations& Animations() { return *FAnimations; }
    const TSpriteAnimations& Animations() const { return *FAnimations; }

    int32_t PatternIndex() const { return FPatternIndex; }
    // Values outside the image's patterns fall back to 0, which lets a
    // caller step through the patterns and wrap by simply adding one.
    void SetPatternIndex(int32_t Value);
    // From the current animation while animations are enabled, else
    // PatternIndex.
    int32_t CurrentPattern() const;

    void Animate(int32_t Elapsed) { FAnimations->Animate(Elapsed); }

    // Hidden sprites and sprites wholly off screen never collide. Only this
    // sprite's CollisionMode decides how.
    bool CollidesWith(const TCustomGameSprite* Other) const;

    uint8_t CollisionMode = cmImageRects;
    // Relative to the truncated top-left; all zero means none. It must lie
    // strictly inside the pattern (right and bottom below its size).
    platform::Rect CollisionRect{};

private:
    bool CollisionRectsOverlap(const TCustomGameSprite& Other) const;
    bool HasUsablePattern() const;

    std::unique_ptr<TSpriteAnimations> FAnimations = std::make_unique<TSpriteAnimations>();
    int32_t FPatternIndex = 0;
};

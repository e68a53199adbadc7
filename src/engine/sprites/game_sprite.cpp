#include "engine/sprites/game_sprite.h"

#include "engine/sprites/sprite_math.h"

namespace {

bool IsZero(const platform::Rect& r) { return r.left == 0 && r.top == 0 && r.right == 0 && r.bottom == 0; }

bool PointInside(const platform::Rect& r, int32_t x, int32_t y) {
    return r.left <= x && x < r.right && r.top <= y && y < r.bottom;
}

}  // namespace

TCustomGameSprite::TCustomGameSprite(TDSpriteEngine2D* AEngine) : TDSprite2D(AEngine) {}

void TCustomGameSprite::Update(int32_t Elapsed) {
    TDSprite2D::Update(Elapsed);
    Animate(Elapsed);
}

int32_t TCustomGameSprite::CurrentPattern() const {
    return FAnimations->Enabled ? FAnimations->CurrentPattern() : FPatternIndex;
}

bool TCustomGameSprite::CollisionRectsOverlap(const TCustomGameSprite& Other) const {
    if (IsZero(CollisionRect) || IsZero(Other.CollisionRect)) return false;
    // Both corners must lie inside the sprite's own bounds, so a rectangle
    // reaching the pattern's right or bottom edge disqualifies the sprite.
    auto absolute = [](const TCustomGameSprite& s, platform::Rect& out) {
        const platform::Rect bounds = s.BoundsRect();
        out = {SaturatingAdd(bounds.left, s.CollisionRect.left), SaturatingAdd(bounds.top, s.CollisionRect.top),
               SaturatingAdd(bounds.left, s.CollisionRect.right),
               SaturatingAdd(bounds.top, s.CollisionRect.bottom)};
        return PointInside(bounds, out.left, out.top) && PointInside(bounds, out.right, out.bottom);
    };
    platform::Rect mine, theirs;
    if (!absolute(*this, mine) || !absolute(Other, theirs)) return false;
    return RectsIntersect(mine, theirs);
}

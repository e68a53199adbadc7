#include "engine/sprites/sprite2d.h"

#include "engine/sprites/sprite_engine.h"
#include "engine/sprites/sprite_math.h"

TDSprite2D::TDSprite2D(TDSpriteEngine2D* AEngine) : FEngine(AEngine) {
    if (FEngine) FEngine->AddSprite(this);
}

TDSprite2D::~TDSprite2D() {
    if (FEngine) FEngine->RemoveSprite(this);
}

void TDSprite2D::SetZ(int32_t Value) {
    if (Value == FZ) return;
    FZ = Value;
    if (FEngine && AutoSort) FEngine->SortSprites();
}

platform::Rect TDSprite2D::BoundsRect() const {
    const int32_t left = TruncToPixel(X);
    const int32_t top = TruncToPixel(Y);
    return {left, top, SaturatingAdd(left, Width()), SaturatingAdd(top, Height())};
}

void TDSprite2D::Render() {
    if (!FEngine || !Visible) return;
    if (!FEngine->Surface()) return;
    // A cull only: a sprite partly on screen is drawn whole and clipped by
    // the surface; a sprite of no size never intersects anything.
    if (!RectsIntersect(BoundsRect(), FEngine->ScreenRect())) return;
    Draw();
}

bool RectsIntersect(const platform::Rect& a, const platform::Rect& b) {
    return a.left < a.right && a.top < a.bottom && b.left < b.right && b.top < b.bottom &&
           a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

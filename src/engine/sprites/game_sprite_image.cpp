// A game sprite's drawing and collision tests, through its image.
#include "engine/display/image_list.h"
#include "engine/sprites/game_sprite.h"
#include "engine/sprites/sprite_engine.h"
#include "engine/sprites/sprite_math.h"

void TCustomGameSprite::Draw() {
    if (!Image || !Engine()) return;
    if (TDDrawSurface* surface = Engine()->Surface())
        Image->Draw(surface, TruncToPixel(X), TruncToPixel(Y), CurrentPattern());
}

void TCustomGameSprite::SetPatternIndex(int32_t Value) {
    if (Value < 0 || (Image && Value >= Image->PatternCount())) Value = 0;
    FPatternIndex = Value;
}

bool TCustomGameSprite::HasUsablePattern() const {
    if (!Image || Image->PatternCount() < 1) return false;
    const int32_t pattern = CurrentPattern();
    return pattern >= 0 && pattern < Image->PatternCount();
}

bool TCustomGameSprite::CollidesWith(const TCustomGameSprite* Other) const {
    if (!Engine() || !Engine()->Surface()) return false;
    const platform::Rect screen = Engine()->ScreenRect();
    if (!RectsIntersect(BoundsRect(), screen)) return false;
    if (!Other || Other == this) return false;
    if (!Visible || !Other->Visible) return false;
    if (!RectsIntersect(Other->BoundsRect(), screen)) return false;
    if (!HasUsablePattern() || !Other->HasUsablePattern()) return false;

    switch (CollisionMode) {
        case cmCollisionRects:
            return CollisionRectsOverlap(*Other);
        case cmImagePixels:
        default: {
            const bool pixels = CollisionMode == cmImagePixels;
            return Image->TestCollision(TruncToPixel(X), TruncToPixel(Y), CurrentPattern(), *Other->Image,
                                        TruncToPixel(Other->X), TruncToPixel(Other->Y), Other->CurrentPattern(),
                                        pixels);
        }
    }
}

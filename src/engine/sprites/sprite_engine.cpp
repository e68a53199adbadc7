#include "engine/sprites/sprite_engine.h"

#include <algorithm>

TDSpriteEngine2D::~TDSpriteEngine2D() {
    SetDrawScreen(nullptr);
    // Sprites should all be gone by now; any that are not must not reach
    // back into a dead engine from their own destructors.
    for (TDSprite2D* sprite : FSprites) sprite->FEngine = nullptr;
}

void TDSpriteEngine2D::AddSprite(TDSprite2D* Sprite) {
    if (!Sprite) return;
    FSprites.push_back(Sprite);
    FDrawList.push_back(Sprite);
    SortSprites();
}

void TDSpriteEngine2D::RemoveSprite(TDSprite2D* Sprite) {
    // Erasing keeps the order of the rest, so no sort is needed.
    if (auto it = std::find(FSprites.begin(), FSprites.end(), Sprite); it != FSprites.end())
        FSprites.erase(it);
    if (auto it = std::find(FDrawList.begin(), FDrawList.end(), Sprite); it != FDrawList.end())
        FDrawList.erase(it);
}

void TDSpriteEngine2D::SortSprites() {
    // The list is sorted before every single change, so an insertion sort
    // moves just the changed sprite: linear, stable and without allocating,
    // which a general sort would not promise.
    for (size_t i = 1; i < FDrawList.size(); ++i) {
        TDSprite2D* sprite = FDrawList[i];
        const int32_t z = sprite->Z();
        size_t j = i;
        while (j > 0 && FDrawList[j - 1]->Z() > z) {
            FDrawList[j] = FDrawList[j - 1];
            --j;
        }
        FDrawList[j] = sprite;
    }
}

void TDSpriteEngine2D::Draw() {
    if (!Surface()) return;
    // The count is taken once, so a sprite added while drawing waits for the
    // next frame; the size is checked again because one removed while
    // drawing must not send us past the end.
    const size_t count = FDrawList.size();
    for (size_t i = 0; i < count && i < FDrawList.size(); ++i) FDrawList[i]->Render();
}

// The engine's binding to the display screen and its back buffer.
#include <algorithm>

#include "engine/display/ddraw_screen.h"
#include "engine/sprites/sprite_engine.h"

void TDSpriteEngine2D::SetDrawScreen(TDDrawScreen* Value) {
    if (FDrawScreen) {
        auto& engines = FDrawScreen->SpriteEngines();
        if (auto it = std::find(engines.begin(), engines.end(), this); it != engines.end()) engines.erase(it);
    }
    FDrawScreen = Value;
    if (FDrawScreen) FDrawScreen->SpriteEngines().push_back(this);
}

TDDrawSurface* TDSpriteEngine2D::Surface() const {
    if (!FDrawScreen || !FDrawScreen->IsInitialized()) return nullptr;
    return FDrawScreen->BackBuffer();
}

platform::Rect TDSpriteEngine2D::ScreenRect() const {
    const TDDrawSurface* surface = Surface();
    if (!surface) return {};
    return {0, 0, surface->Width, surface->Height};
}

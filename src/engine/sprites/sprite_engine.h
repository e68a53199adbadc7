#pragma once
// The scene's lowest layer: knows every live sprite and paints them once a
// frame onto the display screen's back buffer, back to front. It neither
// moves nor animates sprites and never frees them.
#include <cstdint>
#include <vector>

#include "engine/display/ddraw_screen.h"
#include "engine/sprites/sprite2d.h"
#include "platform/backends/window.h"

class TDSpriteEngine2D final : public TDDrawScreenSpriteEngine {
public:
    TDSpriteEngine2D() = default;
    ~TDSpriteEngine2D();
    TDSpriteEngine2D(const TDSpriteEngine2D&) = delete;
    TDSpriteEngine2D& operator=(const TDSpriteEngine2D&) = delete;

    // The screen whose back buffer is painted. Binding registers the engine
    // with the screen, so the screen can let go of it when it goes first.
    TDDrawScreen* DrawScreen() const { return FDrawScreen; }
    void SetDrawScreen(TDDrawScreen* Value);
    // The screen going away lets go of the engine this way.
    void ClearDrawScreen() override { SetDrawScreen(nullptr); }

    // The back buffer while the screen is up, else none: every drawing and
    // collision test asks for it first and does nothing without it.
    TDDrawSurface* Surface() const;
    // (0, 0, surface width, surface height), or empty without a surface.
    platform::Rect ScreenRect() const;

    // In the order the sprites joined.
    const std::vector<TDSprite2D*>& Sprites() const { return FSprites; }
    // The same sprites by ascending Z, kept so at every change.
    const std::vector<TDSprite2D*>& DrawList() const { return FDrawList; }

    void AddSprite(TDSprite2D* Sprite);
    void RemoveSprite(TDSprite2D* Sprite);
    void SortSprites();

    // Paints every visible on-screen sprite in one pass over the draw list.
    void Draw();

private:
    TDDrawScreen* FDrawScreen = nullptr;
    std::vector<TDSprite2D*> FSprites;
    std::vector<TDSprite2D*> FDrawList;
};

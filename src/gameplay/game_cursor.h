#pragma once
// The pointer of play, drawn by the game over every sprite. It follows the
// mouse, or the direction keys and pads while the mouse is still; a click
// on a pile sends the worker to pick there, on a product to fit it, and the
// second button sends him to put back what he carries.
#include <cstdint>

#include "engine/input/input_controller.h"

class TDDrawScreen;
class TImageCollectionItem;

class TGameCursorSprite {
public:
    TGameCursorSprite(int32_t MaxX, int32_t MaxY, engine::input::TDInputController* Controller,
                      TDDrawScreen* Screen, TImageCollectionItem* Image);

    double ScreenX() const { return FHotX + FX; }
    double ScreenY() const { return FHotY + FY; }
    void SetX(double Value) { FX = Value; }
    void SetY(double Value) { FY = Value; }
    // Back to (100, 100).
    void Reset();
    void Update(int32_t Elapsed);
    void Draw();

    int32_t FMaxX;
    int32_t FMaxY;
    engine::input::TDInputController* FController;  // not owned
    TDDrawScreen* FScreen;                          // not owned
    TImageCollectionItem* FImage;                   // not owned
    double FX = 0;
    double FY = 0;
    // Pixels per second for keys and pads.
    int32_t FSpeed = 250;
    bool FEnabled = true;
    bool FVisible = true;
    int32_t FHotX = 0;
    int32_t FHotY = 0;
    bool FLeftWas = false;
    bool FLeftDown = false;
    bool FRightWas = false;
    bool FRightDown = false;

private:
    void Move(int32_t Elapsed);
    void Click();
};

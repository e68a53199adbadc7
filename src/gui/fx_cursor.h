#pragma once
// The GUI's software pointer. It follows the mouse's relative movement, and
// the direction states when the mouse is still, so menus work from the
// keyboard and from a joystick as well.
#include <cstdint>

#include "gui/gui_ports.h"

class TFXGUI;

class TFXScreenCursor {
public:
    TFXScreenCursor(TFXGUI& gui, TFXImage& image) : GUI(gui), Image(image) {}

    double DrawX() const { return X + OffsetX; }
    double DrawY() const { return Y + OffsetY; }
    void SetX(double value) { X = value; }
    void SetY(double value) { Y = value; }

    void Update(int32_t elapsed);
    void Draw();

    TFXGUI& GUI;
    TFXImage& Image;  // pattern 0 is the pointer
    double X = 0;
    double Y = 0;
    int32_t Speed = 250;  // pixels per second for keys and joystick
    bool Visible = true;
    bool Enabled = true;  // a disabled cursor neither moves nor draws
    int32_t OffsetX = 0;  // the pointer's hot spot
    int32_t OffsetY = 0;
};

// The move the direction states ask for: the first matching rule wins, so
// opposite directions held together resolve to up and to right.
struct TFXCursorStep {
    int dx = 0;  // -1, 0 or +1 times the step
    int dy = 0;
};
TFXCursorStep CursorDirection(TFXStateBits states);

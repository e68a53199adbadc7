#include "gui/fx_cursor.h"

#include <cmath>

#include "gui/fx_gui.h"

TFXCursorStep CursorDirection(TFXStateBits s) {
    auto held = [s](TFXStateBits all) { return (s & all) == all; };
    if (held(fxUp | fxRight)) return {+1, -1};
    if (held(fxDown | fxRight)) return {+1, +1};
    if (held(fxDown | fxLeft)) return {-1, +1};
    if (held(fxUp | fxLeft)) return {-1, -1};
    if (held(fxUp)) return {0, -1};
    if (held(fxDown)) return {0, +1};
    if (held(fxRight)) return {+1, 0};
    if (held(fxLeft)) return {-1, 0};
    return {};
}

void TFXScreenCursor::Update(int32_t elapsed) {
    TFXInput* input = GUI.Controller;
    if (!Visible || !Enabled || !input) return;
    if (input->MouseStates() != 0) {
        // A held button counts as "mouse in use": keys do not fight it.
        X += input->MouseDeltaX();
        Y += input->MouseDeltaY();
    } else {
        const double d = elapsed / 1000.0 * Speed;
        const TFXCursorStep step = CursorDirection(input->States());
        X += step.dx * d;
        Y += step.dy * d;
    }
    const double maxX = GUI.ScreenWidth() - 10;
    const double maxY = GUI.ScreenHeight() - 10;
    if (X < 0) X = 0;
    if (X >= maxX) X = maxX;
    if (Y < 0) Y = 0;
    if (Y >= maxY) Y = maxY;
}

void TFXScreenCursor::Draw() {
    if (!Visible || !Enabled) return;
    Image.Draw(0, static_cast<int>(std::trunc(DrawX())), static_cast<int>(std::trunc(DrawY())));
}

#pragma once
// One-line text entry. Reads the keyboard state every frame and takes one
// character per key press (no auto-repeat); draws its text in the bitmap font
// or in canvas text, followed by a blinking caret while focused.
#include "gui/fx_control.h"

class TFXEditBox : public TFXControl {
public:
    // Creates the box on its page, which owns it.
    static TFXEditBox& Create(TFXScreen& screen, const std::string& name, int32_t left, int32_t top,
                              int32_t width, int32_t height, TFXImage* image, TFXBitmapFont* font,
                              const std::string& text);
    TFXEditBox(TFXScreen& screen, std::string name, int32_t left, int32_t top, int32_t width, int32_t height,
               TFXImage* image, TFXBitmapFont* font, std::string text);

    void Focus() override { TakeFocus(); }
    void Update(int32_t elapsed) override;
    void Draw(int32_t elapsed) override;

    bool KeyHeld = false;         // a press was taken and not every key released since
    bool UnfocusOnEnter = false;  // Return gives up the focus
    bool ShowCaret = true;
    bool BlinkCaret = true;
    int32_t BlinkTimer = 0;  // counts down from 1000 ms; caret shown in the first half
    std::string Text;
    int32_t MaxLength = 0;  // 0 or less: unlimited

private:
    void HandleKey();
    // True when the caret shows this frame; runs the blink timer.
    bool CaretPhase(int32_t elapsed);
    void DrawWithFont(int32_t elapsed);
    void DrawWithCanvas(int32_t elapsed);
};

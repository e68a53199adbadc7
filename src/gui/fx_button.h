#pragma once
// A button drawn from an image's normal and hovered patterns, or as centred
// text in the bitmap font, or as centred canvas text.
#include "gui/fx_control.h"

class TFXButton : public TFXControl {
public:
    // Creates the button on its page, which owns it.
    static TFXButton& Create(TFXScreen& screen, const std::string& name, int32_t left, int32_t top,
                             int32_t width, int32_t height, TFXImage* image, TFXBitmapFont* font,
                             int32_t normalPattern, int32_t hoverPattern, const std::string& caption);
    TFXButton(TFXScreen& screen, std::string name, int32_t left, int32_t top, int32_t width, int32_t height,
              TFXImage* image, TFXBitmapFont* font, int32_t normalPattern, int32_t hoverPattern,
              std::string caption);

    void Focus() override { TakeFocus(); }
    void Draw(int32_t elapsed) override;

    std::string Caption;
    int32_t NormalPattern;
    int32_t HoverPattern;
};

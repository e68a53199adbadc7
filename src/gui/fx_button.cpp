#include "gui/fx_button.h"

#include "gui/fx_bitmap_font.h"
#include "gui/fx_gui.h"

TFXButton& TFXButton::Create(TFXScreen& screen, const std::string& name, int32_t left, int32_t top,
                             int32_t width, int32_t height, TFXImage* image, TFXBitmapFont* font,
                             int32_t normalPattern, int32_t hoverPattern, const std::string& caption) {
    return screen.AddControl(std::make_unique<TFXButton>(screen, name, left, top, width, height, image, font,
                                                         normalPattern, hoverPattern, caption));
}

TFXButton::TFXButton(TFXScreen& screen, std::string name, int32_t left, int32_t top, int32_t width,
                     int32_t height, TFXImage* image, TFXBitmapFont* font, int32_t normalPattern,
                     int32_t hoverPattern, std::string caption)
    : TFXControl(screen, std::move(name), left, top, width, height, image, font), Caption(std::move(caption)),
      NormalPattern(normalPattern), HoverPattern(hoverPattern) {}

void TFXButton::Draw(int32_t elapsed) {
    TFXControl::Draw(elapsed);
    if (!Visible) return;
    if (Image) {
        Image->Draw(IsHovered() ? HoverPattern : NormalPattern, AbsLeft(), AbsTop());
    } else if (Font) {
        // Glyphs are about half a cell wide once trimmed: a cheap estimate
        // that needs no measuring pass.
        const int32_t len = static_cast<int32_t>(Caption.size());
        Font->DrawText(AbsLeft() + (Width - (Font->CharWidth() / 2) * len) / 2, AbsTop(), Caption);
    } else {
        TFXDisplay& d = GUI().Screen;
        if (!d.AcquireDC()) return;
        DrawCaption(AbsLeft() + (Width - TextWidth(Caption)) / 2, AbsTop(), Caption);
        d.ReleaseDC();
    }
}

#include "gui/fx_control.h"

#include <algorithm>
#include <cmath>

#include "gui/fx_bitmap_font.h"
#include "gui/fx_gui.h"

TFXControl::TFXControl(TFXScreen& screen, std::string name, int32_t left, int32_t top, int32_t width,
                       int32_t height, TFXImage* image, TFXBitmapFont* font)
    : Screen(screen), Name(std::move(name)), Image(image), Font(font), Left(left), Top(top), Width(width),
      Height(height) {
    if (image) {
        Width = image->PatternWidth();
        Height = image->PatternHeight();
    }
    if (font && height == 0) Height = font->CharHeight();
}

TFXGUI& TFXControl::GUI() const { return Screen.GUI; }
int32_t TFXControl::AbsLeft() const { return Screen.Left + Left; }
int32_t TFXControl::AbsTop() const { return Screen.Top + Top; }

TFXRect TFXControl::BoundsRect() const {
    return {AbsLeft(), AbsTop(), AbsLeft() + Width, AbsTop() + Height};
}

bool TFXControl::IsHovered() const {
    const TFXGUI& gui = GUI();
    if (!Screen.IsActive() || !gui.Cursor) return false;
    const double x = std::trunc(gui.Cursor->DrawX());
    const double y = std::trunc(gui.Cursor->DrawY());
    const TFXRect r = BoundsRect();
    return x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom;
}

bool TFXControl::IsFocused() const { return GUI().Focused == this && Screen.IsActive(); }
void TFXControl::Unfocus() { GUI().Focused = nullptr; }
void TFXControl::TakeFocus() {
    if (GUI().Focused != this) GUI().Focused = this;
}
bool TFXControl::IsLive() const { return Enabled && Visible && Screen.IsActive(); }

void TFXControl::Update(int32_t /*elapsed*/) {
    if (!IsLive()) return;
    const TFXGUI& gui = GUI();
    if (!gui.Cursor || !gui.Controller || !IsHovered()) return;
    if (!gui.SelectEdge()) return;
    Focus();
    if (OnClick) OnClick(*this);
}

void TFXControl::Draw(int32_t /*elapsed*/) {
    if (!Visible) return;
    TFXDisplay& d = GUI().Screen;
    const int32_t x = AbsLeft();
    const int32_t y = AbsTop();
    if (IsHovered()) {
        if (BackColor < 0) return;
        d.FillRect(x, y, Width, Height, GUI().HighlightLighter ? Lighter(BackColor) : Darker(BackColor));
        return;
    }
    if (BackColor < 0) return;
    if (Bevel) {
        // Light top and left edges, dark bottom and right: a raised face.
        d.FillRect(x, y, Width, Height, Darker(BackColor));
        d.FillRect(x, y, Width - BevelWidth, Height - BevelWidth, Lighter(BackColor));
        d.FillRect(x + BevelWidth, y + BevelWidth, Width - 2 * BevelWidth, Height - 2 * BevelWidth, BackColor);
    } else {
        d.FillRect(x, y, Width, Height, BackColor);
    }
}

void TFXControl::SelectCanvasFont(TFXFontStyles style) {
    GUI().Screen.SetFont(TFXCanvasFont{FontName, FontSize, style, FontColor});
}

int TFXControl::TextWidth(const std::string& s) {
    SelectCanvasFont(FontStyle);
    return GUI().Screen.TextWidth(s);
}

int TFXControl::TextHeight(const std::string& s) {
    SelectCanvasFont(FontStyle);
    return GUI().Screen.TextHeight(s);
}

void TFXControl::DrawCaption(int32_t x, int32_t y, const std::string& s) {
    TFXDisplay& d = GUI().Screen;
    y += (Height - TextHeight(s)) / 2;
    if (Shadow) {
        d.SetFont(TFXCanvasFont{FontName, FontSize, FontStyle, ShadowColor});
        d.TextOut(x + TextIndent + ShadowOffset, y + ShadowOffset, s);
    }
    SelectCanvasFont(FontStyle);
    d.TextOut(x + TextIndent, y, s);
    // Leave the canvas as others expect it: plain style.
    SelectCanvasFont(0);
}

TFXColor TFXControl::Lighter(TFXColor c) {
    const auto up = [](int v) { return std::min(v + 100, 255); };
    return up(c & 0xFF) | up((c >> 8) & 0xFF) << 8 | up((c >> 16) & 0xFF) << 16;
}

TFXColor TFXControl::Darker(TFXColor c) {
    return ((c & 0xFF) >> 1) | (((c >> 8) & 0xFF) >> 1) << 8 | (((c >> 16) & 0xFF) >> 1) << 16;
}

#include "gui/fx_edit_box.h"

#include "gui/edit_keys.h"
#include "gui/fx_bitmap_font.h"
#include "gui/fx_gui.h"

TFXEditBox& TFXEditBox::Create(TFXScreen& screen, const std::string& name, int32_t left, int32_t top,
                               int32_t width, int32_t height, TFXImage* image, TFXBitmapFont* font,
                               const std::string& text) {
    return screen.AddControl(
        std::make_unique<TFXEditBox>(screen, name, left, top, width, height, image, font, text));
}

TFXEditBox::TFXEditBox(TFXScreen& screen, std::string name, int32_t left, int32_t top, int32_t width,
                       int32_t height, TFXImage* image, TFXBitmapFont* font, std::string text)
    : TFXControl(screen, std::move(name), left, top, width, height, image, font), Text(std::move(text)) {}

void TFXEditBox::Update(int32_t elapsed) {
    TFXControl::Update(elapsed);
    if (IsLive() && IsFocused()) HandleKey();
}

void TFXEditBox::HandleKey() {
    const TFXInput* input = GUI().Controller;
    if (!input) return;
    const int key = editkeys::PressedKey(*input);
    if (key == -1) {
        KeyHeld = false;
        return;
    }
    // One character per press; a second key while the first is held waits
    // until everything has been let go.
    if (KeyHeld) return;
    if (key == editkeys::Backspace) {
        if (!Text.empty()) Text.pop_back();
    } else if (key == editkeys::Return) {
        if (UnfocusOnEnter) Unfocus();
    } else if (MaxLength <= 0 || static_cast<int32_t>(Text.size()) + 1 <= MaxLength) {
        Text.push_back(static_cast<char>(
            editkeys::Translate(key, editkeys::ShiftHeld(*input), editkeys::AltHeld(*input))));
    }
    KeyHeld = true;
}

bool TFXEditBox::CaretPhase(int32_t elapsed) {
    const bool shown = BlinkTimer >= 500;
    BlinkTimer -= elapsed;
    if (BlinkTimer <= 0) BlinkTimer = 1000;
    return shown;
}

void TFXEditBox::Draw(int32_t elapsed) {
    TFXControl::Draw(elapsed);
    if (!Visible) return;
    if (Font)
        DrawWithFont(elapsed);
    else
        DrawWithCanvas(elapsed);
}

void TFXEditBox::DrawWithFont(int32_t elapsed) {
    // Long text stops at the last whole glyph inside the box.
    Font->ClipRight = AbsLeft() + Width;
    if (!IsFocused() || !ShowCaret) {
        Font->DrawText(AbsLeft(), AbsTop(), Text);
        return;
    }
    if (!BlinkCaret || CaretPhase(elapsed))
        Font->DrawTextAndGlyph(AbsLeft(), AbsTop(), TFXBitmapFont::CaretPattern, Text);
    else
        Font->DrawText(AbsLeft(), AbsTop(), Text);
}

void TFXEditBox::DrawWithCanvas(int32_t elapsed) {
    TFXDisplay& d = GUI().Screen;
    if (!d.AcquireDC()) return;
    const int w = TextWidth(Text);
    const int caretWidth = TextWidth("w");
    const int caretHeight = TextHeight("w");
    DrawCaption(AbsLeft(), AbsTop(), Text);
    d.ReleaseDC();
    if (!IsFocused() || !ShowCaret) return;
    if (!BlinkCaret || BlinkTimer >= 500) d.FillRect(AbsLeft() + w, AbsTop(), caretWidth, caretHeight, FontColor);
    if (BlinkCaret) CaretPhase(elapsed);
}

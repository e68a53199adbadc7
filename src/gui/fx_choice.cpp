#include "gui/fx_choice.h"

#include <algorithm>

#include "gui/fx_bitmap_font.h"
#include "gui/fx_gui.h"

namespace {

// Keyboard scan codes of the letters A to Z, in alphabetical order.
constexpr int kLetterKeys[26] = {30, 48, 46, 32, 18, 33, 34, 35, 23, 36, 37, 38, 50,
                                 49, 24, 25, 16, 19, 31, 20, 22, 47, 17, 45, 21, 44};

char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }

}  // namespace

TFXChoice& TFXChoice::Create(TFXScreen& screen, const std::string& name, int32_t left, int32_t top,
                             int32_t width, int32_t height, TFXImage* image, TFXBitmapFont* font) {
    return screen.AddControl(std::make_unique<TFXChoice>(screen, name, left, top, width, height, image, font));
}

TFXChoice::TFXChoice(TFXScreen& screen, std::string name, int32_t left, int32_t top, int32_t width,
                     int32_t height, TFXImage* image, TFXBitmapFont* font)
    : TFXControl(screen, std::move(name), left, top, width, height, image, font) {}

void TFXChoice::AddItem(const std::string& caption, int32_t normalPattern, int32_t hoverPattern) {
    Items.push_back(std::make_unique<TFXChoiceItem>(caption, caption, normalPattern, hoverPattern));
    if (Sorted) Sort();
}

void TFXChoice::Sort() {
    std::stable_sort(Items.begin(), Items.end(),
                     [](const auto& a, const auto& b) { return a->Caption < b->Caption; });
}

void TFXChoice::SetItemIndex(int32_t index) {
    if (index == FItemIndex) return;
    if (index == -1) {
        FItemIndex = -1;
        return;
    }
    if (!Items.empty() && index >= 0 && index < static_cast<int32_t>(Items.size())) FItemIndex = index;
}

std::string TFXChoice::Text() const { return FItemIndex >= 0 ? Items[FItemIndex]->Caption : std::string(); }

void TFXChoice::SelectByLetter(char letter) {
    const char wanted = UpperAscii(letter);
    for (size_t i = 0; i < Items.size(); ++i) {
        const std::string& caption = Items[i]->Caption;
        if (!caption.empty() && UpperAscii(caption[0]) == wanted) {
            SetItemIndex(static_cast<int32_t>(i));
            return;
        }
    }
}

void TFXChoice::Update(int32_t elapsed) {
    TFXControl::Update(elapsed);
    if (!IsLive() || !IsFocused() || !IsHovered()) return;
    TFXGUI& gui = GUI();
    if (gui.SelectEdge() && !Items.empty()) {
        const int32_t last = static_cast<int32_t>(Items.size()) - 1;
        FItemIndex = (FItemIndex == -1 || FItemIndex >= last) ? 0 : FItemIndex + 1;
        Focus();
        if (OnClick) OnClick(*this);
        if (OnChange) OnChange(*this);
    }
    SelectByHeldLetter();
}

void TFXChoice::SelectByHeldLetter() {
    const TFXInput* input = GUI().Controller;
    if (!input) return;
    for (int i = 0; i < 26; ++i) {
        if (input->KeyDown(kLetterKeys[i])) {
            SelectByLetter(static_cast<char>('A' + i));
            return;
        }
    }
}

void TFXChoice::Draw(int32_t elapsed) {
    TFXControl::Draw(elapsed);
    if (!Visible) return;
    if (Image) {
        if (FItemIndex >= 0) {
            const TFXChoiceItem& item = *Items[FItemIndex];
            Image->Draw(IsHovered() ? item.HoverPattern : item.NormalPattern, AbsLeft(), AbsTop());
        }
    } else if (Font) {
        const std::string text = Text();
        const int32_t len = static_cast<int32_t>(text.size());
        const int32_t x = CenterText ? AbsLeft() + (Width - (Font->CharWidth() / 2) * len) / 2 : AbsLeft();
        Font->DrawText(x, AbsTop(), text);
    } else if (!Items.empty()) {
        TFXDisplay& d = GUI().Screen;
        if (!d.AcquireDC()) return;
        if (FItemIndex >= 0) {
            const std::string text = Text();
            DrawCaption(CenterText ? AbsLeft() + (Width - TextWidth(text)) / 2 : AbsLeft(), AbsTop(), text);
        }
        d.ReleaseDC();
    }
}

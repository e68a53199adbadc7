#pragma once
// A button that steps through a list of options, one per click, each option
// with its own pair of patterns. A held letter key picks the first option
// starting with that letter.
#include <memory>
#include <vector>

#include "gui/fx_control.h"

class TFXChoiceItem {
public:
    TFXChoiceItem(std::string value, std::string caption, int32_t normalPattern, int32_t hoverPattern)
        : Value(std::move(value)), Caption(std::move(caption)), NormalPattern(normalPattern),
          HoverPattern(hoverPattern) {}

    std::string Value;
    std::string Caption;
    int32_t NormalPattern;
    int32_t HoverPattern;
};

class TFXChoice : public TFXControl {
public:
    // Creates the choice on its page, which owns it.
    static TFXChoice& Create(TFXScreen& screen, const std::string& name, int32_t left, int32_t top,
                             int32_t width, int32_t height, TFXImage* image, TFXBitmapFont* font);
    TFXChoice(TFXScreen& screen, std::string name, int32_t left, int32_t top, int32_t width, int32_t height,
              TFXImage* image, TFXBitmapFont* font);

    // Value and caption are both `caption`. Sorting leaves ItemIndex as it was.
    void AddItem(const std::string& caption, int32_t normalPattern, int32_t hoverPattern);
    // By caption, ordinal and case-sensitive.
    void Sort();
    int32_t ItemIndex() const { return FItemIndex; }
    // -1 clears; an index outside the list is ignored. Fires no event.
    void SetItemIndex(int32_t index);
    // The selected caption, or empty.
    std::string Text() const;
    // ASCII case-insensitive on the first character; fires no event.
    void SelectByLetter(char letter);

    void Focus() override { TakeFocus(); }
    // A click advances (wrapping) and fires OnClick again and OnChange.
    void Update(int32_t elapsed) override;
    void Draw(int32_t elapsed) override;

    std::vector<std::unique_ptr<TFXChoiceItem>> Items;
    bool CenterText = true;
    bool Sorted = false;
    TFXNotifyEvent OnChange;

private:
    void SelectByHeldLetter();

    int32_t FItemIndex = -1;
};

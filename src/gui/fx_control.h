#pragma once
// The base of every GUI control: geometry relative to its page, a background
// that reacts to the cursor, caption text in an operating-system font with an
// optional shadow, focus and a click event.
#include <cstdint>
#include <functional>
#include <string>

#include "gui/gui_ports.h"

class TFXBitmapFont;
class TFXGUI;
class TFXScreen;
class TFXControl;

using TFXNotifyEvent = std::function<void(TFXControl& sender)>;

struct TFXRect {
    int32_t Left, Top, Right, Bottom;  // right and bottom exclusive
};

class TFXControl {
public:
    // An image sets the size to one pattern; a bitmap font gives a height of
    // 0 the font's cell height. The control is not yet on its page: use
    // TFXScreen::AddControl, or the derived classes' Create.
    TFXControl(TFXScreen& screen, std::string name, int32_t left, int32_t top, int32_t width, int32_t height,
               TFXImage* image, TFXBitmapFont* font);
    virtual ~TFXControl() = default;
    TFXControl(const TFXControl&) = delete;
    TFXControl& operator=(const TFXControl&) = delete;

    virtual TFXRect BoundsRect() const;
    // Takes the keyboard focus; a plain control never does.
    virtual void Focus() {}
    // Clicks: the first frame of a press with the cursor over the control.
    virtual void Update(int32_t elapsed);
    // The background; derived controls paint on top of it.
    virtual void Draw(int32_t elapsed);

    TFXGUI& GUI() const;
    int32_t AbsLeft() const;
    int32_t AbsTop() const;
    bool IsHovered() const;
    bool IsFocused() const;
    void Unfocus();

    // Canvas text in this control's font.
    int TextWidth(const std::string& s);
    int TextHeight(const std::string& s);
    // Centred vertically in the control; the caller holds the canvas.
    void DrawCaption(int32_t x, int32_t y, const std::string& s);

    static TFXColor Lighter(TFXColor colour);
    static TFXColor Darker(TFXColor colour);

    TFXScreen& Screen;
    std::string Name;
    bool Enabled = true;
    bool Visible = true;
    TFXImage* Image;
    TFXBitmapFont* Font;
    int32_t Left, Top, Width, Height;
    std::string FontName = "Verdana";
    int32_t FontSize = 10;
    TFXColor FontColor = 0xFFFFFF;
    TFXFontStyles FontStyle = static_cast<TFXFontStyles>(TFXFontStyle::fsBold);
    TFXColor BackColor = 0x808080;  // negative: no background
    bool Bevel = false;
    int32_t BevelWidth = 2;
    bool Shadow = false;
    int32_t ShadowOffset = 2;
    TFXColor ShadowColor = 0;
    int32_t TextIndent = 0;
    TFXNotifyEvent OnClick;

protected:
    // Makes this control the GUI's focused one (buttons, choices, edit boxes).
    void TakeFocus();
    // Enabled, visible and on the active page.
    bool IsLive() const;
    // Selects this control's canvas font with the given style.
    void SelectCanvasFont(TFXFontStyles style);
};

#pragma once
// A small retained GUI drawn on the back buffer: named full-screen pages of
// controls, one of them active, a software cursor and one focused control.
// The main form calls Update and then Draw once per menu frame.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "gui/fx_cursor.h"
#include "gui/gui_ports.h"

class TFXControl;
class TFXGUI;

class TFXScreen {
public:
    // Creates the page and hands it to the GUI, which owns it.
    static TFXScreen& Create(TFXGUI& gui, int32_t tag, const std::string& name, int32_t left, int32_t top,
                             int32_t width, int32_t height);
    TFXScreen(TFXGUI& gui, int32_t tag, std::string name, int32_t left, int32_t top, int32_t width,
              int32_t height);
    ~TFXScreen();
    TFXScreen(const TFXScreen&) = delete;
    TFXScreen& operator=(const TFXScreen&) = delete;

    // Takes ownership; controls are updated and drawn in the order added.
    template <class T>
    T& AddControl(std::unique_ptr<T> control) {
        T& ref = *control;
        Controls.push_back(std::move(control));
        return ref;
    }
    // Case-insensitive (ASCII); null when nothing matches.
    TFXControl* FindControl(const std::string& name) const;
    bool IsActive() const;
    void Update(int32_t elapsed);
    void Draw(int32_t elapsed);

    std::vector<std::unique_ptr<TFXControl>> Controls;
    TFXGUI& GUI;
    int32_t Tag;  // for the owner; the GUI never reads it
    std::string Name;
    int32_t Left, Top;  // origin added to every control's position
    int32_t Width, Height;
};

class TFXGUI {
public:
    // Without a cursor image there is no cursor and nothing can be clicked.
    TFXGUI(TFXDisplay& screen, TFXInput* controller, TFXImage* cursorImage);
    ~TFXGUI();
    TFXGUI(const TFXGUI&) = delete;
    TFXGUI& operator=(const TFXGUI&) = delete;

    TFXScreen& AddScreen(std::unique_ptr<TFXScreen> screen);
    // Case-insensitive (ASCII); null when nothing matches.
    TFXScreen* FindScreen(const std::string& name) const;
    // Focus stays where it was: a control focused on another page counts as
    // focused again when its page comes back.
    void SetActiveScreen(TFXScreen* screen) { ActiveScreen = screen; }
    int ScreenWidth() const { return Screen.Width(); }
    int ScreenHeight() const { return Screen.Height(); }

    // Reads the select button, runs the active page's controls, moves the cursor.
    void Update(int32_t elapsed);
    // The active page's controls, then the pointer on top.
    void Draw(int32_t elapsed);

    // The first frame of a press: what every control calls a click.
    bool SelectEdge() const { return Select && !PrevSelect; }

    TFXDisplay& Screen;
    TFXInput* Controller;
    std::vector<std::unique_ptr<TFXScreen>> Screens;
    TFXScreen* ActiveScreen = nullptr;
    std::unique_ptr<TFXScreenCursor> Cursor;
    bool PrevSelect = false;
    bool Select = false;
    TFXControl* Focused = nullptr;
    bool HighlightLighter = true;  // hovered backgrounds lighter, else darker
};

// ASCII-only, case-insensitive equality, as names are compared.
bool SameTextAscii(const std::string& a, const std::string& b);

#include "gui/fx_gui.h"

#include "gui/fx_control.h"

bool SameTextAscii(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; };
    for (size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i])) return false;
    return true;
}

// --- TFXScreen -------------------------------------------------------------

TFXScreen& TFXScreen::Create(TFXGUI& gui, int32_t tag, const std::string& name, int32_t left, int32_t top,
                             int32_t width, int32_t height) {
    return gui.AddScreen(std::make_unique<TFXScreen>(gui, tag, name, left, top, width, height));
}

TFXScreen::TFXScreen(TFXGUI& gui, int32_t tag, std::string name, int32_t left, int32_t top, int32_t width,
                     int32_t height)
    : GUI(gui), Tag(tag), Name(std::move(name)), Left(left), Top(top), Width(width), Height(height) {}

TFXScreen::~TFXScreen() = default;

TFXControl* TFXScreen::FindControl(const std::string& name) const {
    for (const auto& c : Controls)
        if (SameTextAscii(c->Name, name)) return c.get();
    return nullptr;
}

bool TFXScreen::IsActive() const { return GUI.ActiveScreen == this; }

// By index: a click handler may add controls while the page runs.
void TFXScreen::Update(int32_t elapsed) {
    for (size_t i = 0; i < Controls.size(); ++i) Controls[i]->Update(elapsed);
}

void TFXScreen::Draw(int32_t elapsed) {
    for (size_t i = 0; i < Controls.size(); ++i) Controls[i]->Draw(elapsed);
}

// --- TFXGUI ----------------------------------------------------------------

TFXGUI::TFXGUI(TFXDisplay& screen, TFXInput* controller, TFXImage* cursorImage)
    : Screen(screen), Controller(controller) {
    if (cursorImage) Cursor = std::make_unique<TFXScreenCursor>(*this, *cursorImage);
}

TFXGUI::~TFXGUI() {
    // Controls may point at each other through Focused; drop it first.
    Focused = nullptr;
    ActiveScreen = nullptr;
}

TFXScreen& TFXGUI::AddScreen(std::unique_ptr<TFXScreen> screen) {
    TFXScreen& ref = *screen;
    Screens.push_back(std::move(screen));
    return ref;
}

TFXScreen* TFXGUI::FindScreen(const std::string& name) const {
    for (const auto& s : Screens)
        if (SameTextAscii(s->Name, name)) return s.get();
    return nullptr;
}

void TFXGUI::Update(int32_t elapsed) {
    PrevSelect = Select;
    // The devices' own states: the left button selects even while the mouse
    // is kept out of the combined states, and only the first pad counts.
    Select = false;
    if (Controller) {
        Select = (Controller->MouseStates() & fxButton1) || (Controller->KeyboardStates() & fxButton1) ||
                 (Controller->JoystickCount() > 0 && (Controller->FirstJoystickStates() & fxButton1));
    }
    if (ActiveScreen) ActiveScreen->Update(elapsed);
    if (Cursor) Cursor->Update(elapsed);
}

void TFXGUI::Draw(int32_t elapsed) {
    if (ActiveScreen) ActiveScreen->Draw(elapsed);
    if (Cursor) Cursor->Draw();
}

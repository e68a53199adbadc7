#include "runs/soak_player.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "app/main_form.h"
#include "gameplay/recipes.h"
#include "platform/backends/keycodes.h"

namespace dik = platform::dik;

namespace {

// The keys the game reads, and a few it does not.
constexpr std::array<uint8_t, 16> kGameKeys = {dik::Escape, dik::F1,    dik::F2,     dik::S,    dik::Z,     dik::X,
                                               dik::Space,  dik::Return, dik::Up,    dik::Down, dik::Left, dik::Right,
                                               dik::Back,   dik::LShift, dik::F12,   dik::Tab};
constexpr std::array<uint8_t, 36> kTypingKeys = {
    dik::A, dik::B, dik::C, dik::D, dik::E, dik::F, dik::G, dik::H, dik::I, dik::J, dik::K, dik::L,
    dik::M, dik::N, dik::O, dik::P, dik::Q, dik::R, dik::S, dik::T, dik::U, dik::V, dik::W, dik::X,
    dik::Y, dik::Z, dik::Key0, dik::Key1, dik::Key2, dik::Key3, dik::Key4, dik::Key5, dik::Key6, dik::Key7,
    dik::Key8, dik::Key9};
constexpr std::array<uint8_t, 4> kArrows = {dik::Up, dik::Down, dik::Left, dik::Right};

bool SameName(const std::string& a, const char* b) { return SameTextAscii(a, b); }

}  // namespace

void SoakPlayer::newSession()
{
    plan_.clear();
    planEnd_ = frame_;
}

void SoakPlayer::afterFrame(TfrmMain& form, platform::HeadlessBackend& backend)
{
    ++frame_;
    const bool playing = form.FState == gsPlaying;
    if (playing && !wasPlaying_) slacking_ = chance(35);
    wasPlaying_ = playing;
    // Steps may plan further steps: run what is due from a copy.
    std::vector<Planned> due;
    const auto split = std::stable_partition(plan_.begin(), plan_.end(), [this](const Planned& p) { return p.frame > frame_; });
    due.assign(std::make_move_iterator(split), std::make_move_iterator(plan_.end()));
    plan_.erase(split, plan_.end());
    for (Planned& p : due) p.step(form, backend);
    if (plan_.empty()) {
        planEnd_ = frame_;
        plan(form);
    }
}

void SoakPlayer::then(int frames, Step step)
{
    planEnd_ = std::max(planEnd_, frame_) + static_cast<uint64_t>(std::max(frames, 1));
    plan_.push_back({planEnd_, std::move(step)});
}

void SoakPlayer::clickAt(double x, double y, int button)
{
    then(1, [x, y](TfrmMain& form, platform::HeadlessBackend& b) {
        // In play the game's own cursor follows the mouse, elsewhere the menus' cursor.
        double cx = 0, cy = 0;
        if (form.FState == gsPlaying && form.FFloor) {
            cx = form.FFloor->FCursor->FX;
            cy = form.FFloor->FCursor->FY;
        } else if (form.FGUI) {
            cx = form.FGUI->Cursor->X;
            cy = form.FGUI->Cursor->Y;
        }
        b.mouseMove(static_cast<int>(std::lround(x - cx)), static_cast<int>(std::lround(y - cy)));
    });
    then(2, [button](TfrmMain&, platform::HeadlessBackend& b) { b.mouseButton(button, true); });
    then(between(1, 6), [button](TfrmMain&, platform::HeadlessBackend& b) { b.mouseButton(button, false); });
}

void SoakPlayer::clickControl(TfrmMain& form, const char* name)
{
    TFXScreen* screen = form.FGUI ? form.FGUI->ActiveScreen : nullptr;
    const TFXControl* control = screen ? screen->FindControl(name) : nullptr;
    if (!control) {
        wait(5);
        return;
    }
    clickAt(control->AbsLeft() + control->Width / 2.0, control->AbsTop() + control->Height / 2.0);
}

void SoakPlayer::tap(uint8_t key, int holdFrames)
{
    then(1, [key](TfrmMain&, platform::HeadlessBackend& b) { b.keyDown(key); });
    then(holdFrames, [key](TfrmMain&, platform::HeadlessBackend& b) { b.keyUp(key); });
}

void SoakPlayer::type(int characters)
{
    for (int i = 0; i < characters; ++i) {
        const bool shift = chance(15);
        if (shift) then(1, [](TfrmMain&, platform::HeadlessBackend& b) { b.keyDown(dik::LShift); });
        tap(chance(10) ? dik::Back : chance(5) ? dik::Space : kTypingKeys[random_() % kTypingKeys.size()], between(1, 4));
        if (shift) then(1, [](TfrmMain&, platform::HeadlessBackend& b) { b.keyUp(dik::LShift); });
        // The box takes the next character once every key is up.
        wait(between(1, 4));
    }
}

void SoakPlayer::plan(TfrmMain& form)
{
    if (chance(2)) {
        planMischief();
        return;
    }
    switch (form.FState) {
    case gsMenu: planMenu(form); break;
    case gsPlaying: planPlay(form); break;
    case gsGameOver: planGameOver(form); break;
    case gsIntro:
    case gsLevelIntro:
    case gsAllLevelsDone:
        if (chance(60)) clickAt(between(0, 799), between(0, 599));
        else if (chance(10)) tap(kGameKeys[random_() % kGameKeys.size()]);
        else wait(between(5, 60));
        break;
    case gsNone: wait(10); break;
    }
}

void SoakPlayer::planMenu(TfrmMain& form)
{
    const std::string screen = form.FGUI && form.FGUI->ActiveScreen ? form.FGUI->ActiveScreen->Name : "";
    const int roll = between(1, 100);
    if (SameName(screen, "MainMenu")) {
        if (preferWriting_ ? roll <= 60 : roll <= 12) clickControl(form, "btnOptions");
        else if (roll <= 70) clickControl(form, "btnPlay");
        else if (roll <= 78) clickControl(form, "btnHelp");
        else if (roll <= 80) clickControl(form, "btnQuit");
        else if (roll <= 81) tap(dik::Escape);
        else if (roll <= 92) clickAt(between(0, 799), between(0, 599));
        else tap(kGameKeys[random_() % kGameKeys.size()]);
    } else if (SameName(screen, "Options")) {
        static const char* const kChoices[] = {"choiceSound", "choiceMusic", "choiceScreenMode"};
        if (roll <= 55) clickControl(form, kChoices[random_() % 3]);
        else if (roll <= 95) clickControl(form, "btnMainMenu");
        else if (roll <= 96) tap(dik::Escape);
        else clickAt(between(0, 799), between(0, 599));
    } else {
        if (roll <= 80) clickControl(form, "btnMainMenu");
        else if (roll <= 81) tap(dik::Escape);
        else clickAt(between(0, 799), between(0, 599));
    }
}

void SoakPlayer::planPlay(TfrmMain& form)
{
    // Paused or reading the help: mostly back to work before long.
    if (form.FPaused || form.FHelpShown) {
        if (chance(50)) tap(form.FPaused ? dik::F2 : dik::F1);
        else wait(between(10, 100));
        return;
    }
    const TGameFloor& floor = *form.FFloor;
    // A disk refusing writes is worth meeting: back to the menus, where files are written.
    if (preferWriting_ && between(1, 200) == 1) {
        tap(dik::Escape);
        return;
    }
    const int roll = between(1, 100);
    if (roll <= 55) {
        if (slacking_ && chance(90)) wait(between(5, 60));
        else planWork(form);
    } else if (roll <= 65 && floor.FPickLocations->Count() > 0) {
        const TBasePickLocation& pile = *floor.FPickLocations->GetPile(between(0, floor.FPickLocations->Count() - 1));
        clickAt(pile.WorldX() + pile.Width() / 2.0, pile.WorldY() + pile.Height() / 2.0, chance(85) ? 0 : 1);
    } else if (roll <= 72 && floor.FMainLine->ProductCount() > 0) {
        const auto r = floor.FMainLine->GetProduct(between(0, floor.FMainLine->ProductCount() - 1))->BoundsRect();
        clickAt((r.left + r.right) / 2.0, (r.top + r.bottom) / 2.0);
    } else if (roll <= 78) {
        // Anywhere, the edges and past them included.
        clickAt(between(-60, 860), between(-60, 660), chance(75) ? 0 : 1);
    } else if (roll <= 85) {
        const uint8_t key = kArrows[random_() % kArrows.size()];
        const uint8_t second = kArrows[random_() % kArrows.size()];
        then(1, [key, second](TfrmMain&, platform::HeadlessBackend& b) {
            b.keyDown(key);
            b.keyDown(second);
        });
        then(between(3, 80), [key, second](TfrmMain&, platform::HeadlessBackend& b) {
            b.keyUp(key);
            b.keyUp(second);
        });
    } else if (roll <= 89) {
        static constexpr uint8_t kClicks[] = {dik::Space, dik::Z, dik::Return, dik::X};
        tap(kClicks[random_() % 4], between(1, 8));
    } else if (roll <= 91) {
        tap(dik::F1);
    } else if (roll <= 93) {
        tap(dik::F2);
    } else if (roll <= 94 && chance(15)) {
        tap(dik::Escape);
    } else {
        wait(between(5, 60));
    }
}

void SoakPlayer::planWork(TfrmMain& form)
{
    const TGameFloor& floor = *form.FFloor;
    const TAssemblyWorker& worker = *floor.FWorker;
    if (worker.FCommand != TAssemblyWorker::wcNone && chance(80)) {
        wait(between(5, 30));
        return;
    }
    const TBaseAssemblyObject* product = floor.FMainLine->FirstOpenProduct();
    const TProductRecipe* recipe = product ? FindRecipe(product->FProductName.View()) : nullptr;
    if (!recipe) {
        wait(between(10, 40));
        return;
    }
    std::string_view need = recipe->ToolName;
    if (!recipe->NeedsTool()) {
        const auto stage = static_cast<std::size_t>(std::max(product->FStage, 0));
        need = stage < recipe->Parts.size() ? recipe->Parts[stage] : std::string_view();
    }
    std::string_view carried;
    if (worker.FTool) carried = worker.FTool->FItemName.View();
    else if (!worker.FParts.empty()) carried = worker.FParts.back()->FItemName.View();
    if (!carried.empty() && carried == need) {
        const auto r = product->BoundsRect();
        clickAt((r.left + r.right) / 2.0, (r.top + r.bottom) / 2.0);
    } else if (!carried.empty()) {
        clickAt(between(0, 799), between(0, 599), 1);
    } else if (const TBasePickLocation* pile = need.empty() ? nullptr : floor.FPickLocations->FindPile(need)) {
        clickAt(pile->WorldX() + pile->Width() / 2.0, pile->WorldY() + pile->Height() / 2.0);
    } else {
        wait(between(10, 40));
    }
}

void SoakPlayer::planGameOver(TfrmMain& form)
{
    TFXEditBox& box = form.PlayerNameBox();
    const int roll = between(1, 100);
    if (box.IsFocused()) {
        type(between(1, 12));
        if (chance(70)) tap(dik::Return);
    } else if (box.Text.empty() && roll <= 60) {
        clickControl(form, "edtPlayerName");
    } else if (!form.FHighScoreSaved && (preferWriting_ ? roll <= 80 : roll <= 50)) {
        tap(dik::S, between(1, 10));
    } else if (roll <= 65) {
        clickControl(form, "edtPlayerName");
    } else if (roll <= (form.FHighScoreSaved ? 95 : 75)) {
        clickControl(form, "btnMainMenu");
    } else {
        wait(between(10, 80));
    }
}

void SoakPlayer::planMischief()
{
    const uint32_t away = static_cast<uint32_t>(between(20, 3000));
    switch (between(1, 6)) {
    case 1:
        then(1, [away](TfrmMain&, platform::HeadlessBackend& b) {
            b.loseFocus();
            b.at(b.now() + away, [](platform::HeadlessBackend& back) { back.gainFocus(); });
        });
        break;
    case 2:
        then(1, [away](TfrmMain&, platform::HeadlessBackend& b) {
            b.minimize();
            b.at(b.now() + away, [](platform::HeadlessBackend& back) { back.restore(); });
        });
        break;
    case 3: {
        // A pad plugged in, pushed about, and pulled out again.
        const int id = nextPad_++;
        then(1, [id](TfrmMain&, platform::HeadlessBackend& b) {
            platform::RawJoystick pad;
            pad.instanceId = id;
            pad.name = "Soak pad";
            pad.product = "Soak pad";
            pad.gameController = id % 2 == 0;
            pad.numAxes = 2;
            pad.numButtons = 4;
            b.addJoystick(pad);
        });
        const int32_t x = between(-32768, 32767), y = between(-32768, 32767);
        const bool button = chance(50);
        then(between(2, 30), [id, x, y, button](TfrmMain&, platform::HeadlessBackend& b) {
            for (platform::RawJoystick& pad : b.input().joysticks)
                if (pad.instanceId == id) {
                    pad.axes[0] = x;
                    pad.axes[1] = y;
                    pad.buttons[0] = button ? 0x80 : 0;
                }
        });
        then(between(2, 200), [id](TfrmMain&, platform::HeadlessBackend& b) { b.removeJoystick(id); });
        break;
    }
    case 4: tap(static_cast<uint8_t>(between(1, 255)), between(1, 20)); break;
    case 5: then(1, [this](TfrmMain&, platform::HeadlessBackend& b) { b.mouseWheel(between(-3, 3) * 120); }); break;
    default:
        for (int i = between(2, 10); i > 0; --i) {
            const int dx = between(-80, 80), dy = between(-80, 80);
            then(1, [dx, dy](TfrmMain&, platform::HeadlessBackend& b) { b.mouseMove(dx, dy); });
        }
        break;
    }
}

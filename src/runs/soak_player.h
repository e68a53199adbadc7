#pragma once
// A restless player for soaks. It looks at the screen the way a person
// does (which menu is up, where the piles and products are, what the worker
// carries) and then acts through the backend's input like a real mouse,
// keyboard and pad: sometimes sensibly (the next part for the next
// product, "Play Game", a name in the box), often not (any key, clicks
// anywhere, the window left, minimised and found again, a pad plugged in).
#include <cstdint>
#include <functional>
#include <random>
#include <vector>

#include "platform/backends/headless/headless_backend.h"

class TfrmMain;

class SoakPlayer {
public:
    explicit SoakPlayer(std::mt19937_64& random) : random_(random) {}

    // A new game: nothing held, nothing planned.
    void newSession();
    // After each frame: the next step of the plan, or a new plan.
    void afterFrame(TfrmMain& form, platform::HeadlessBackend& backend);
    // While the disk refuses writes, the player goes for what writes files
    // (the options page, the highscore).
    void preferWriting(bool prefer) { preferWriting_ = prefer; }

private:
    using Step = std::function<void(TfrmMain&, platform::HeadlessBackend&)>;
    struct Planned {
        uint64_t frame;
        Step step;
    };

    // Plans, by what is on the screen.
    void plan(TfrmMain& form);
    void planMenu(TfrmMain& form);
    void planPlay(TfrmMain& form);
    void planWork(TfrmMain& form);
    void planGameOver(TfrmMain& form);
    void planMischief();

    // Steps `frames` after the last one planned.
    void then(int frames, Step step);
    void wait(int frames) { then(frames, [](TfrmMain&, platform::HeadlessBackend&) {}); }
    // Moves whichever cursor is in use onto (x, y), then clicks there.
    void clickAt(double x, double y, int button = 0);
    void clickControl(TfrmMain& form, const char* name);
    void tap(uint8_t key, int holdFrames = 3);
    void type(int characters);

    int between(int low, int high) { return low + static_cast<int>(random_() % uint64_t(high - low + 1)); }
    bool chance(int percent) { return between(1, 100) <= percent; }

    std::mt19937_64& random_;
    std::vector<Planned> plan_;
    uint64_t frame_ = 0;
    uint64_t planEnd_ = 0;
    bool preferWriting_ = false;
    // Some shifts the player hardly works, to be fired and meet the game
    // over screen, the name box and the highscore file.
    bool slacking_ = false;
    bool wasPlaying_ = false;
    int nextPad_ = 100;
};

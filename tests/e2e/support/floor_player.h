#pragma once
// A player on the factory floor who looks before acting: each step waits
// until the scene is ready for it (the worker idle, a card showing), then
// moves the mouse onto its target and clicks, through the headless backend
// like a real mouse. Nothing is set on the floor by hand.
#include <cmath>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>

#include "app/game_session.h"
#include "app/main_form.h"
#include "platform/backends/headless/headless_backend.h"

class FloorPlayer {
public:
    using Check = std::function<bool()>;
    using Act = std::function<void()>;

    FloorPlayer(platform::HeadlessBackend& backend, GameSession& session) : b_(backend), session_(session) {}

    TfrmMain& form() { return *session_.form(); }
    TGameFloor& floor() { return *form().FFloor; }
    TMainAssemblyLine& line() { return *floor().FMainLine; }
    TAssemblyWorker& worker() { return *floor().FWorker; }
    bool finished() const { return steps_.empty(); }

    // Polls from `atMs` on, every 10 ms.
    void start(uint32_t atMs) { b_.at(atMs, [this](platform::HeadlessBackend&) { poll(); }); }
    // Runs `act` once `ready` holds; steps run in order.
    void when(Check ready, Act act) { steps_.push_back({std::move(ready), std::move(act)}); }
    void then(Act act) { when([] { return true; }, std::move(act)); }
    void waitFor(Check ready) { when(std::move(ready), [] {}); }
    void waitMs(uint32_t ms)
    {
        auto until = std::make_shared<uint32_t>(0);
        then([this, until, ms] { *until = b_.now() + ms; });
        waitFor([this, until] { return b_.now() >= *until; });
    }

    // What a hand on the mouse does.
    void pointAt(double x, double y)
    {
        const TGameCursorSprite& cursor = *floor().FCursor;
        b_.mouseMove(static_cast<int>(std::lround(x - cursor.FX)), static_cast<int>(std::lround(y - cursor.FY)));
    }
    void press(int button = 0)
    {
        b_.mouseButton(button, true);
        b_.at(b_.now() + 30, [button](platform::HeadlessBackend& b) { b.mouseButton(button, false); });
    }

    // Steps of a shift.
    void waitForState(TGameState state)
    {
        waitFor([this, state] { return session_.form() && form().FState == state; });
    }
    // Past the title and the main menu into the first level's card.
    void startGame()
    {
        waitForState(gsIntro);
        then([this] { press(); });
        waitForState(gsMenu);
        // The menu's own cursor starts at (30, 30); "Play Game" is at (400, 145).
        then([this] { b_.mouseMove(370, 115); });
        then([this] { press(); });
        waitForState(gsLevelIntro);
    }
    // A click on the level card, once it offers to go on.
    void continueFromCard()
    {
        when([this] { return form().FState == gsLevelIntro && form().FLevel && form().FLevel->FLoaded; },
             [this] { press(); });
        waitForState(gsPlaying);
    }
    void waitIdle()
    {
        waitFor([this] { return worker().FCommand == TAssemblyWorker::wcNone; });
    }
    // Sends the worker to the pile holding that part or tool.
    void pick(const std::string& name)
    {
        waitIdle();
        then([this, name] {
            TBasePickLocation& pile = *floor().FPickLocations->FindPile(name);
            pointAt(pile.WorldX() + pile.Width() / 2.0, pile.WorldY() + pile.Height() / 2.0);
            press();
        });
        waitIdle();
    }
    // Sends him to the product with what he carries.
    void fit(int index)
    {
        waitIdle();
        then([this, index] {
            const platform::Rect r = line().GetProduct(index)->BoundsRect();
            pointAt((r.left + r.right) / 2.0, (r.top + r.bottom) / 2.0);
            press();
        });
        waitIdle();
    }
    void putBack()
    {
        waitIdle();
        then([this] { press(1); });
        waitIdle();
    }

private:
    struct Step {
        Check ready;
        Act act;
    };

    void poll()
    {
        uint32_t next = 10;
        if (!steps_.empty() && session_.form() && steps_.front().ready()) {
            Step step = std::move(steps_.front());
            steps_.pop_front();
            step.act();
            // Give the game a few frames to take in what was done.
            next = 60;
        }
        b_.at(b_.now() + next, [this](platform::HeadlessBackend&) { poll(); });
    }

    platform::HeadlessBackend& b_;
    GameSession& session_;
    std::deque<Step> steps_;
};

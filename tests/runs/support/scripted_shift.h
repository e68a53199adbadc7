#pragma once
// A short game played by a script on the headless backend and recorded:
// through the title and the menu onto the floor, a part fitted, the focus
// lost and found, the window minimised and restored, back to the menu and
// out with Escape.
#include <filesystem>
#include <functional>
#include <string>

#include "e2e/support/floor_player.h"
#include "platform/backends/keycodes.h"
#include "runs/game_recorder.h"
#include "support/game_folder.h"
#include "support/level_files.h"

struct ScriptedShift {
    // Called once, 6 s into the game, while the recording is being written.
    std::function<void()> midway;

    RecordedRun record(const std::string& file, GameFolder& dir)
    {
        dir.write("Brindlecog.ini", "[General]\nFullScreen=0\n");
        WriteLevel(dir.path(), 1, LevelPlan{.speed = 2, .spacing = 0, .products = {"boat", "pizza", "car"}});
        platform::HeadlessBackend backend;
        backend.headlessClock().setRandomSeed(7);
        backend.headlessAudio().setDeviceAvailable(true);
        recording::RecordingWriter writer(file, [&backend] { return int64_t(backend.now()); });
        std::unique_ptr<FloorPlayer> player;
        return RecordGame(backend, writer, dir.folder(), [&](GameSession& session) {
            player = std::make_unique<FloorPlayer>(backend, session);
            FloorPlayer& p = *player;
            p.startGame();
            p.continueFromCard();
            p.pick("boat-cabine");
            p.fit(0);
            p.then([&backend] { backend.loseFocus(); });
            p.waitMs(300);
            p.then([&backend] { backend.gainFocus(); });
            p.pick("car-wheels");
            p.then([&backend] { backend.minimize(); });
            p.waitMs(500);
            p.then([&backend] { backend.restore(); });
            p.fit(2);
            p.waitMs(2000);
            p.then([&backend] { backend.keyDown(platform::dik::Escape); });
            p.then([&backend] { backend.keyUp(platform::dik::Escape); });
            p.waitForState(gsMenu);
            p.waitMs(200);
            p.then([&backend] { backend.keyDown(platform::dik::Escape); });
            p.start(0);
            if (midway) backend.at(6000, [this](platform::HeadlessBackend&) { midway(); });
            backend.closeAfter(120'000);
        });
    }
};

// A player at work on the floor: picking, fitting, using tools, putting
// back, with the mouse and with the keys, through the real input path.
#include <gtest/gtest.h>

#include "e2e/support/floor_player.h"
#include "platform/backends/keycodes.h"
#include "support/game_folder.h"
#include "support/level_files.h"

namespace {

class PlayEndToEnd : public ::testing::Test {
protected:
    PlayEndToEnd()
    {
        dir.write("Brindlecog.ini", "[General]\nFullScreen=0\n");
        backend.headlessAudio().setDeviceAvailable(true);
    }
    // A slow first level holding these products, and the way onto the floor.
    void level(std::vector<std::string> products, int32_t speed = 1)
    {
        WriteLevel(dir.path(), 1, LevelPlan{.speed = speed, .spacing = 0, .products = std::move(products)});
        player.startGame();
        player.continueFromCard();
    }
    void run(uint32_t limit = 120'000)
    {
        player.start(0);
        player.then([this] { backend.requestClose(); });
        backend.closeAfter(limit);
        session.run();
        EXPECT_TRUE(player.finished()) << "the script did not get to its end";
    }
    // Whether the sound is playing now; it is heard out so it can be heard again.
    bool heard(const char* name)
    {
        const bool playing = player.form().DSoundList1.Items().Find(name).IsPlaying();
        backend.headlessAudio().pull(44100 * 2 * 3);
        return playing;
    }
    TBaseAssemblyObject& product(int i) { return *player.line().GetProduct(i); }
    std::string hint() { return player.form().FHintMessage1 + " / " + player.form().FHintMessage2; }
    // Lets the hint message run out, so the next one shows.
    void waitOutHint() { player.waitFor([this] { return player.form().FHintMessageTime == 0; }); }

    GameFolder dir;
    platform::HeadlessBackend backend;
    GameSession session{backend, dir.folder()};
    FloorPlayer player{backend, session};
};

}  // namespace

TEST_F(PlayEndToEnd, PickAPartAndFitIt)
{
    level({"boat"});
    int stage = -1, carried = -1;
    bool picked = false, good = false;
    player.pick("boat-cabine");
    player.then([&] {
        carried = static_cast<int>(player.worker().FParts.size());
        picked = heard("pick");
    });
    player.fit(0);
    player.then([&] {
        stage = product(0).FStage;
        good = heard("tryupdateproduct-good");
    });
    run();
    EXPECT_EQ(carried, 1);
    EXPECT_TRUE(picked);
    EXPECT_EQ(stage, 1);
    EXPECT_TRUE(good);
}

TEST_F(PlayEndToEnd, WrongPartsAndToolsAreAnsweredWithTheirMessages)
{
    level({"hamburger", "pizza", "basketball", "drinkbottle", "hamburger"});
    std::vector<std::string> said;
    bool bad = false;
    // The top bread on a bare hamburger.
    player.pick("hamburger-topbread");
    player.fit(0);
    player.then([&] {
        said.push_back(hint());
        bad = heard("tryupdateproduct-bad");
    });
    // The same bread on the pizza.
    waitOutHint();
    player.fit(1);
    player.then([&] { said.push_back(hint()); });
    player.putBack();
    // The meat, then a second meat.
    player.pick("hamburger-bief");
    player.fit(0);
    player.pick("hamburger-bief");
    waitOutHint();
    player.fit(0);
    player.then([&] { said.push_back(hint()); });
    player.putBack();
    // The compressor on the bottle and on the pizza.
    player.pick("compressor-presser");
    waitOutHint();
    player.fit(3);
    player.then([&] { said.push_back(hint()); });
    waitOutHint();
    player.fit(1);
    player.then([&] { said.push_back(hint()); });
    run();
    EXPECT_TRUE(bad);
    EXPECT_EQ(said, (std::vector<std::string>{
                        "Wrong part! / You need another part first.",
                        "Wrong part! / Part belongs to another product.",
                        "Wrong part! / You need a next part.",
                        "Wrong tool for this product! / ",
                        "You do not need a tool on this product! / ",
                    }));
}

TEST_F(PlayEndToEnd, ToolWorksUntilTheProductIsCompleteThenIsRefusedSilently)
{
    level({"soccerball"});
    int stage = -1;
    bool bad = false, tool = false;
    std::string said = "?";
    player.pick("compressor-presser");
    player.fit(0);
    player.fit(0);
    player.then([&] { heard("tryupdateproduct-bad"); });
    player.fit(0);
    player.then([&] {
        stage = product(0).FStage;
        bad = heard("tryupdateproduct-bad");
        said = player.form().FHintMessage1;
        tool = player.worker().HasTool();
    });
    run();
    EXPECT_EQ(stage, 2);
    EXPECT_TRUE(bad);
    EXPECT_EQ(said, "");
    EXPECT_TRUE(tool);
}

TEST_F(PlayEndToEnd, TwoPartsCarriedTheTopOneIsFittedFirst)
{
    level({"tractor"});
    int carried = 0, afterFirst = -1, afterSecond = -1;
    player.pick("tractor-frontwheel");
    player.pick("tractor-backwheel");
    player.then([&] { carried = static_cast<int>(player.worker().FParts.size()); });
    player.fit(0);
    player.then([&] { afterFirst = product(0).FStage; });
    player.fit(0);
    player.then([&] { afterSecond = product(0).FStage; });
    run();
    EXPECT_EQ(carried, 2);
    EXPECT_EQ(afterFirst, 1);
    EXPECT_EQ(afterSecond, 2);
}

TEST_F(PlayEndToEnd, RightClickPutsBackTheToolThenAPartAndDoesNothingEmptyHanded)
{
    level({"basketball", "car", "car"});
    bool toolBack = false, partBack = false, putbackSound = false;
    int emptyCommand = -1;
    player.pick("compressor-presser");
    player.putBack();
    player.then([&] {
        toolBack = player.floor().FPickLocations->FindPile("compressor-presser")->FTool != nullptr &&
                   !player.worker().HasTool();
        putbackSound = heard("putback");
    });
    player.pick("car-wheels");
    player.putBack();
    player.then([&] {
        partBack = player.floor().FPickLocations->FindPile("car-wheels")->FParts.size() == 2 &&
                   !player.worker().HasParts();
        player.press(1);
    });
    player.then([&] { emptyCommand = player.worker().FCommand; });
    run();
    EXPECT_TRUE(toolBack);
    EXPECT_TRUE(putbackSound);
    EXPECT_TRUE(partBack);
    EXPECT_EQ(emptyCommand, TAssemblyWorker::wcNone);
}

TEST_F(PlayEndToEnd, WithAToolInHandAPileOfPartsGivesNothing)
{
    level({"basketball", "car"});
    bool onlyTool = false;
    player.pick("compressor-presser");
    player.pick("car-wheels");
    player.then([&] {
        onlyTool = player.worker().HasTool() && !player.worker().HasParts() &&
                   player.floor().FPickLocations->FindPile("car-wheels")->FParts.size() == 1;
    });
    run();
    EXPECT_TRUE(onlyTool);
}

TEST_F(PlayEndToEnd, TheWorkerNeverLeavesHisStretchOfFloor)
{
    // He follows the first product down to the lower belt and past the
    // light, then goes for whatever stands at the right edge of the screen.
    level({"car", "boat", "car", "boat", "car", "boat", "car", "boat", "car", "boat", "car", "boat"}, 3);
    double lowest = 1e9, highest = -1e9;
    auto watch = [&] {
        lowest = std::min(lowest, player.worker().FX);
        highest = std::max(highest, player.worker().FX);
    };
    for (int round = 0; round < 60; ++round) {
        player.waitMs(250);
        player.then([&, round] {
            watch();
            if (round < 40) {
                const platform::Rect r = player.line().GetProduct(0)->BoundsRect();
                player.pointAt(std::max((r.left + r.right) / 2, 0), (r.top + r.bottom) / 2);
            } else {
                player.pointAt(789, 330);
            }
            player.press();
        });
        player.then(watch);
    }
    run();
    EXPECT_EQ(lowest, 220);
    EXPECT_LE(highest, 750);
    EXPECT_GT(highest, 650);
}

TEST_F(PlayEndToEnd, KeysAloneCanPlay)
{
    level({"car"}, 0);
    int stage = -1;
    // The arrow keys move the cursor 250 pixels a second: held just long
    // enough, down and right, they bring it onto a point below and right.
    auto steerTo = [&](double x, double y) {
        const TGameCursorSprite& cursor = *player.floor().FCursor;
        for (auto [key, way] : {std::pair{platform::dik::Down, y - cursor.FY}, std::pair{platform::dik::Right, x - cursor.FX}}) {
            backend.keyDown(key);
            backend.at(backend.now() + static_cast<uint32_t>(way / 250 * 1000),
                       [key](platform::HeadlessBackend& b) { b.keyUp(key); });
        }
    };
    auto tap = [&](uint8_t key) {
        backend.keyDown(key);
        backend.at(backend.now() + 40, [key](platform::HeadlessBackend& b) { b.keyUp(key); });
    };
    // To the wheels' pile, Space to pick.
    player.then([&] {
        const TBasePickLocation& pile = *player.floor().FPickLocations->FindPile("car-wheels");
        steerTo(pile.WorldX() + 20, pile.WorldY() + 10);
    });
    player.waitMs(2000);
    player.then([&] { tap(platform::dik::Space); });
    player.waitMs(100);
    player.waitIdle();
    // Down to the car on the belt, Z to fit.
    player.then([&] {
        const platform::Rect r = player.line().GetProduct(0)->BoundsRect();
        steerTo((r.left + r.right) / 2.0, (r.top + r.bottom) / 2.0);
    });
    player.waitMs(3000);
    player.then([&] { tap(platform::dik::Z); });
    player.waitMs(100);
    player.waitIdle();
    player.then([&] { stage = product(0).FStage; });
    run();
    EXPECT_EQ(stage, 1);
}

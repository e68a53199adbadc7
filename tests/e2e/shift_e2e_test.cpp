// Whole shifts, from the level's card to the chief's verdict and on: the
// next level, the game-over screen or the closing card.
#include <gtest/gtest.h>

#include "e2e/support/floor_player.h"
#include "e2e/support/frame_ink.h"
#include "platform/backends/keycodes.h"
#include "support/game_folder.h"
#include "support/level_files.h"

namespace {

class ShiftEndToEnd : public ::testing::Test {
protected:
    ShiftEndToEnd()
    {
        dir.write("Brindlecog.ini", "[General]\nFullScreen=0\n");
        backend.headlessAudio().setDeviceAvailable(true);
    }
    void run(uint32_t limit = 300'000)
    {
        player.start(0);
        player.then([this] { backend.requestClose(); });
        backend.closeAfter(limit);
        session.run();
        EXPECT_TRUE(player.finished()) << "the script did not get to its end";
    }
    TfrmMain& form() { return player.form(); }
    // Fits the wheels of every car of the queue, one after the other.
    void finishCars(int count)
    {
        for (int i = 0; i < count; ++i) {
            player.pick("car-wheels");
            player.fit(i);
        }
    }
    // What the chief says, once he says it.
    void hearVerdict(std::string& said, int& face)
    {
        player.waitFor([this] { return form().FFloor->FChief->FState == TChiefSprite::csRating; });
        player.then([this, &said, &face] {
            const auto& lines = form().FFloor->FBalloon->FLines;
            said = lines.size() == 2 ? lines[0] + lines[1] : "";
            face = form().FFloor->FChief->PatternIndex();
        });
    }
    bool playing(const char* name) { return form().DSoundList1.Items().Find(name).IsPlaying(); }
    // A click on a card that offers no way on, then Escape: where each leads.
    void clickThenEscape(TGameState& afterClick, TGameState& afterEscape)
    {
        player.then([this] { player.press(); });
        player.waitMs(200);
        player.then([this, &afterClick] {
            afterClick = form().FState;
            backend.keyDown(platform::dik::Escape);
        });
        player.then([this] { backend.keyUp(platform::dik::Escape); });
        player.then([this, &afterEscape] { afterEscape = form().FState; });
    }

    GameFolder dir;
    platform::HeadlessBackend backend;
    GameSession session{backend, dir.folder()};
    FloorPlayer player{backend, session};
};

}  // namespace

TEST_F(ShiftEndToEnd, AShiftWellDoneIsPraisedAndTheTotalCarriesOn)
{
    WriteLevel(dir.path(), 1, {.number = 1, .speed = 2, .firedBelow = 20, .veryGoodFrom = 40, .products = {"car", "car"}});
    WriteLevel(dir.path(), 2, {.number = 2, .name = "Second", .speed = 2, .products = {"boat"}});
    std::string said;
    int face = -1, levelScore = -1, headDuringRating = -1;
    double workerX = 0;
    bool balloon = false;
    TGameState after = gsNone;
    int32_t totalAfter = -1, levelAfter = -1, number = -1;
    player.startGame();
    player.continueFromCard();
    finishCars(2);
    hearVerdict(said, face);
    player.waitMs(500);
    player.then([&] {
        levelScore = form().FLevelScore;
        balloon = form().FFloor->FBalloon->Visible;
        workerX = form().FFloor->FWorker->FX;
        headDuringRating = form().FFloor->FWorker->FHead->PatternIndex();
    });
    player.waitForState(gsLevelIntro);
    player.then([&] {
        after = form().FState;
        totalAfter = form().FTotalScore;
        levelAfter = form().FLevelScore;
        number = form().FLevel->FLevelNumber;
    });
    run();
    EXPECT_EQ(said, "Very good job John!Please continue this way.");
    EXPECT_EQ(face, 7);
    EXPECT_EQ(levelScore, 40);
    EXPECT_TRUE(balloon);
    EXPECT_EQ(workerX, 550);
    EXPECT_EQ(headDuringRating, 6);
    EXPECT_EQ(after, gsLevelIntro);
    EXPECT_EQ(number, 2);
    EXPECT_EQ(totalAfter, 40);
    EXPECT_EQ(levelAfter, 0);
}

TEST_F(ShiftEndToEnd, NothingDoneGetsTheWorkerFiredAndTheTotalIsSaved)
{
    WriteLevel(dir.path(), 1, {.number = 1, .speed = 3, .firedBelow = 20, .veryGoodFrom = 40, .products = {"car", "car"}});
    WriteLevel(dir.path(), 2, {.number = 2, .speed = 3, .firedBelow = 20, .veryGoodFrom = 20, .products = {"boat"}});
    std::string said;
    int face = -1;
    int32_t totalOnGameOver = -1;
    bool saved = false;
    player.startGame();
    player.continueFromCard();
    finishCars(1);  // 20 points: the job is done, no more
    player.continueFromCard();
    hearVerdict(said, face);
    player.waitForState(gsGameOver);
    player.then([&] { totalOnGameOver = form().FTotalScore; });
    // Into the name box, a name, out of it, and S.
    player.then([&] { backend.mouseMove(270, 150); });
    player.then([&] { player.press(); });
    for (uint8_t key : {platform::dik::J, platform::dik::O}) {
        player.then([&, key] { backend.keyDown(key); });
        player.then([&, key] { backend.keyUp(key); });
    }
    for (uint8_t key : {platform::dik::Return, platform::dik::S}) {
        player.then([&, key] { backend.keyDown(key); });
        player.then([&, key] { backend.keyUp(key); });
    }
    player.then([&] { saved = form().FHighScoreSaved; });
    run();
    EXPECT_EQ(said, "What the hell are you doing? You are fired!");
    EXPECT_EQ(face, 8);
    EXPECT_EQ(totalOnGameOver, 20);
    EXPECT_TRUE(saved);
    const std::string record = dir.read("HighScores/highscores-brindlecog.hs");
    ASSERT_EQ(record.size(), 100u);
    EXPECT_EQ(record.substr(12, 3), std::string("\2jo", 3));
    EXPECT_EQ(record.substr(43, 4), std::string("\24\0\0\0", 4)) << "total score 20";
    EXPECT_EQ(record.substr(47, 4), std::string("\2\0\0\0", 4)) << "level 2";
}

TEST_F(ShiftEndToEnd, ScoresEqualToAThresholdCountForTheBetterVerdict)
{
    // 20 points against "fired below 20": not fired. Then 20 against "very
    // good from 20": praised.
    WriteLevel(dir.path(), 1, {.number = 1, .speed = 3, .firedBelow = 20, .veryGoodFrom = 40, .products = {"car"}});
    WriteLevel(dir.path(), 2, {.number = 2, .speed = 3, .firedBelow = 10, .veryGoodFrom = 20, .products = {"car"}});
    std::string first, second;
    int face1 = -1, face2 = -1;
    player.startGame();
    player.continueFromCard();
    finishCars(1);
    hearVerdict(first, face1);
    player.continueFromCard();
    finishCars(1);
    hearVerdict(second, face2);
    run();
    EXPECT_EQ(first, "You did your job John.But you can do better.");
    EXPECT_EQ(face1, 5);
    EXPECT_EQ(second, "Very good job John!Please continue this way.");
}

TEST_F(ShiftEndToEnd, AfterTheLastLevelFileAllLevelsAreCompletedWithTheNextLevelsMusic)
{
    for (int n = 1; n <= 3; ++n) WriteLevel(dir.path(), n, {.number = n, .speed = 3, .products = {"car"}});
    TGameState end = gsNone, afterClick = gsNone;
    bool music = false;
    int32_t number = 0;
    player.startGame();
    for (int n = 1; n <= 3; ++n) player.continueFromCard();
    player.waitForState(gsAllLevelsDone);
    player.then([&] {
        end = form().FState;
        number = form().FLevel->FLevelNumber;
        // Level 4's music: levels whose number leaves 4 over by five.
        music = playing("levelmusicloop5");
    });
    player.waitMs(200);
    player.then([&] { player.press(); });
    player.then([&] { afterClick = form().FState; });
    run();
    EXPECT_EQ(end, gsAllLevelsDone);
    EXPECT_EQ(number, 4);
    EXPECT_TRUE(music);
    EXPECT_EQ(afterClick, gsGameOver);
}

TEST_F(ShiftEndToEnd, TheNumberAFileStoresIsShownAndLeadsToTheNextFile)
{
    WriteLevel(dir.path(), 1, {.number = 7, .name = "Lucky", .speed = 3, .products = {"car"}});
    WriteLevel(dir.path(), 8, {.number = 8, .name = "Eighth", .speed = 3, .products = {"car"}});
    int32_t shown = 0, next = 0;
    std::string nextName;
    player.startGame();
    player.then([&] { shown = form().FLevel->FLevelNumber; });
    player.continueFromCard();
    player.waitForState(gsLevelIntro);
    player.then([&] {
        next = form().FLevel->FLevelNumber;
        nextName = std::string(form().FLevel->FLevelName.View());
    });
    run();
    EXPECT_EQ(shown, 7);
    EXPECT_EQ(next, 8);
    EXPECT_EQ(nextName, "Eighth");
}

TEST_F(ShiftEndToEnd, BeyondLevel25EvenTheFiredGoToTheClosingCard)
{
    WriteLevel(dir.path(), 1, {.number = 26, .speed = 3, .firedBelow = 100, .veryGoodFrom = 100, .products = {"car"}});
    std::string said;
    int face = -1;
    TGameState end = gsNone;
    player.startGame();
    player.continueFromCard();
    hearVerdict(said, face);
    player.waitFor([&] { return form().FState != gsPlaying; });
    player.then([&] { end = form().FState; });
    run();
    EXPECT_EQ(said, "What the hell are you doing? You are fired!");
    EXPECT_EQ(end, gsAllLevelsDone);
}

TEST_F(ShiftEndToEnd, ADamagedLevelFileShowsItsCardWithoutAWayOnButEscape)
{
    dir.write("Levels/Level1.lev", "not a level");
    bool loaded = true;
    TGameState afterClick = gsNone, afterEscape = gsNone;
    player.startGame();
    player.waitMs(500);
    player.then([&] { loaded = form().FLevel->FLoaded; });
    clickThenEscape(afterClick, afterEscape);
    run();
    EXPECT_FALSE(loaded);
    EXPECT_EQ(afterClick, gsLevelIntro);
    EXPECT_EQ(afterEscape, gsMenu);
}

TEST_F(ShiftEndToEnd, AnUnreadableLevelFileShowsABareCardOverAnEmptyFloor)
{
    WriteLevel(dir.path(), 1,
               {.number = 1, .name = "First day", .description = "A cabin on every boat", .speed = 3,
                .products = {"car", "car"}});
    // There, but no file to read, even for root.
    std::filesystem::create_directory(dir.path() / "Levels" / "Level2.lev");
    // Ink right of "Level N" (where the name goes) and in the description's row.
    struct Card {
        int name = -1, description = -1;
    } first, second;
    auto look = [&](Card& card) {
        player.waitMs(100);
        player.then([&] {
            card.name = InkIn(backend.headlessVideo(), 320, 100, 800, 140);
            card.description = InkIn(backend.headlessVideo(), 100, 180, 800, 210);
        });
    };
    int32_t number = 0;
    int piles = -1, products = -1;
    TGameState afterClick = gsNone, afterEscape = gsNone;
    player.startGame();
    look(first);
    player.continueFromCard();
    finishCars(1);  // one wheel is left on its pile
    player.waitForState(gsLevelIntro);
    look(second);
    player.then([&] {
        number = form().FLevel->FLevelNumber;
        piles = form().FFloor->FPickLocations->Count();
        products = form().FFloor->FMainLine->ProductCount();
    });
    clickThenEscape(afterClick, afterEscape);
    run();
    EXPECT_GT(first.name, 0);
    EXPECT_GT(first.description, 0);
    EXPECT_EQ(second.name, 0) << "the last level's name stays off the card";
    EXPECT_EQ(second.description, 0) << "and so does its description";
    EXPECT_EQ(number, 2);
    EXPECT_EQ(piles, 0);
    EXPECT_EQ(products, 0);
    EXPECT_EQ(afterClick, gsLevelIntro);
    EXPECT_EQ(afterEscape, gsMenu);
}

TEST_F(ShiftEndToEnd, PauseFreezesTheFloorAndTheHintsButKeepsTheScene)
{
    WriteLevel(dir.path(), 1, {.number = 1, .speed = 3, .products = {"hamburger", "hamburger"}});
    double before = 0, after = 1;
    int32_t cycleBefore = 0, cycleAfter = 1, messageBefore = 0, messageAfter = 1;
    int framesBefore = 0, framesAfter = 0;
    bool resumed = false;
    player.startGame();
    player.continueFromCard();
    // A wrong part, so a hint message shows.
    player.pick("hamburger-lettuce");
    player.fit(0);
    player.then([&] { backend.keyDown(platform::dik::F2); });
    player.then([&] {
        backend.keyUp(platform::dik::F2);
        before = form().FFloor->FMainLine->GetProduct(1)->WorldX();
        cycleBefore = form().FHintCycleTime;
        messageBefore = form().FHintMessageTime;
        framesBefore = backend.headlessVideo().presentedCount();
    });
    player.waitMs(3000);
    player.then([&] {
        after = form().FFloor->FMainLine->GetProduct(1)->WorldX();
        cycleAfter = form().FHintCycleTime;
        messageAfter = form().FHintMessageTime;
        framesAfter = backend.headlessVideo().presentedCount();
        backend.keyDown(platform::dik::F2);
    });
    player.then([&] { backend.keyUp(platform::dik::F2); });
    player.waitMs(1000);
    player.then([&] { resumed = form().FFloor->FMainLine->GetProduct(1)->WorldX() < after; });
    run();
    EXPECT_GT(messageBefore, 0);
    EXPECT_EQ(before, after);
    EXPECT_EQ(cycleBefore, cycleAfter);
    EXPECT_EQ(messageBefore, messageAfter);
    EXPECT_GT(framesAfter, framesBefore + 250) << "the frozen scene is still drawn";
    EXPECT_TRUE(resumed);
}

TEST_F(ShiftEndToEnd, EscapeLeavesTheShiftAndTheNextGameStartsAfresh)
{
    WriteLevel(dir.path(), 1, {.number = 1, .speed = 3, .products = {"car", "car"}});
    WriteLevel(dir.path(), 2, {.number = 2, .speed = 3, .products = {"boat"}});
    int32_t totalInPlay = -1, totalInMenu = -1, numberAgain = -1;
    TGameState afterEscape = gsNone;
    player.startGame();
    player.continueFromCard();
    finishCars(1);
    player.waitFor([&] { return form().FTotalScore > 0; });
    player.then([&] {
        totalInPlay = form().FTotalScore;
        backend.keyDown(platform::dik::Escape);
    });
    player.then([&] {
        backend.keyUp(platform::dik::Escape);
        afterEscape = form().FState;
        totalInMenu = form().FTotalScore;
    });
    // "Play Game" again: the menu's cursor is back at (30, 30).
    player.then([&] { backend.mouseMove(370, 115); });
    player.then([&] { player.press(); });
    player.waitForState(gsLevelIntro);
    player.then([&] { numberAgain = form().FLevel->FLevelNumber; });
    run();
    EXPECT_EQ(totalInPlay, 20);
    EXPECT_EQ(afterEscape, gsMenu);
    EXPECT_EQ(totalInMenu, 0);
    EXPECT_EQ(numberAgain, 1);
}

TEST_F(ShiftEndToEnd, APauseTakenInTheMenuHoldsTheFirstShiftAndLosingTheWindowPausesPlay)
{
    WriteLevel(dir.path(), 1, {.number = 1, .speed = 3, .products = {"car", "car"}});
    bool pausedAtStart = false, movedWhilePaused = true, pausedByFocus = false, resumed = false;
    double x = 0;
    player.waitForState(gsIntro);
    player.then([&] { player.press(); });
    player.waitForState(gsMenu);
    player.then([&] { backend.keyDown(platform::dik::F2); });
    player.then([&] { backend.keyUp(platform::dik::F2); });
    player.then([&] { backend.mouseMove(370, 115); });
    player.then([&] { player.press(); });
    player.continueFromCard();
    player.then([&] {
        pausedAtStart = form().FPaused;
        x = form().FFloor->FMainLine->GetProduct(0)->WorldX();
    });
    player.waitMs(1000);
    player.then([&] {
        movedWhilePaused = form().FFloor->FMainLine->GetProduct(0)->WorldX() != x;
        backend.keyDown(platform::dik::F2);
    });
    player.then([&] { backend.keyUp(platform::dik::F2); });
    player.waitMs(500);
    player.then([&] { backend.loseFocus(); });
    player.then([&] {
        pausedByFocus = form().FPaused;
        backend.gainFocus();
    });
    player.then([&] { backend.keyDown(platform::dik::F2); });
    player.then([&] { backend.keyUp(platform::dik::F2); });
    player.then([&] { resumed = !form().FPaused; });
    run();
    EXPECT_TRUE(pausedAtStart);
    EXPECT_FALSE(movedWhilePaused);
    EXPECT_TRUE(pausedByFocus);
    EXPECT_TRUE(resumed);
}

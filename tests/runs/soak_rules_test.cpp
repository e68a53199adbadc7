// The soak's rules catch what they are meant to: a worker off his floor, a
// cursor outside its area, a tool carried with parts, a product counted
// twice, a score that falls, files that are not whole or that changed while
// writing them was refused. A game played properly breaks none of them.
#include <gtest/gtest.h>

#include "e2e/support/floor_player.h"
#include "runs/soak_rules.h"
#include "support/game_folder.h"
#include "support/level_files.h"

namespace {

std::string Broken(SoakRules& rules, TfrmMain& form)
{
    const auto violation = rules.afterFrame(form);
    return violation ? violation->rule : "";
}

class SoakRulesOnTheFloor : public ::testing::Test {
protected:
    SoakRulesOnTheFloor()
    {
        dir.write("Brindlecog.ini", "[General]\nSoundOn=1\nMusicOn=1\nFullScreen=0\n");
        WriteLevel(dir.path(), 1, LevelPlan{.speed = 3, .spacing = 0, .products = {"boat", "basketball"}});
        session.setOnFrame([this](TfrmMain& form) {
            if (auto violation = watching.afterFrame(form)) seen.push_back(violation->rule + ": " + violation->detail);
        });
        player.startGame();
        player.continueFromCard();
    }
    void run()
    {
        player.start(0);
        player.then([this] { backend.requestClose(); });
        backend.closeAfter(120'000);
        session.run();
        EXPECT_TRUE(player.finished());
        EXPECT_TRUE(seen.empty()) << seen.front();
    }

    GameFolder dir;
    platform::HeadlessBackend backend;
    GameSession session{backend, dir.folder()};
    FloorPlayer player{backend, session};
    SoakRules watching{dir.path()};  // every frame of the game played properly
    std::vector<std::string> seen;
};

}  // namespace

TEST_F(SoakRulesOnTheFloor, EachRuleCatchesItsFault)
{
    std::vector<std::string> caught;
    int32_t total = -1;
    player.pick("boat-cabine");
    player.then([&] {
        TfrmMain& form = player.form();
        TAssemblyWorker& worker = player.worker();
        SoakRules rules(dir.path());
        const auto check = [&](auto spoil, auto mend) {
            rules.newSession();
            Broken(rules, form);  // the frame before
            spoil();
            caught.push_back(Broken(rules, form));
            mend();
        };
        const double x = worker.FX;
        check([&] { worker.FX = 219.5; }, [&] { worker.FX = x; });
        check([&] { player.floor().FCursor->FX = 791; }, [&] { player.floor().FCursor->FX = 100; });
        check([&] { form.FGUI->Cursor->Y = -1; }, [&] { form.FGUI->Cursor->Y = 30; });
        TBasePickLocation& tools = *player.floor().FPickLocations->FindPile("compressor-presser");
        check([&] { worker.FTool = std::move(tools.FTool); }, [&] { tools.FTool = std::move(worker.FTool); });
        check([&] { form.FLevelScore -= 1; }, [&] { form.FLevelScore += 1; });
        check([&] { form.FTotalScore += 20; }, [&] { form.FTotalScore -= 20; });
    });
    player.fit(0);
    player.waitFor([&] { return player.line().GetProduct(0)->FPassed; });
    player.then([&] {
        SoakRules rules(dir.path());
        Broken(rules, player.form());
        TBaseAssemblyObject& boat = *player.line().GetProduct(0);
        boat.FPassed = false;
        caught.push_back(Broken(rules, player.form()));
        boat.FPassed = true;
        total = player.form().FTotalScore;
    });
    run();
    EXPECT_EQ(caught, (std::vector<std::string>{"worker within 220..750", "cursor within its area",
                                                "cursor within its area", "a tool never carried with parts",
                                                "scores never falling within a shift", "no product judged twice",
                                                "no product judged twice"}));
    EXPECT_EQ(total, 20) << "the game was left as it was: one boat finished";
}

TEST(SoakRulesOnFiles, FilesMustBeWholeAndStayPutWhileWritesAreRefused)
{
    GameFolder dir;
    std::filesystem::create_directories(dir.path() / "HighScores");
    SoakRules rules(dir.path());
    const auto broken = [&] {
        const auto violation = rules.checkFiles();
        return violation ? violation->detail : "";
    };
    EXPECT_EQ(broken(), "the settings file is gone");
    const std::string whole = "[General]\nSoundOn=1\nMusicOn=0\nFullScreen=1\n";
    dir.write("Brindlecog.ini", whole);
    EXPECT_EQ(broken(), "");
    dir.write("Brindlecog.ini", whole.substr(0, whole.size() - 10));
    EXPECT_NE(broken(), "") << "cut off in the middle";
    dir.write("Brindlecog.ini", whole);
    dir.write("HighScores/highscores-brindlecog.hs", std::string(50, 'x'));
    EXPECT_EQ(broken(), "the highscore file holds 50 bytes");
    std::filesystem::remove(dir.path() / "HighScores/highscores-brindlecog.hs");
    dir.write("Brindlecog.ini.tmp", "");
    EXPECT_EQ(broken(), "a temporary file is left beside Brindlecog.ini");
    std::filesystem::remove(dir.path() / "Brindlecog.ini.tmp");

    rules.refuseWrites(true, false);
    dir.write("HighScores/highscores-brindlecog.hs", std::string(51, '\0') + std::string("1.0\0", 4) + std::string(45, '\0'));
    EXPECT_EQ(broken(), "") << "writing the highscore was not refused";
    dir.write("Brindlecog.ini", "[General]\nSoundOn=0\nMusicOn=0\nFullScreen=1\n");
    EXPECT_EQ(broken(), "the settings file changed while writing it was refused");
    rules.refuseWrites(false, false);
    EXPECT_EQ(broken(), "");
}

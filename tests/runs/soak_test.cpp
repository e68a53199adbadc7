// The soak plays game after game without breaking a rule, brings on its
// faults, and plays the same game again for the same seed.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include "gameplay/game_state.h"
#include "runs/soak.h"
#include "runs/soak_faults.h"
#include "support/temp_dir.h"

TEST(Soak, AMinuteOfRandomPlayKeepsEveryRule)
{
    const SoakOutcome outcome = Soak(SoakOptions{.minutes = 1, .seed = 5}, BRINDLECOG_GAME_DIR);
    EXPECT_EQ(outcome.exitCode, 0) << outcome.failure;
    EXPECT_TRUE(outcome.failure.empty());
    EXPECT_EQ(outcome.minutes, 1.0);
    EXPECT_GT(outcome.frames, 3000u) << "most of the minute is played, not waited through";
    EXPECT_GE(outcome.faults, 1u);
    EXPECT_GT(outcome.framesByState[gsPlaying], outcome.frames / 2) << outcome.details();
    EXPECT_GT(outcome.rssStartKb, 0);
    EXPECT_TRUE(std::regex_match(outcome.line(),
                                 std::regex(R"(soak: minutes=1 frames=\d+ shifts=\d+ rss_start_kb=\d+ rss_end_kb=\d+)")))
        << outcome.line();
}

TEST(Soak, TheSameSeedPlaysTheSameGame)
{
    const SoakOptions options{.minutes = 0.15, .seed = 11};
    const SoakOutcome first = Soak(options, BRINDLECOG_GAME_DIR);
    const SoakOutcome again = Soak(options, BRINDLECOG_GAME_DIR);
    const SoakOutcome other = Soak(SoakOptions{.minutes = 0.15, .seed = 12}, BRINDLECOG_GAME_DIR);
    EXPECT_EQ(first.frames, again.frames);
    EXPECT_EQ(first.framesByState, again.framesByState);
    EXPECT_EQ(first.settingsWrites, again.settingsWrites);
    EXPECT_NE(first.framesByState, other.framesByState);
}

TEST(Soak, ABrokenRuleIsReportedWithItsFrameAndTheSeedThatRepeatsIt)
{
    // A game folder whose first picture is cut short: start-up stops with
    // an error, which no game may show.
    TempDir folder;
    std::filesystem::copy(std::filesystem::path(BRINDLECOG_GAME_DIR) / "SysData", folder.path() / "SysData",
                          std::filesystem::copy_options::recursive);
    const auto picture = folder.path() / "SysData" / "DatImg001.dat";
    std::filesystem::resize_file(picture, std::filesystem::file_size(picture) / 2);
    const SoakOutcome outcome = Soak(SoakOptions{.minutes = 0.5, .seed = 3}, folder.folder());
    EXPECT_EQ(outcome.exitCode, 1);
    EXPECT_EQ(outcome.frames, 0u);
    EXPECT_EQ(outcome.failure.rfind("rule \"no error shown\" broken at frame 0 (game 1, 0.00 s of game time): ", 0), 0u)
        << outcome.failure;
    EXPECT_NE(outcome.failure.find("seed 3 repeats it (brindlecog --soak 0.5 --seed 3)"), std::string::npos)
        << outcome.failure;
}

TEST(SoakFaults, ReadOnlyFoldersHoldEvenForRoot)
{
    // A process that may write anywhere would make the read-only faults
    // meaningless; the soak gives that up first.
    TempDir dir;
    std::mt19937_64 random(1);
    SoakFaults faults(random, dir.path());
    EXPECT_EQ(faults.note(), "");
}

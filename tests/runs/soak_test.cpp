// The soak plays game after game without breaking a rule, brings on its
// faults, and plays the same game again for the same seed.
#include <gtest/gtest.h>

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

TEST(SoakFaults, ReadOnlyFoldersHoldEvenForRoot)
{
    // A process that may write anywhere would make the read-only faults
    // meaningless; the soak gives that up first.
    TempDir dir;
    std::mt19937_64 random(1);
    SoakFaults faults(random, dir.path());
    EXPECT_EQ(faults.note(), "");
}

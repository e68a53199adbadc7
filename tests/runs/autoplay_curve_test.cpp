// The shipped levels against the three automatic players: every level can
// be played very well, a fair player is never fired, a poor one often is,
// and the last levels leave the best player the least room.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <string>

#include "runs/autoplay_level.h"

namespace {

constexpr int kLevels = 25;
// The seed the command uses by default: level n plays with 1000 + n.
uint64_t SeedFor(int level) { return 1000u + static_cast<uint64_t>(level); }

std::string LevelFile(int n) { return std::string(BRINDLECOG_GAME_DIR) + "/Levels/Level" + std::to_string(n) + ".lev"; }

AutoplayResult Play(const char* profile, int level)
{
    return PlayLevelAutomatically(BRINDLECOG_GAME_DIR, LevelFile(level), *FindAutoplayProfile(profile), SeedFor(level));
}

}  // namespace

TEST(AutoplayCurve, EveryShippedLevelIsProvenAndHarderTowardsTheEnd)
{
    std::array<AutoplayResult, kLevels + 1> strong{}, medium{}, weak{};
    for (int n = 1; n <= kLevels; ++n) {
        ASSERT_TRUE(std::filesystem::exists(LevelFile(n))) << LevelFile(n);
        strong[n] = Play("strong", n);
        medium[n] = Play("medium", n);
        weak[n] = Play("weak", n);
        ASSERT_TRUE(strong[n].rated && medium[n].rated && weak[n].rated) << "level " << n << " was not rated";
        EXPECT_EQ(strong[n].level, n);
        EXPECT_EQ(strong[n].rating, 2) << "level " << n << ": the strong player is not praised, score "
                                       << strong[n].score << " against " << strong[n].veryGoodFrom;
        EXPECT_NE(medium[n].rating, 1) << "level " << n << ": the medium player is fired, score " << medium[n].score
                                       << " against " << medium[n].firedBelow;
    }
    int weakFired = 0;
    for (int n = 6; n <= kLevels; ++n) weakFired += weak[n].rating == 1;
    EXPECT_GE(weakFired * 3, kLevels - 5) << "the weak player is fired on " << weakFired << " levels from 6 on";

    // The strong player's room above "very good", as a share of the level's
    // score for him, averaged over the first and the last five levels.
    auto room = [&](int from, int to) {
        double sum = 0;
        for (int n = from; n <= to; ++n)
            sum += double(strong[n].score - strong[n].veryGoodFrom) / std::max(1, strong[n].score);
        return sum / (to - from + 1);
    };
    EXPECT_LT(room(21, 25), room(1, 5) / 2);
    EXPECT_LT(room(16, 25), room(1, 10));
}

TEST(AutoplayCurve, ARunRepeatsExactly)
{
    const AutoplayResult first = Play("weak", 9);
    const AutoplayResult second = Play("weak", 9);
    EXPECT_EQ(first.score, second.score);
    EXPECT_EQ(first.rating, second.rating);
    EXPECT_TRUE(first.rated);
}

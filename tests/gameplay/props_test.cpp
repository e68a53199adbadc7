// The light's signals and the dropper's ball, with what a hit or a miss
// does to the line's speed.
#include <gtest/gtest.h>

#include "gameplay/support/floor_host.h"

namespace {

class PropsTest : public ::testing::Test {
protected:
    TLightForegroundSprite& light() { return *host.floor->FLight; }
    TDropperSprite& dropper() { return *host.floor->FDropper; }
    TMainAssemblyLine& line() { return *host.floor->FMainLine; }
    TAssemblyWorker& worker() { return *host.floor->FWorker; }

    void runProps(int ms)
    {
        for (int t = 0; t < ms; t += 10) {
            worker().Update(10);
            dropper().Update(10);
        }
    }
    // Runs until the dropper lets go of the ball over the drop point.
    void runUntilDropping()
    {
        for (int guard = 0; dropper().FState != TDropperSprite::dsDropping && guard < 100000; ++guard) runProps(10);
        ASSERT_EQ(dropper().FState, TDropperSprite::dsDropping);
    }
    // Runs until the ball's fall has ended.
    void runUntilFallEnds()
    {
        for (int guard = 0; !host.floor->FDropBall->FHit && guard < 10000; ++guard) runProps(10);
    }

    FloorHost host;
};

}  // namespace

TEST_F(PropsTest, LightShowsEachSignalForOneSecondAndGoesDarkAFrameLater)
{
    light().Signal(TLightForegroundSprite::sgApprove);
    EXPECT_EQ(light().PatternIndex(), 1);
    light().Update(500);
    // The same signal again while it shows neither restarts it nor plays again.
    light().Signal(TLightForegroundSprite::sgApprove);
    EXPECT_EQ(host.count("approve"), 1);
    light().Update(500);
    EXPECT_EQ(light().FTimer, 0);
    EXPECT_EQ(light().PatternIndex(), 1);
    light().Update(10);
    EXPECT_EQ(light().PatternIndex(), 0);
    EXPECT_EQ(light().FSignal, TLightForegroundSprite::sgOff);

    light().Signal(TLightForegroundSprite::sgApprove);
    light().Update(300);
    light().Signal(TLightForegroundSprite::sgReject);
    EXPECT_EQ(light().PatternIndex(), 2);
    EXPECT_EQ(host.count("approve"), 2);
    EXPECT_EQ(host.count("reject"), 1);
}

TEST_F(PropsTest, ABallOnTheWorkerSlowsTheLineForFiveSeconds)
{
    ASSERT_TRUE(host.load(LevelPlan{.speed = 3, .products = {"car"}}));
    runUntilDropping();
    // He stands under the drop point as the ball falls.
    worker().FX = dropper().WorldX() + 15 + 20 - 35;
    runUntilFallEnds();
    EXPECT_EQ(host.count("putback"), 1);
    EXPECT_EQ(line().FSpeed, 1);
    EXPECT_EQ(dropper().FSpeedTimer > 4000, true);
    runProps(5000);
    EXPECT_EQ(line().FSpeed, 3);
}

TEST_F(PropsTest, AMissedBallSpeedsTheLineUpForFiveSeconds)
{
    ASSERT_TRUE(host.load(LevelPlan{.speed = 1, .products = {"car"}}));
    worker().FX = 700;
    runUntilDropping();
    runUntilFallEnds();
    EXPECT_EQ(host.count("putback"), 1);
    EXPECT_EQ(line().FSpeed, 3);
    runProps(4900);
    EXPECT_EQ(line().FSpeed, 3);
    runProps(200);
    EXPECT_EQ(line().FSpeed, 1);
}

TEST_F(PropsTest, ABallThatCannotChangeTheSpeedStartsNoEffect)
{
    ASSERT_TRUE(host.load(LevelPlan{.speed = 3, .products = {"car"}}));
    worker().FX = 700;
    runUntilDropping();
    runUntilFallEnds();
    EXPECT_EQ(line().FSpeed, 3);
    EXPECT_EQ(dropper().FSpeedTimer, 0);

    runProps(1000);  // the claw closes again
    ASSERT_TRUE(host.load(LevelPlan{.speed = 1, .products = {"car"}}));
    runUntilDropping();
    worker().FX = dropper().WorldX();
    runUntilFallEnds();
    EXPECT_EQ(line().FSpeed, 1);
    EXPECT_EQ(dropper().FSpeedTimer, 0);
}

TEST_F(PropsTest, DropsComeFromTheSeededChance)
{
    // Nine chances in thirty every five seconds: over ten minutes of shift
    // about 36 drops; the same seed gives the same drops.
    auto drops = [this](uint64_t seed) {
        host.random.Seed(seed);
        EXPECT_TRUE(host.load(LevelPlan{.speed = 1, .products = {"car"}}));
        worker().FX = 700;
        int count = 0;
        uint8_t last = dropper().FState;
        for (int t = 0; t < 600'000; t += 10) {
            dropper().Update(10);
            if (dropper().FState == TDropperSprite::dsDropping && last != TDropperSprite::dsDropping) ++count;
            last = dropper().FState;
        }
        return count;
    };
    const int first = drops(7);
    EXPECT_GT(first, 15);
    EXPECT_LT(first, 60);
    EXPECT_EQ(drops(7), first);
}

TEST_F(PropsTest, WhileTheShiftIsOverTheDropperStandsStill)
{
    ASSERT_TRUE(host.load(LevelPlan{.speed = 1, .products = {"car"}}));
    runUntilDropping();
    host.level->SetFinished(true);
    const double x = dropper().WorldX(), ballY = host.floor->FDropBall->WorldY();
    runProps(3000);
    EXPECT_EQ(dropper().WorldX(), x);
    EXPECT_EQ(host.floor->FDropBall->WorldY(), ballY);
}

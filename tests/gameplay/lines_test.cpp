// The belts: speeds by level, 16-pixel jumps, the drop to the lower belt,
// judging at the end of the line, and when a shift's queue is done.
#include <gtest/gtest.h>

#include "gameplay/support/floor_host.h"

namespace {

class LineTest : public ::testing::Test {
protected:
    TMainAssemblyLine& line() { return *host.floor->FMainLine; }
    TBaseAssemblyObject& product(int i) { return *line().GetProduct(i); }
    // The line and the light as the play frame runs them, in 10 ms frames.
    void run(int ms)
    {
        for (int t = 0; t < ms; t += 10) {
            line().Update(10);
            host.floor->FLight->Update(10);
        }
    }
    // Runs until the product stands at or left of x.
    void runUntilLeftOf(const TBaseAssemblyObject& p, double x)
    {
        for (int guard = 0; p.WorldX() > x && guard < 100000; ++guard) run(10);
    }

    FloorHost host;
};

}  // namespace

TEST(BeltSpeed, EveryLevelBandAndSpeedStep)
{
    struct Row {
        int level, slow, middle, fast;
    };
    // Past level 15 the factor 0.7 lies just below 0.7, so each product
    // truncates one below the round value.
    const Row rows[] = {{1, 1000, 500, 250}, {5, 1000, 500, 250}, {6, 900, 450, 225},  {10, 900, 450, 225},
                        {11, 800, 400, 200}, {15, 800, 400, 200}, {16, 699, 349, 174}, {25, 699, 349, 174}};
    for (const Row& row : rows) {
        EXPECT_EQ(BeltSpeed(1, row.level), row.slow) << "level " << row.level;
        EXPECT_EQ(BeltSpeed(2, row.level), row.middle) << "level " << row.level;
        EXPECT_EQ(BeltSpeed(3, row.level), row.fast) << "level " << row.level;
    }
}

TEST_F(LineTest, FastLineOnLevel16JumpsEvery174Ms)
{
    ASSERT_TRUE(host.load(LevelPlan{.number = 16, .speed = 3, .spacing = 1000, .products = {"boat"}}));
    EXPECT_EQ(line().Animations().Find("RunLeft")->Speed(), 174);
    // In 10 ms frames a jump comes every 17 or 18 frames.
    double last = product(0).WorldX();
    int lastJump = 0, jumps = 0;
    for (int frame = 1; frame <= 1000; ++frame) {
        run(10);
        if (product(0).WorldX() == last) continue;
        EXPECT_EQ(last - product(0).WorldX(), 16);
        EXPECT_TRUE(frame - lastJump == 17 || frame - lastJump == 18) << frame - lastJump;
        last = product(0).WorldX();
        lastJump = frame;
        ++jumps;
    }
    EXPECT_GE(jumps, 55);
}

TEST_F(LineTest, SlowLineOnLevel6JumpsEvery900Ms)
{
    ASSERT_TRUE(host.load(LevelPlan{.number = 6, .speed = 1, .products = {"car"}}));
    const double start = product(0).WorldX();
    run(890);
    EXPECT_EQ(product(0).WorldX(), start);
    run(20);
    EXPECT_EQ(product(0).WorldX(), start - 16);
}

TEST_F(LineTest, StoppedLineMovesNothingAndTheSpeedBoxShowsIt)
{
    ASSERT_TRUE(host.load(LevelPlan{.speed = 0, .products = {"car", "boat"}}));
    const double x = product(1).WorldX();
    run(60'000);
    host.floor->FSpeedBox->Update(10);
    EXPECT_EQ(product(1).WorldX(), x);
    EXPECT_EQ(host.floor->FSpeedBox->PatternIndex(), 0);
    line().SetSpeed(2);
    host.floor->FSpeedBox->Update(10);
    EXPECT_EQ(host.floor->FSpeedBox->PatternIndex(), 2);
}

TEST_F(LineTest, ProductDropsToTheLowerBeltAndIsJudgedSixStepsLater)
{
    ASSERT_TRUE(host.load(LevelPlan{.speed = 3, .spacing = 0, .products = {"car"}}));
    TBaseAssemblyObject& car = product(0);
    // From 750 in steps of 16 the car stands at 222, then leaves the upper belt.
    runUntilLeftOf(car, 222);
    EXPECT_EQ(car.WorldX(), 222);
    EXPECT_EQ(car.WorldY(), 350 - car.ImageHeight());
    EXPECT_EQ(car.Z(), 2500);
    runUntilLeftOf(car, 221);
    EXPECT_EQ(car.WorldX(), 160);
    EXPECT_EQ(car.Z(), 1100);
    EXPECT_EQ(car.WorldY(), 395 - car.ImageHeight());
    EXPECT_FALSE(car.FPassed);
    runUntilLeftOf(car, 79);
    EXPECT_EQ(car.WorldX(), 64);
    EXPECT_TRUE(car.FPassed);
}

TEST_F(LineTest, CompleteProductIsApprovedAndScoredOnceIncompleteOneRejected)
{
    ASSERT_TRUE(host.load(LevelPlan{.speed = 3, .spacing = 0, .products = {"car", "pizza"}}));
    product(0).FStage = 1;  // the car has its wheels
    runUntilLeftOf(product(0), 79);
    EXPECT_EQ(host.FLevelScore, 20);
    EXPECT_EQ(host.FTotalScore, 20);
    EXPECT_EQ(host.count("approve"), 1);
    EXPECT_EQ(host.floor->FLight->PatternIndex(), 1);
    runUntilLeftOf(product(1), 79);
    EXPECT_EQ(host.count("reject"), 1);
    EXPECT_EQ(host.floor->FLight->PatternIndex(), 2);
    run(20'000);
    EXPECT_EQ(host.FLevelScore, 20);
    EXPECT_EQ(host.FTotalScore, 20);
    EXPECT_EQ(host.count("approve"), 1);
    EXPECT_EQ(host.count("reject"), 1);
}

TEST_F(LineTest, DoneOnlyWhenTheLastProductHasLeftTheScreen)
{
    ASSERT_TRUE(host.load(LevelPlan{.speed = 3, .spacing = 0, .products = {"boat"}}));
    EXPECT_FALSE(line().AllProductsDone());
    runUntilLeftOf(product(0), 79);
    EXPECT_TRUE(product(0).FPassed);
    EXPECT_FALSE(line().AllProductsDone());
    // At -80 its right-hand columns are still in view; at -96 it is gone.
    runUntilLeftOf(product(0), -80);
    EXPECT_FALSE(line().AllProductsDone());
    runUntilLeftOf(product(0), -81);
    EXPECT_TRUE(line().AllProductsDone());
}

TEST_F(LineTest, EmptyLineIsNeverDone)
{
    host.level->Reset();
    run(1000);
    EXPECT_FALSE(line().AllProductsDone());
}

TEST_F(LineTest, QuestionsOfTheCursorAndTheWorker)
{
    ASSERT_TRUE(host.load(LevelPlan{.speed = 0, .spacing = 0, .products = {"boat", "car"}}));
    run(10);
    TBaseAssemblyObject& boat = product(0);
    TBaseAssemblyObject& car = product(1);
    EXPECT_EQ(line().FirstOpenProduct(), &boat);
    boat.FStage = 1;
    EXPECT_EQ(line().FirstOpenProduct(), &car);
    const platform::Rect r = car.BoundsRect();
    // Where the boat before it overlaps, the boat is found first.
    EXPECT_EQ(line().ProductAt(r.left, r.top), &boat);
    EXPECT_EQ(line().ProductAt(r.right - 1, r.bottom - 1), &car);
    EXPECT_EQ(line().ProductAt(r.right, r.bottom), nullptr);
    TAssemblyWorker& worker = *host.floor->FWorker;
    worker.FX = car.WorldX() + car.ImageWidth() - 25;  // reaches exactly the car's right edge
    EXPECT_EQ(line().ProductInReach(worker), &car);
    worker.FX = car.WorldX() - 25;  // the boat before it in the queue overlaps its left edge
    EXPECT_EQ(line().ProductInReach(worker), &boat);
    worker.FX = car.WorldX() + car.ImageWidth() - 25 + 1;
    EXPECT_EQ(line().ProductInReach(worker), nullptr);
}

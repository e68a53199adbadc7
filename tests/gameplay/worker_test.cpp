// The worker's own rules: how he walks, where he stops, what one long frame
// does to a walk, and the clamp of his stretch of floor.
#include <gtest/gtest.h>

#include "gameplay/support/floor_host.h"

namespace {

class WorkerTest : public ::testing::Test {
protected:
    WorkerTest() { EXPECT_TRUE(host.load(LevelPlan{.speed = 0, .products = {"bear", "hamburger"}})); }
    TAssemblyWorker& worker() { return *host.floor->FWorker; }
    TBasePickLocation& pile(const char* name) { return *host.floor->FPickLocations->FindPile(name); }
    void sendTo(TBasePickLocation& target)
    {
        worker().FTargetPile = &target;
        worker().SetCommand(TAssemblyWorker::wcPick);
    }

    FloorHost host;
};

}  // namespace

TEST_F(WorkerTest, WalksAt150PixelsASecondAndSnapsHisMiddleOntoThePile)
{
    worker().Update(10);  // places the figure at x = 600
    TBasePickLocation& legs = pile("bear-legs");
    sendTo(legs);
    const double start = worker().FX;
    worker().Update(100);
    EXPECT_DOUBLE_EQ(start - worker().FX, 15.0);
    for (int i = 0; i < 500 && worker().FState == TAssemblyWorker::wsWalking; ++i) worker().Update(10);
    EXPECT_EQ(worker().FState, TAssemblyWorker::wsAtPile);
    const double bodyMiddle = worker().FX + worker().FBody->Width() / 2;
    EXPECT_EQ(static_cast<int>(bodyMiddle), static_cast<int>(legs.WorldX() + legs.Width() / 2));
}

TEST_F(WorkerTest, OneLongFrameArrivesInsteadOfSwingingPast)
{
    worker().Update(10);
    TBasePickLocation& bief = pile("hamburger-bief");
    sendTo(bief);
    // A stalled machine: five seconds in one frame, far longer than the way.
    worker().Update(5000);
    EXPECT_EQ(worker().FState, TAssemblyWorker::wsAtPile);
    EXPECT_EQ(static_cast<int>(worker().FX + 35), static_cast<int>(bief.WorldX() + bief.Width() / 2));
    worker().Update(5000);
    EXPECT_EQ(worker().HasParts(), true);
}

TEST_F(WorkerTest, NeverLeavesHisStretchWhateverTheTarget)
{
    // A product far right, off the screen, and one gone past the light.
    host.floor->FMainLine->GetProduct(1)->SetWorldX(2000);
    worker().FTargetProduct = host.floor->FMainLine->GetProduct(1);
    worker().SetCommand(TAssemblyWorker::wcFit);
    for (int i = 0; i < 1000; ++i) worker().Update(10);
    EXPECT_EQ(worker().FX, 750);
    host.floor->FMainLine->GetProduct(0)->SetWorldX(-300);
    worker().FTargetProduct = host.floor->FMainLine->GetProduct(0);
    for (int i = 0; i < 1000; ++i) worker().Update(10);
    EXPECT_EQ(worker().FX, 220);
}

TEST_F(WorkerTest, ARepeatedCommandOnlyChangesTheTarget)
{
    worker().Update(10);
    sendTo(pile("bear-legs"));
    worker().Update(10);
    const double x = worker().FX;
    sendTo(pile("bear-ears"));
    EXPECT_EQ(worker().FState, TAssemblyWorker::wsWalking);
    EXPECT_EQ(worker().FTargetPile, &pile("bear-ears"));
    worker().Update(10);
    EXPECT_NE(worker().FX, x);
}

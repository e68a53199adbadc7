#include "app/dtimer.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/backends/headless/headless_backend.h"
#include "platform/win32/application.h"

namespace {

struct TimerRig {
    platform::HeadlessBackend backend;
    platform::Application app{backend};
    TDTimer timer{app};
    std::vector<int> deltas;
    int frameCostMs = 0;

    TimerRig()
    {
        timer.SetInterval(10);
        timer.OnTimer = [this] {
            deltas.push_back(timer.DeltaTime());
            backend.headlessClock().advanceMicros(int64_t(frameCostMs) * 1000);
        };
        timer.Loaded();
    }
    // Runs the message loop until the clock reaches `ms` from now.
    void runFor(uint32_t ms)
    {
        const uint32_t end = backend.now() + ms;
        while (backend.now() < end) app.processMessages();
    }
};

}  // namespace

TEST(DTimer, StartsWithDesignDefaults)
{
    platform::HeadlessBackend backend;
    platform::Application app(backend);
    TDTimer timer(app);
    EXPECT_TRUE(timer.Enabled());
    EXPECT_EQ(timer.Interval(), 1000u);
    EXPECT_TRUE(timer.EnableHPTiming());
    EXPECT_EQ(timer.DeltaTime(), 0);
    EXPECT_EQ(timer.FramesPerSecond(), 0);
}

TEST(DTimer, TicksAtIntervalAndMeasuresRate)
{
    TimerRig rig;
    rig.frameCostMs = 3;
    rig.runFor(999);
    EXPECT_EQ(rig.timer.FramesPerSecond(), 0) << "no full measuring period yet";
    rig.runFor(1200);
    ASSERT_GT(rig.deltas.size(), 150u);
    for (int d : rig.deltas) EXPECT_TRUE(d == 10 || d == 11) << d;
    EXPECT_GE(rig.timer.FramesPerSecond(), 95);
    EXPECT_LE(rig.timer.FramesPerSecond(), 100);
}

TEST(DTimer, LateFrameIsOneLongTickNotCatchUp)
{
    TimerRig rig;
    rig.runFor(50);
    const auto before = rig.deltas.size();
    rig.frameCostMs = 250;
    rig.runFor(1);  // one tick that takes 250 ms
    rig.frameCostMs = 0;
    rig.runFor(5);
    ASSERT_GE(rig.deltas.size(), before + 2);
    EXPECT_EQ(rig.deltas[before + 1], 250);
    rig.runFor(30);
    for (std::size_t i = before + 2; i < rig.deltas.size(); ++i) EXPECT_EQ(rig.deltas[i], 10);
}

TEST(DTimer, InactiveApplicationGetsNoTicksAndResumesWithNormalDelta)
{
    TimerRig rig;
    int activations = 0, deactivations = 0;
    rig.timer.OnActivate = [&] { ++activations; };
    rig.timer.OnDeactivate = [&] { ++deactivations; };
    rig.runFor(100);
    rig.backend.loseFocus();
    rig.runFor(10);
    const auto ticks = rig.deltas.size();
    rig.runFor(5000);
    EXPECT_EQ(rig.deltas.size(), ticks);
    rig.backend.gainFocus();
    rig.runFor(15);
    ASSERT_GT(rig.deltas.size(), ticks);
    EXPECT_EQ(rig.deltas[ticks], 10);
    EXPECT_EQ(activations, 1);
    EXPECT_EQ(deactivations, 1);
}

TEST(DTimer, DisabledTimerNeitherTicksNorCountsThePause)
{
    TimerRig rig;
    rig.runFor(30);
    rig.timer.SetEnabled(false);
    EXPECT_FALSE(rig.app.hasOnIdle());
    const auto ticks = rig.deltas.size();
    rig.runFor(700);
    EXPECT_EQ(rig.deltas.size(), ticks);
    rig.timer.SetEnabled(true);
    rig.runFor(25);
    ASSERT_GT(rig.deltas.size(), ticks);
    EXPECT_EQ(rig.deltas[ticks], 10);
}

TEST(DTimer, HighResolutionDeltaRoundsHalfToEven)
{
    TimerRig rig;
    rig.runFor(20);
    // Each frame now overruns so that the next tick is measured at 10.5 ms,
    // then at 11.5 ms.
    rig.timer.OnTimer = [&] {
        rig.deltas.push_back(rig.timer.DeltaTime());
        rig.backend.headlessClock().advanceMicros(rig.deltas.size() % 2 ? 10'500 : 11'500);
    };
    rig.deltas.clear();
    rig.runFor(60);
    ASSERT_GE(rig.deltas.size(), 4u);
    // Ticks alternate between 10.5 ms and 11.5 ms apart after the first.
    for (std::size_t i = 1; i < rig.deltas.size(); ++i)
        EXPECT_EQ(rig.deltas[i], i % 2 ? 10 : 12) << "tick " << i;
}

TEST(DTimer, LowResolutionClockWithoutCounter)
{
    platform::HeadlessBackend backend;
    backend.headlessClock().setHasCounter(false);
    platform::Application app(backend);
    TDTimer timer(app);
    timer.SetInterval(10);
    std::vector<int> deltas;
    timer.OnTimer = [&] { deltas.push_back(timer.DeltaTime()); };
    timer.Loaded();
    while (backend.now() < 1500) app.processMessages();
    ASSERT_FALSE(deltas.empty());
    for (int d : deltas) EXPECT_EQ(d, 10);
    EXPECT_EQ(timer.FramesPerSecond(), 100);
}

TEST(DTimer, SwitchingClocksWhileRunning)
{
    TimerRig rig;
    rig.runFor(100);
    rig.timer.SetEnableHPTiming(false);
    rig.runFor(100);
    rig.timer.SetEnableHPTiming(true);
    rig.runFor(100);
    // The other clock's stale last tick may make one tick early or late, but
    // ticking goes on and never bursts.
    ASSERT_GT(rig.deltas.size(), 20u);
    for (int d : rig.deltas) EXPECT_GE(d, 10);
}

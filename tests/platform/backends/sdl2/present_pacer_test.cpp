// How many changed frames reach the window: no more than the display shows.
#include <gtest/gtest.h>

#include <cstdint>

#include "platform/backends/sdl2/present_pacer.h"

namespace {

// Frames every `frameUs` for `durationUs`, each sent when due; returns the
// number sent and the shortest gap between two sends.
struct Sends {
    int count = 0;
    int64_t shortestGapUs = INT64_MAX;
};

Sends run(platform::PresentPacer& pacer, int64_t startUs, int64_t durationUs, int64_t frameUs)
{
    Sends result;
    int64_t last = -1;
    for (int64_t now = startUs; now < startUs + durationUs; now += frameUs) {
        if (!pacer.due(now)) continue;
        pacer.sent(now);
        ++result.count;
        if (last >= 0) result.shortestGapUs = std::min(result.shortestGapUs, now - last);
        last = now;
    }
    return result;
}

TEST(PresentPacer, AHundredFramesASecondReachA60HzDisplaySixtyTimes)
{
    platform::PresentPacer pacer;
    pacer.setRefreshRate(60);
    const Sends sends = run(pacer, 0, 1000000, 10000);
    EXPECT_NEAR(sends.count, 60, 1);
    EXPECT_GE(sends.shortestGapUs, 10000);  // never two in one frame
}

TEST(PresentPacer, FasterDisplaysGetEveryFrameAndUnknownOnesCountAsSixtyHertz)
{
    platform::PresentPacer fast;
    fast.setRefreshRate(144);
    EXPECT_EQ(run(fast, 0, 1000000, 10000).count, 100);
    platform::PresentPacer unknown;
    unknown.setRefreshRate(0);
    EXPECT_NEAR(run(unknown, 0, 1000000, 10000).count, 60, 1);
    platform::PresentPacer slow;
    slow.setRefreshRate(30);
    EXPECT_NEAR(run(slow, 0, 1000000, 10000).count, 30, 1);
}

TEST(PresentPacer, AfterAPauseTheNextFrameGoesAtOnceWithoutCatchingUp)
{
    platform::PresentPacer pacer;
    pacer.setRefreshRate(60);
    run(pacer, 0, 100000, 10000);
    // Nothing presented for two seconds (the game lost the focus).
    EXPECT_TRUE(pacer.due(2100000));
    EXPECT_EQ(pacer.microsecondsUntilDue(2100000), 0);
    const Sends after = run(pacer, 2100000, 100000, 10000);
    EXPECT_NEAR(after.count, 6, 1);
    EXPECT_GE(after.shortestGapUs, 10000);
    // Right after a send the next one is most of a refresh away.
    pacer.sent(5000000);
    EXPECT_FALSE(pacer.due(5000000));
    EXPECT_GT(pacer.microsecondsUntilDue(5000000), 10000);
    EXPECT_LE(pacer.microsecondsUntilDue(5000000), 1000000 / 60);
}

}  // namespace

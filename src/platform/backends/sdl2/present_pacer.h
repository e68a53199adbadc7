#pragma once
// When a changed picture may go to the window: no more often than the
// display shows pictures. The game presents a frame every 10 ms; sending
// more than the display refreshes only costs the desktop work nobody sees.
// Sends are kept on a fixed grid of refresh intervals (with a little slack
// for the frame timer's jitter), so frames every 10 ms on a 60 Hz display
// make 60 sends a second, not 50.
#include <cstdint>

namespace platform {

class PresentPacer {
public:
    static constexpr int kAssumedRefreshRate = 60;  // when the display does not say

    // Hertz; 0 or less for unknown.
    void setRefreshRate(int hz);
    // Times are microseconds of a steady clock.
    bool due(int64_t nowUs) const { return nowUs >= next_ - kSlackUs; }
    int64_t microsecondsUntilDue(int64_t nowUs) const { return due(nowUs) ? 0 : next_ - kSlackUs - nowUs; }
    void sent(int64_t nowUs);

private:
    static constexpr int64_t kSlackUs = 2000;

    int64_t interval_ = 1000000 / kAssumedRefreshRate;
    int64_t next_ = INT64_MIN / 2;
};

}  // namespace platform

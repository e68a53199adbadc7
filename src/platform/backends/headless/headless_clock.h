#pragma once
// A clock that moves only when told to: tests get exact, repeatable time.
#include <cstdint>

#include "platform/backends/clock.h"

namespace platform {

class HeadlessClock final : public Clock {
public:
    static constexpr int64_t kFrequency = 1'000'000;  // microsecond counter

    uint32_t milliseconds() override { return static_cast<uint32_t>(micros_ / 1000); }
    bool performanceFrequency(int64_t& countsPerSecond) override
    {
        countsPerSecond = kFrequency;
        return hasCounter_;
    }
    int64_t performanceCounter() override { return micros_; }
    uint64_t randomSeed() override { return seed_; }

    int64_t micros() const { return micros_; }
    void advanceMicros(int64_t us) { micros_ += us; }
    // The seed the next start-up will read.
    void setRandomSeed(uint64_t seed) { seed_ = seed; }
    // A machine without the high-resolution counter.
    void setHasCounter(bool has) { hasCounter_ = has; }

private:
    int64_t micros_ = 0;
    bool hasCounter_ = true;
    uint64_t seed_ = 0;
};

}  // namespace platform

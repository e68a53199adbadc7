#pragma once
// The two clocks the frame timer chooses from: a millisecond clock and a
// high-resolution counter with a known frequency.
#include <cstdint>

namespace platform {

class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds since some fixed moment, wrapping at 2^32.
    virtual uint32_t milliseconds() = 0;
    // False when the machine has no high-resolution counter.
    virtual bool performanceFrequency(int64_t& countsPerSecond) = 0;
    virtual int64_t performanceCounter() = 0;
    // A seed for the game's random source, read once at start-up: the wall
    // clock on a player's machine, a fixed number where runs must repeat.
    virtual uint64_t randomSeed() = 0;
};

}  // namespace platform

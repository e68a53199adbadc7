#pragma once
// The game's one source of chance (the dropper's draws). It is seeded once
// at start-up, so a run with a known seed and known frame times repeats
// exactly; the generator is our own, so it draws the same on every machine.
#include <cstdint>

class TGameRandom {
public:
    explicit TGameRandom(uint64_t seed = 0) { Seed(seed); }

    void Seed(uint64_t seed)
    {
        FSeed = seed;
        FState = seed;
    }
    uint64_t InitialSeed() const { return FSeed; }

    // A whole number from 0 to range - 1 (0 for a range below 1).
    int32_t Next(int32_t range)
    {
        if (range < 1) return 0;
        return static_cast<int32_t>(NextBits() % static_cast<uint64_t>(range));
    }

private:
    // splitmix64: every seed, 0 included, gives a well-mixed sequence.
    uint64_t NextBits()
    {
        uint64_t z = (FState += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    uint64_t FSeed = 0;
    uint64_t FState = 0;
};

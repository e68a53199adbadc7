#pragma once
#include <cstdint>

// The game's states, stored as a byte.
enum TGameState : uint8_t {
    gsNone,
    gsIntro,
    gsMenu,
    gsLevelIntro,
    gsPlaying,
    gsGameOver,
    gsAllLevelsDone,
};

const char* GameStateName(TGameState state);

#include "gameplay/game_state.h"

const char* GameStateName(TGameState state)
{
    switch (state) {
    case gsNone: return "gsNone";
    case gsIntro: return "gsIntro";
    case gsMenu: return "gsMenu";
    case gsLevelIntro: return "gsLevelIntro";
    case gsPlaying: return "gsPlaying";
    case gsGameOver: return "gsGameOver";
    case gsAllLevelsDone: return "gsAllLevelsDone";
    }
    return "?";
}

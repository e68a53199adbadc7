#pragma once
// What the objects on the factory floor ask of the main form: sounds,
// messages, the scores, the level, the other objects of the floor and the
// game state. The main form is the one host; unit tests put their own in
// its place.
#include <cstdint>
#include <string>

#include "gameplay/game_random.h"
#include "gameplay/game_state.h"

class TBCLevel;
class TDImageList;
class TFXBitmapFont;
struct TGameFloor;

class TGameHost {
public:
    virtual void SetGameState(TGameState state) = 0;
    virtual void PlaySound(const std::string& name) = 0;
    // Two lines in the chief's balloon.
    virtual void ShowChiefMessage(const std::string& line1, const std::string& line2) = 0;
    // Two lines under the score bar for a while; dropped while one shows.
    virtual void ShowHintMessage(const std::string& line1, const std::string& line2) = 0;
    // A new level starts without the last one's message.
    virtual void ClearHintMessage() = 0;

    // Every picture, looked up by name.
    virtual TDImageList& Images() = 0;
    // The font of the chief's balloon; none before the fonts exist.
    virtual TFXBitmapFont* BalloonFont() = 0;
    // The level object; none before the first level is started.
    virtual TBCLevel* Level() = 0;
    // The objects of the floor; none before they are built.
    virtual TGameFloor* Floor() = 0;
    virtual TGameRandom& Random() = 0;

    // The current level's score and the game's total.
    int32_t FLevelScore = 0;
    int32_t FTotalScore = 0;

protected:
    TGameHost() = default;
    ~TGameHost() = default;
    TGameHost(const TGameHost&) = delete;
    TGameHost& operator=(const TGameHost&) = delete;
};

// The running game's main form (none when there is none).
extern TGameHost* frmMain;

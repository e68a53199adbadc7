#pragma once
// A soak: minutes of game time played headless by a restless player, game
// after game in one folder, with trouble brought on now and then, and every
// frame checked against the rules that must always hold.
#include <array>
#include <cstdint>
#include <string>

#include "app/command_line.h"

struct SoakOutcome {
    // 0 when every rule held to the end, 1 when one broke.
    int exitCode = 0;
    double minutes = 0;  // game time played
    uint64_t frames = 0;
    uint64_t shifts = 0;  // shifts rated by the chief
    uint64_t games = 0;
    uint64_t faults = 0;
    // Writes of the settings file and the highscore seen to land.
    uint64_t settingsWrites = 0;
    uint64_t highscoreWrites = 0;
    // Frames spent in each game state, by the state's number.
    std::array<uint64_t, 7> framesByState{};
    int64_t rssStartKb = 0;  // after a minute of play
    int64_t rssEndKb = 0;    // in the last stretch of play
    // The same moments, counting only memory in use (not what the allocator keeps free).
    int64_t heapStartKb = 0;
    int64_t heapEndKb = 0;
    // The broken rule with its frame and the seed that repeats it; empty when none broke.
    std::string failure;
    // What could not be tried, if anything.
    std::string note;

    // "soak: minutes=M frames=F shifts=S rss_start_kb=A rss_end_kb=B"
    std::string line() const;
    // Games, faults and where the frames went, for whoever wonders what was tried.
    std::string details() const;
};

// `gameFolder` lends its pictures and sounds, and its levels when it has any.
SoakOutcome Soak(const SoakOptions& options, const std::string& gameFolder);

#pragma once
// One level played by the automatic player, headless, in a game folder of
// its own: the shipped pictures and sounds, and the one level file as the
// first level (the number it stores sets its speed and music).
#include <cstdint>
#include <string>

#include "runs/autoplay_player.h"

// With `recordFile`, the game is recorded to it as `--record` would, and
// `recordedLine` receives the digest line of the run.
AutoplayResult PlayLevelAutomatically(const std::string& gameFolder, const std::string& levelFile,
                                      const AutoplayProfile& profile, uint64_t seed,
                                      const std::string& recordFile = {}, std::string* recordedLine = nullptr);

#pragma once
// The levels a soak plays: those of the game folder when it has any, else a
// few made from the recipe table, short and of every speed, with thresholds
// a careless player falls below now and then.
#include <random>
#include <string>

class ScratchGameFolder;

// Returns how many levels were put into `target`'s Levels folder.
int PutSoakLevels(const std::string& gameFolder, const ScratchGameFolder& target, std::mt19937_64& random);

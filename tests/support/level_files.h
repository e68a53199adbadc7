#pragma once
// Level files for tests, written with the game's own writer.
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "gameplay/level_file.h"

struct LevelSpec {
    int32_t number = 1;
    std::string name = "Test Shift";
    std::string description = "A shift made by a test.";
    int32_t speed = 1;
    int32_t spacing = 80;
    int32_t firedBelow = 0;
    int32_t veryGoodFrom = 0;
    std::vector<std::string> products;
};

inline TLevelData MakeLevel(const LevelSpec& spec)
{
    TLevelData level;
    level.Header.FLevelNumber = spec.number;
    level.Header.FLevelName.Assign(spec.name);
    level.Header.FDescription.Assign(spec.description);
    level.Header.FProductCount = static_cast<int32_t>(spec.products.size());
    level.Header.FLineSpeed = spec.speed;
    level.Header.FProductSpacing = spec.spacing;
    level.Header.FFiredBelow = spec.firedBelow;
    level.Header.FVeryGoodFrom = spec.veryGoodFrom;
    level.Products = spec.products;
    return level;
}

inline std::string LevelBytes(const LevelSpec& spec)
{
    std::ostringstream out;
    WriteLevelFile(out, MakeLevel(spec));
    return out.str();
}

// Levels/Level<n>.lev below `gameFolder`.
inline void WriteLevel(const std::filesystem::path& gameFolder, int fileNumber, const LevelSpec& spec)
{
    std::filesystem::create_directories(gameFolder / "Levels");
    std::ofstream out(gameFolder / "Levels" / ("Level" + std::to_string(fileNumber) + ".lev"), std::ios::binary);
    out << LevelBytes(spec);
}

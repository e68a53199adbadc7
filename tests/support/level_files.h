#pragma once
// Level files for tests, written with the game's own writer.
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "gameplay/level_file.h"

struct LevelPlan {
    int32_t number = 1;
    std::string name = "Test Shift";
    std::string description = "A shift made by a test.";
    int32_t speed = 1;
    int32_t spacing = 80;
    int32_t firedBelow = 0;
    int32_t veryGoodFrom = 0;
    std::vector<std::string> products;
};

inline TLevelData MakeLevel(const LevelPlan& plan)
{
    TLevelData level;
    level.Header.FLevelNumber = plan.number;
    level.Header.FLevelName.Assign(plan.name);
    level.Header.FDescription.Assign(plan.description);
    level.Header.FProductCount = static_cast<int32_t>(plan.products.size());
    level.Header.FLineSpeed = plan.speed;
    level.Header.FProductSpacing = plan.spacing;
    level.Header.FFiredBelow = plan.firedBelow;
    level.Header.FVeryGoodFrom = plan.veryGoodFrom;
    level.Products = plan.products;
    return level;
}

inline std::string LevelBytes(const LevelPlan& plan)
{
    std::ostringstream out;
    WriteLevelFile(out, MakeLevel(plan));
    return out.str();
}

// Levels/Level<n>.lev below `gameFolder`.
inline void WriteLevel(const std::filesystem::path& gameFolder, int fileNumber, const LevelPlan& plan)
{
    std::filesystem::create_directories(gameFolder / "Levels");
    std::ofstream out(gameFolder / "Levels" / ("Level" + std::to_string(fileNumber) + ".lev"), std::ios::binary);
    out << LevelBytes(plan);
}

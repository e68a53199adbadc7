#include "runs/soak_levels.h"

#include <filesystem>
#include <sstream>

#include "gameplay/level_file.h"
#include "gameplay/recipes.h"
#include "platform/system/utf8_path.h"
#include "runs/scratch_folder.h"

namespace fs = std::filesystem;

namespace {

constexpr int kMadeLevels = 3;

std::string MakeLevel(int number, std::mt19937_64& random)
{
    const auto recipes = ProductRecipes();
    TLevelData level;
    level.Header.FLevelNumber = number;
    level.Header.FLevelName.Assign("Soak " + std::to_string(number));
    level.Header.FDescription.Assign("A shift made up for a soak.");
    const int products = 2 + static_cast<int>(random() % 4);
    int32_t best = 0;
    for (int i = 0; i < products; ++i) {
        const auto& recipe = recipes[random() % recipes.size()];
        level.Products.emplace_back(recipe.Name);
        best += recipe.Score;
    }
    level.Header.FProductCount = products;
    level.Header.FLineSpeed = 1 + static_cast<int32_t>(random() % 5 + 1) / 2;
    level.Header.FProductSpacing = 80 + static_cast<int32_t>(random() % 4) * 40;
    level.Header.FFiredBelow = best * (20 + static_cast<int32_t>(random() % 50)) / 100;
    level.Header.FVeryGoodFrom = best * 4 / 5;
    std::ostringstream out;
    WriteLevelFile(out, level);
    return out.str();
}

}  // namespace

int PutSoakLevels(const std::string& gameFolder, const ScratchGameFolder& target, std::mt19937_64& random)
{
    int copied = 0;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(platform::utf8Path(gameFolder) / "Levels", ec)) {
        const std::string name = platform::utf8Text(entry.path().filename());
        if (name.rfind("Level", 0) != 0 || entry.path().extension() != ".lev") continue;
        fs::copy_file(entry.path(), target.path() / "Levels" / entry.path().filename(), fs::copy_options::overwrite_existing, ec);
        if (!ec) ++copied;
    }
    if (copied > 0) return copied;
    for (int number = 1; number <= kMadeLevels; ++number)
        target.write("Levels/Level" + std::to_string(number) + ".lev", MakeLevel(number, random));
    return kMadeLevels;
}

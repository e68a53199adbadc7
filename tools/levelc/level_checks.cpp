#include "level_checks.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <filesystem>
#include <numeric>
#include <optional>
#include <string>

#include "app/asset_catalogue.h"
#include "gameplay/recipes.h"
#include "source_text.h"

namespace {

std::size_t EditDistance(std::string_view a, std::string_view b)
{
    std::vector<std::size_t> row(b.size() + 1);
    std::iota(row.begin(), row.end(), 0);
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

std::string UnknownProduct(const std::string& name)
{
    std::string message = "unknown product " + Quote(name);
    const TProductRecipe* closest = nullptr;
    std::size_t best = 3;  // further than two edits is no longer a typo
    for (const TProductRecipe& r : ProductRecipes()) {
        const std::size_t d = EditDistance(name, r.Name);
        if (d < best) best = d, closest = &r;
    }
    if (closest) message += " (did you mean \"" + std::string(closest->Name) + "\"?)";
    return message;
}

// The level number a file name promises: level07.txt and Level7.lev say 7.
std::optional<int64_t> NumberInFileName(std::string_view fileName)
{
    std::string stem = std::filesystem::path(fileName).stem().string();
    std::transform(stem.begin(), stem.end(), stem.begin(), [](unsigned char c) { return std::tolower(c); });
    if (stem.size() <= 5 || stem.compare(0, 5, "level") != 0) return std::nullopt;
    int64_t n = 0;
    const char* end = stem.data() + stem.size();
    const auto [stop, ec] = std::from_chars(stem.data() + 5, end, n);
    if (ec != std::errc() || stop != end) return std::nullopt;
    return n;
}

class TChecker {
public:
    TChecker(const TLevelSource& level, const TTitleCardFonts& fonts)
        : FSource(level), FHeader(level.Level.Header), FFonts(fonts) {}

    void Number(std::string_view fileName)
    {
        const int line = FSource.LineOf(TLevelField::Level);
        if (FHeader.FLevelNumber < 1) Refuse(line, "the level number " + std::to_string(FHeader.FLevelNumber) + " is not 1 or more");
        const std::optional<int64_t> named = NumberInFileName(fileName);
        if (named && *named != FHeader.FLevelNumber)
            Refuse(line, "the file name says level " + std::to_string(*named) + " but the level number is " +
                             std::to_string(FHeader.FLevelNumber) + " (the game finds the next level by number)");
    }

    void TitleCard()
    {
        const std::string title = "Level " + std::to_string(FHeader.FLevelNumber) + "   " + std::string(FHeader.FLevelName.View());
        Text(TLevelField::Name, "name", FHeader.FLevelName.View(), title, FFonts.Title);
        Text(TLevelField::Description, "description", FHeader.FDescription.View(), FHeader.FDescription.View(),
             FFonts.Description);
    }

    void Speed()
    {
        if (FHeader.FLineSpeed < 1 || FHeader.FLineSpeed > 3)
            Refuse(FSource.LineOf(TLevelField::Speed),
                   "speed " + std::to_string(FHeader.FLineSpeed) + " is not 1 (slow), 2 (middle) or 3 (fast)");
        if (FHeader.FProductSpacing < 0)
            Refuse(FSource.LineOf(TLevelField::Spacing), "spacing " + std::to_string(FHeader.FProductSpacing) +
                                                             " is negative: products would ride on top of each other");
    }

    // Returns the most points the shift can earn.
    int64_t Products()
    {
        const auto& products = FSource.Level.Products;
        const int listLine = FSource.LineOf(TLevelField::Products);
        if (products.empty()) Refuse(listLine, "the level has no products");
        const int countLine = FSource.LineOf(TLevelField::ProductCount);
        if (countLine != 0 && static_cast<int64_t>(FHeader.FProductCount) != static_cast<int64_t>(products.size()))
            Refuse(countLine, "the product count " + std::to_string(FHeader.FProductCount) + " differs from the " +
                                  std::to_string(products.size()) + " products listed");
        // One refusal per unknown name and line, however often it repeats there.
        struct TUnknown {
            int Line;
            std::string Name;
            std::size_t First;
            std::size_t Times;
        };
        std::vector<TUnknown> unknown;
        int64_t most = 0;
        for (std::size_t i = 0; i < products.size(); ++i) {
            if (const TProductRecipe* recipe = FindRecipe(products[i])) {
                most += recipe->Score;
                continue;
            }
            const int line = FSource.ProductLine(i);
            const auto same = std::find_if(unknown.begin(), unknown.end(),
                                           [&](const TUnknown& u) { return u.Line == line && u.Name == products[i]; });
            if (same != unknown.end()) ++same->Times;
            else unknown.push_back({line, products[i], i, 1});
        }
        for (const TUnknown& u : unknown) {
            std::string where = u.Line ? "" : " in product record " + std::to_string(u.First + 1);
            if (u.Times > 1) where += " (" + std::to_string(u.Times) + " times)";
            Refuse(u.Line, UnknownProduct(u.Name) + where);
        }
        return most;
    }

    // The piles are laid out from x = 240 in the order the products first
    // need them; one the worker cannot reach makes its products impossible.
    void Bench()
    {
        std::vector<std::string_view> piles;
        auto add = [&piles](std::string_view name) {
            if (std::find(piles.begin(), piles.end(), name) == piles.end()) piles.push_back(name);
        };
        for (const std::string& product : FSource.Level.Products)
            if (const TProductRecipe* recipe = FindRecipe(product)) {
                if (recipe->NeedsTool()) add(recipe->ToolName);
                for (std::string_view part : recipe->Parts) add(part);
            }
        for (std::string_view name : piles) {
            // Each product brings one of each of its parts; they stack upward.
            const int height = PartHeight(name);
            const auto count = std::count_if(FSource.Level.Products.begin(), FSource.Level.Products.end(),
                                             [name](const std::string& product) {
                                                 const TProductRecipe* recipe = FindRecipe(product);
                                                 return recipe && std::find(recipe->Parts.begin(), recipe->Parts.end(),
                                                                            name) != recipe->Parts.end();
                                             });
            if (height > 0 && count * height > kHighestStack) {
                Refuse(FSource.LineOf(TLevelField::Products),
                       "the pile of " + Quote(std::string(name)) + " would stack " + std::to_string(count) +
                           " parts " + std::to_string(count * height) + " pixels high, into the score bar: at most " +
                           std::to_string(kHighestStack / height) + " fit");
                return;
            }
        }
        int x = kFirstPileX;
        for (std::string_view name : piles) {
            if (x > kLastReachablePileX) {
                Refuse(FSource.LineOf(TLevelField::Products),
                       "the pile of " + Quote(std::string(name)) + " would stand at x = " + std::to_string(x) +
                           ", beyond the worker's reach (the bench holds piles up to x = " +
                           std::to_string(kLastReachablePileX) + "): use fewer kinds of parts");
                return;
            }
            x += PileFootprint(name) + 2;
        }
    }

    void Thresholds(int64_t most)
    {
        const int firedLine = FSource.LineOf(TLevelField::FiredBelow);
        const int goodLine = FSource.LineOf(TLevelField::VeryGoodFrom);
        const std::string all = "the " + std::to_string(most) + " points all the products together earn";
        if (FHeader.FFiredBelow > most)
            Refuse(firedLine, "fired below " + std::to_string(FHeader.FFiredBelow) + " is more than " + all +
                                  ": every shift would end in firing");
        if (FHeader.FVeryGoodFrom > most)
            Refuse(goodLine, "very good from " + std::to_string(FHeader.FVeryGoodFrom) + " is more than " + all +
                                 ": no shift could earn praise");
        if (FHeader.FFiredBelow > FHeader.FVeryGoodFrom)
            Refuse(firedLine, "fired below " + std::to_string(FHeader.FFiredBelow) + " is above very good from " +
                                  std::to_string(FHeader.FVeryGoodFrom));
    }

    TDiagnostics Result()
    {
        std::stable_sort(FFound.begin(), FFound.end(), [](const auto& a, const auto& b) { return a.Line < b.Line; });
        return std::move(FFound);
    }

private:
    void Refuse(int line, std::string message) { FFound.push_back({line, std::move(message)}); }

    void Text(TLevelField field, const std::string& what, std::string_view text, std::string_view drawn,
              const TGameFont& font)
    {
        const int line = FSource.LineOf(field);
        std::string missing;
        std::string seen;
        for (const char c : text) {
            const auto code = static_cast<uint8_t>(c);
            if (font.CanDraw(code) || seen.find(c) != std::string::npos) continue;
            seen += c;
            missing += (missing.empty() ? "" : ", ") + Quote(std::string(1, c)) + " (" + std::to_string(code) + ")";
        }
        if (!missing.empty())
            Refuse(line, "the " + what + " has characters the font \"" + font.ImageName() + "\" cannot draw: " + missing);
        const int width = font.Width(drawn);
        const int room = kScreenWidth - kTitleCardLeft;
        if (width > room)
            Refuse(line, "the title card draws " + Quote(drawn) + " " + std::to_string(width) + " pixels wide in \"" +
                             font.ImageName() + "\"; from x = " + std::to_string(kTitleCardLeft) +
                             " the screen has room for " + std::to_string(room));
    }

    const TLevelSource& FSource;
    const TLevelHeader& FHeader;
    const TTitleCardFonts& FFonts;
    TDiagnostics FFound;
};

}  // namespace

int PileFootprint(std::string_view partOrTool)
{
    for (const TProductRecipe& recipe : ProductRecipes())
        if (recipe.ToolName == partOrTool) {
            for (const ImageEntry& image : ImageCatalogue())
                if (partOrTool == image.name) return image.patternWidth + 4;
            return 40;
        }
    for (const ImageEntry& image : ImageCatalogue())
        if (partOrTool == image.name) return image.patternWidth > 40 ? 80 : 40;
    return 40;
}

int PartHeight(std::string_view part)
{
    for (const TProductRecipe& recipe : ProductRecipes())
        if (std::find(recipe.Parts.begin(), recipe.Parts.end(), part) != recipe.Parts.end())
            for (const ImageEntry& image : ImageCatalogue())
                if (part == image.name) return image.patternHeight;
    return 0;
}

TDiagnostics CheckLevel(const TLevelSource& level, std::string_view fileName, const TTitleCardFonts& fonts)
{
    TChecker check(level, fonts);
    check.Number(fileName);
    check.TitleCard();
    check.Speed();
    check.Thresholds(check.Products());
    check.Bench();
    return check.Result();
}

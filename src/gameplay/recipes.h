#pragma once
// The products the factory builds: for each, the points it earns, its
// stages, the tool it needs or the parts it takes in fitting order, and the
// pictures of its recipe hint. The level loader, the level compiler and the
// tests all read this one table.
#include <cstdint>
#include <span>
#include <string_view>

struct TProductRecipe {
    std::string_view Name;
    int32_t Score;
    int32_t StageCount;
    // Empty for a product built from parts.
    std::string_view ToolName;
    // Part n (counted from 1) is Parts()[n - 1]; empty for a tool product.
    std::span<const std::string_view> Parts;
    std::span<const std::string_view> HintImages;

    bool NeedsTool() const { return !ToolName.empty(); }
};

// Every product, in the table's order.
std::span<const TProductRecipe> ProductRecipes();
// The recipe of that name (exact, lower case), or none.
const TProductRecipe* FindRecipe(std::string_view name);

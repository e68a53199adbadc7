#include "gameplay/recipes.h"

#include <array>

namespace {

using Names = std::string_view;

constexpr Names kHamburgerParts[] = {"hamburger-bief", "hamburger-union", "hamburger-lettuce", "hamburger-topbread"};
constexpr Names kHamburgerHint[] = {"hamburger-bottombread", "hamburger-bief", "hamburger-union",
                                    "hamburger-lettuce", "hamburger-topbread"};
constexpr Names kIceSorbetParts[] = {"icesorbet-ball1", "icesorbet-ball2", "icesorbet-ball3", "icesorbet-cookie"};
constexpr Names kPizzaParts[] = {"pizza-sauce-tomato", "pizza-sauce-vegetables"};
// The pizza's hint shows the vegetables first.
constexpr Names kPizzaHint[] = {"pizza-sauce-vegetables", "pizza-sauce-tomato"};
constexpr Names kBoatParts[] = {"boat-cabine"};
constexpr Names kBoatHint[] = {"boat-base", "boat-cabine"};
constexpr Names kCakeParts[] = {"cake-berries", "cake-toppart", "cake-berriestop"};
constexpr Names kCarParts[] = {"car-wheels"};
constexpr Names kCarHint[] = {"car-frame", "car-wheels"};
constexpr Names kTractorParts[] = {"tractor-backwheel", "tractor-frontwheel"};
constexpr Names kFruitPackParts[] = {"fruitpack-orange", "fruitpack-apple", "fruitpack-grapes", "fruitpack-bananas"};
constexpr Names kIceRocketParts[] = {"icerocket-bottom", "icerocket-middle", "icerocket-top"};
constexpr Names kBearParts[] = {"bear-legs", "bear-arms", "bear-ears"};
constexpr Names kIceParts[] = {"ice-ball1", "ice-ball2", "ice-ball3"};

constexpr std::span<const Names> kNone{};

const std::array<TProductRecipe, 15> kRecipes = {{
    {"hamburger", 50, 5, "", kHamburgerParts, kHamburgerHint},
    {"icesorbet", 50, 5, "", kIceSorbetParts, kIceSorbetParts},
    {"pizza", 30, 3, "", kPizzaParts, kPizzaHint},
    {"basketball", 20, 3, "compressor-presser", kNone, kNone},
    {"soccerball", 20, 3, "compressor-presser", kNone, kNone},
    {"boat", 20, 2, "", kBoatParts, kBoatHint},
    {"cake", 40, 4, "", kCakeParts, kCakeParts},
    {"car", 20, 2, "", kCarParts, kCarHint},
    {"tractor", 30, 3, "", kTractorParts, kTractorParts},
    {"fruitpack", 50, 5, "", kFruitPackParts, kFruitPackParts},
    {"icerocket", 40, 4, "", kIceRocketParts, kIceRocketParts},
    {"bear", 40, 4, "", kBearParts, kBearParts},
    {"ice", 40, 4, "", kIceParts, kIceParts},
    {"drinkbottle", 50, 5, "liquid-filler", kNone, kNone},
    {"beachball", 20, 3, "compressor-presser", kNone, kNone},
}};

}  // namespace

std::span<const TProductRecipe> ProductRecipes() { return kRecipes; }

const TProductRecipe* FindRecipe(std::string_view name)
{
    for (const TProductRecipe& recipe : kRecipes)
        if (recipe.Name == name) return &recipe;
    return nullptr;
}

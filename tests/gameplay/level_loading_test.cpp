// Loading a level: products on the line, parts and tools on the piles,
// the layout, and what a damaged file does.
#include <gtest/gtest.h>

#include <random>

#include "gameplay/recipes.h"
#include "gameplay/support/floor_host.h"

namespace {

class LevelLoadTest : public ::testing::Test {
protected:
    TMainAssemblyLine& line() { return *host.floor->FMainLine; }
    TPickLocations& piles() { return *host.floor->FPickLocations; }

    FloorHost host;
};

// A header of 428 bytes and the records, written byte by byte.
std::string RawLevel(int32_t count, const std::vector<std::string>& records, int32_t number = 3)
{
    LevelPlan plan{.number = number, .products = {}};
    std::string bytes = LevelBytes(plan);
    const auto u = static_cast<uint32_t>(count);
    for (int i = 0; i < 4; ++i) bytes[299 + i] = static_cast<char>(u >> (8 * i));
    for (const std::string& r : records) {
        std::string record(31, '\0');
        record[0] = static_cast<char>(r.size());
        record.replace(1, std::min<std::size_t>(r.size(), 30), r.substr(0, 30));
        bytes += record;
    }
    return bytes;
}

}  // namespace

TEST_F(LevelLoadTest, OnePilePerPartEachHoldingOnePartPerProductLaidOutLeftToRight)
{
    ASSERT_TRUE(host.load(LevelPlan{.products = {"bear", "bear", "bear"}}));
    ASSERT_EQ(piles().Count(), 3);
    double x = 240;
    const char* parts[] = {"bear-legs", "bear-arms", "bear-ears"};
    for (int i = 0; i < 3; ++i) {
        TBasePickLocation& pile = *piles().GetPile(i);
        EXPECT_EQ(pile.FPartName, parts[i]);
        EXPECT_EQ(pile.FParts.size(), 3u);
        EXPECT_EQ(pile.WorldX(), x);
        EXPECT_EQ(pile.WorldY(), 240);
        // Bear parts are 50 pixels wide: the big pile.
        EXPECT_EQ(pile.FWidth, 80);
        x += pile.FWidth + 2;
    }
    // Stacked upward from the pile, each on the one below.
    TBasePickLocation& legs = *piles().GetPile(0);
    legs.Update(10);
    const int h = legs.FParts[0]->Height();
    EXPECT_EQ(legs.FParts[0]->WorldY(), 255 - h);
    EXPECT_EQ(legs.FParts[2]->WorldY(), 255 - 3 * h);
    EXPECT_EQ(legs.FParts[2]->Z(), 104);
}

TEST_F(LevelLoadTest, PileSizesFollowThePartAndToolPictures)
{
    ASSERT_TRUE(host.load(LevelPlan{.products = {"hamburger", "cake", "basketball"}}));
    EXPECT_EQ(piles().FindPile("hamburger-bief")->FWidth, 40);   // 34 pixels wide
    EXPECT_EQ(piles().FindPile("cake-berries")->FWidth, 80);     // 72 pixels wide
    TBasePickLocation& tools = *piles().FindPile("compressor-presser");
    EXPECT_EQ(tools.FWidth, 25 + 4);
    EXPECT_EQ(tools.Image, &host.images.Items().Find("pile-tool"));
}

TEST_F(LevelLoadTest, ToolProductsShareOneToolPileWithOneTool)
{
    ASSERT_TRUE(host.load(LevelPlan{.products = {"basketball", "soccerball", "beachball", "drinkbottle"}}));
    ASSERT_EQ(piles().Count(), 2);
    EXPECT_EQ(piles().GetPile(0)->FToolName, "compressor-presser");
    EXPECT_NE(piles().GetPile(0)->FTool, nullptr);
    EXPECT_EQ(piles().GetPile(1)->FToolName, "liquid-filler");
    EXPECT_TRUE(piles().GetPile(0)->FParts.empty());
}

TEST_F(LevelLoadTest, ProductsQueueFromTheRightBySpacingPlusEighty)
{
    ASSERT_TRUE(host.load(LevelPlan{.spacing = 0, .products = {"car", "boat", "car"}}));
    EXPECT_EQ(line().GetProduct(0)->WorldX(), 750);
    EXPECT_EQ(line().GetProduct(1)->WorldX(), 830);
    EXPECT_EQ(line().GetProduct(2)->WorldX(), 910);

    ASSERT_TRUE(host.load(LevelPlan{.spacing = 40, .products = {"car", "car"}}));
    EXPECT_EQ(line().GetProduct(0)->WorldX(), 790);
    EXPECT_EQ(line().GetProduct(1)->WorldX(), 910);
    EXPECT_EQ(line().GetProduct(0)->FProductName, "car");
    EXPECT_EQ(line().GetProduct(0)->FStage, 0);
}

TEST_F(LevelLoadTest, ProductsCarryTheirRecipe)
{
    ASSERT_TRUE(host.load(LevelPlan{.products = {"pizza", "drinkbottle"}}));
    const TBaseAssemblyObject& pizza = *line().GetProduct(0);
    EXPECT_EQ(pizza.FScore, 30);
    EXPECT_EQ(pizza.FStageCount, 3);
    EXPECT_TRUE(pizza.FToolName.empty());
    EXPECT_EQ(pizza.FHintImages, (std::vector<std::string>{"pizza-sauce-vegetables", "pizza-sauce-tomato"}));
    EXPECT_EQ(line().GetProduct(1)->FToolName, "liquid-filler");
    EXPECT_EQ(piles().FindPile("pizza-sauce-tomato")->FParts[0]->FPartNumber, 1);
    EXPECT_EQ(piles().FindPile("pizza-sauce-vegetables")->FParts[0]->FPartNumber, 2);
}

TEST_F(LevelLoadTest, HeaderFieldsAndTheStoredLevelNumber)
{
    ASSERT_TRUE(host.load(LevelPlan{.number = 7,
                                    .name = "Seventh",
                                    .description = "Lucky.",
                                    .speed = 2,
                                    .firedBelow = 40,
                                    .veryGoodFrom = 90,
                                    .products = {"car"}}));
    EXPECT_EQ(host.level->FLevelNumber, 7);
    EXPECT_EQ(host.level->FLevelName, "Seventh");
    EXPECT_EQ(host.level->FDescription, "Lucky.");
    EXPECT_EQ(host.level->FFiredBelow, 40);
    EXPECT_EQ(host.level->FVeryGoodFrom, 90);
    EXPECT_EQ(line().FSpeed, 2);
}

TEST_F(LevelLoadTest, UnknownNamesAddNothingAndDoNotAdvanceTheQueue)
{
    ASSERT_TRUE(host.load(RawLevel(4, {"car", "spaceship", "Car", "boat"})));
    ASSERT_EQ(line().ProductCount(), 2);
    EXPECT_EQ(line().GetProduct(1)->FProductName, "boat");
    EXPECT_EQ(line().GetProduct(1)->WorldX(), 750 + 80 + 80 + 80);
    EXPECT_EQ(piles().Count(), 2);
}

TEST_F(LevelLoadTest, CountsTheFileDoesNotBackAreNotBelieved)
{
    // Two billion products claimed, two written.
    ASSERT_TRUE(host.load(RawLevel(2'000'000'000, {"car", "boat"})));
    EXPECT_EQ(line().ProductCount(), 2);
    // Negative and zero counts read no records: nothing to play.
    EXPECT_FALSE(host.load(RawLevel(-5, {"car"})));
    EXPECT_EQ(line().ProductCount(), 0);
    EXPECT_FALSE(host.load(RawLevel(0, {"car"})));
    // A record cut short by the end of the file is no record.
    std::string cut = RawLevel(2, {"car", "boat"});
    cut.resize(cut.size() - 3);
    ASSERT_TRUE(host.load(cut));
    EXPECT_EQ(line().ProductCount(), 1);
}

TEST_F(LevelLoadTest, LengthBytesAboveThirtyReadAsThirty)
{
    std::string bytes = RawLevel(1, {"car"});
    bytes[12] = static_cast<char>(200);  // the level name's length
    for (int i = 13; i < 43; ++i) bytes[static_cast<std::size_t>(i)] = 'N';
    bytes[428] = static_cast<char>(255);  // the product record's length
    ASSERT_FALSE(host.load(bytes));        // "car" plus 27 more bytes names no product
    EXPECT_EQ(host.level->FLevelName.View(), std::string(30, 'N'));
}

TEST_F(LevelLoadTest, TruncatedHeaderKeepsTheFieldsItDoesNotReach)
{
    const std::string whole = LevelBytes(LevelPlan{.number = 0x01020304, .speed = 3, .products = {"car"}});
    // Cut inside the level number: only its first two bytes are read.
    EXPECT_FALSE(host.load(whole.substr(0, 10)));
    EXPECT_EQ(host.level->FLevelNumber, 0x0304);
    EXPECT_EQ(host.level->FProductSpacing, 80);
    EXPECT_FALSE(host.load(std::string()));
    EXPECT_EQ(host.level->FLevelNumber, 0);
}

TEST_F(LevelLoadTest, ReloadAfterAFailedLoadStartsFromACleanFloor)
{
    ASSERT_TRUE(host.load(LevelPlan{.products = {"hamburger", "hamburger"}}));
    ASSERT_FALSE(host.load(RawLevel(1, {"nothing"})));
    EXPECT_EQ(line().ProductCount(), 0);
    EXPECT_EQ(piles().Count(), 0);
    ASSERT_TRUE(host.load(LevelPlan{.products = {"car"}}));
    EXPECT_EQ(line().ProductCount(), 1);
    EXPECT_EQ(piles().Count(), 1);
    EXPECT_EQ(line().GetProduct(0)->WorldX(), 750 + 80);
}

TEST_F(LevelLoadTest, RandomBytesNeverCrash)
{
    std::mt19937 random(12345);
    for (int round = 0; round < 300; ++round) {
        std::string bytes(random() % 2000, '\0');
        for (char& c : bytes) c = static_cast<char>(random());
        // Some rounds name real products, so piles and products get built too.
        if (bytes.size() > 460 && round % 2) {
            bytes[299] = 3, bytes[300] = bytes[301] = bytes[302] = 0;
            const std::string name = std::string(ProductRecipes()[round % 15].Name);
            bytes[428] = static_cast<char>(name.size());
            bytes.replace(429, name.size(), name);
        }
        host.load(bytes);
        for (int t = 0; t < 5; ++t) {
            host.floor->FMainLine->Update(10);
            host.floor->FPickLocations->Update(10);
        }
    }
    SUCCEED();
}

TEST_F(LevelLoadTest, AFolderOrAMissingFileIsAFailedLoadNotAnError)
{
    TempDir dir;
    std::filesystem::create_directory(dir.path() / "Level1.lev");
    EXPECT_FALSE(host.level->LoadFromFile(dir.file("Level1.lev")));
    EXPECT_FALSE(host.level->FLoaded);
    EXPECT_FALSE(host.level->LoadFromFile(dir.file("Level2.lev")));
    dir.write("Level3.lev", LevelBytes(LevelPlan{.products = {"car"}}));
    EXPECT_TRUE(host.level->LoadFromFile(dir.file("Level3.lev")));
    EXPECT_TRUE(host.level->FLoaded);
}

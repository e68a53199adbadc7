// Which part fits and which tool works, and what a wrong try says.
#include <gtest/gtest.h>

#include "gameplay/support/floor_host.h"

namespace {

class AcceptanceTest : public ::testing::Test {
protected:
    AcceptanceTest()
    {
        EXPECT_TRUE(host.load(LevelPlan{.products = {"hamburger", "hamburger", "pizza", "basketball", "drinkbottle"}}));
    }
    TMainAssemblyLine& line() { return *host.floor->FMainLine; }
    TBaseAssemblyObject* product(int i) { return line().GetProduct(i); }
    TAssemblyObjectPartSprite& part(const char* name, int i = 0)
    {
        return *host.floor->FPickLocations->FindPile(name)->FParts[static_cast<std::size_t>(i)];
    }
    TAssemblyObjectToolSprite& tool(const char* name) { return *host.floor->FPickLocations->FindPile(name)->FTool; }

    FloorHost host;
};

}  // namespace

TEST_F(AcceptanceTest, PartsFitInRecipeOrderAndAnyProductOfTheirKind)
{
    EXPECT_TRUE(line().TryFitPart(product(0), part("hamburger-bief", 1)));
    EXPECT_EQ(product(0)->FStage, 1);
    // The second hamburger's meat fits the first hamburger as well.
    EXPECT_TRUE(line().TryFitPart(product(1), part("hamburger-bief", 0)));
    EXPECT_TRUE(line().TryFitPart(product(0), part("hamburger-union")));
    EXPECT_EQ(product(0)->FStage, 2);
    EXPECT_TRUE(host.hints.empty());
}

TEST_F(AcceptanceTest, WrongPartsSayWhy)
{
    EXPECT_TRUE(line().TryFitPart(product(0), part("hamburger-bief")));
    EXPECT_FALSE(line().TryFitPart(product(0), part("hamburger-topbread")));
    EXPECT_FALSE(line().TryFitPart(product(0), part("hamburger-bief", 1)));
    EXPECT_FALSE(line().TryFitPart(product(0), part("pizza-sauce-tomato")));
    EXPECT_EQ(product(0)->FStage, 1);
    EXPECT_EQ(host.hints, (std::vector<std::string>{"Wrong part! / You need another part first.",
                                                    "Wrong part! / You need a next part.",
                                                    "Wrong part! / Part belongs to another product."}));
}

TEST_F(AcceptanceTest, ToolsWorkUntilTheProductIsCompleteThenRefuseSilently)
{
    TBaseAssemblyObject* ball = product(3);
    EXPECT_TRUE(line().TryApplyTool(ball, tool("compressor-presser")));
    EXPECT_TRUE(line().TryApplyTool(ball, tool("compressor-presser")));
    EXPECT_TRUE(ball->IsComplete());
    EXPECT_FALSE(line().TryApplyTool(ball, tool("compressor-presser")));
    EXPECT_EQ(ball->FStage, 2);
    EXPECT_TRUE(host.hints.empty());
}

TEST_F(AcceptanceTest, WrongToolsSayWhy)
{
    EXPECT_FALSE(line().TryApplyTool(product(4), tool("compressor-presser")));
    EXPECT_FALSE(line().TryApplyTool(product(2), tool("liquid-filler")));
    EXPECT_FALSE(line().TryApplyTool(nullptr, tool("liquid-filler")));
    EXPECT_FALSE(line().TryFitPart(nullptr, part("hamburger-bief")));
    EXPECT_EQ(host.hints, (std::vector<std::string>{"Wrong tool for this product!",
                                                    "You do not need a tool on this product!"}));
}

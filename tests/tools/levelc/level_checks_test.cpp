// levelc --check: each rule refuses on the line at fault with its reason,
// and lets through what the game plays well.
#include <fstream>

#include "gameplay/recipes.h"
#include "levelc_fixture.h"
#include "support/level_bytes.h"

using namespace levelc_test;

namespace {

std::string Describe(const TDiagnostics& found)
{
    std::string all = std::to_string(found.size()) + " refusals";
    for (const TDiagnostic& d : found) all += "\n  " + std::to_string(d.Line) + ": " + d.Message;
    return all;
}

// The one refusal the source earns.
TDiagnostic Refusal(const std::string& source, std::string_view fileName = "level04.txt")
{
    const TDiagnostics found = Check(source, fileName);
    if (found.size() == 1) return found.front();
    ADD_FAILURE() << Describe(found);
    return {-1, ""};
}

void ExpectRefusal(const std::string& source, int line, const std::string& message)
{
    const TDiagnostic found = Refusal(source);
    EXPECT_EQ(found.Line, line);
    EXPECT_EQ(found.Message, message);
}

TEST(LevelCheck, AGoodLevelPasses)
{
    EXPECT_TRUE(Check(kGoodSource).empty()) << Describe(Check(kGoodSource));
    // Thresholds may sit on the edges: fired exactly at very good, very good at everything.
    EXPECT_TRUE(Check(WithLine(WithLine(kGoodSource, 6, "fired below: 70"), 7, "very good from: 70")).empty());
    EXPECT_TRUE(Check(WithLine(kGoodSource, 4, "speed: 1")).empty());
    EXPECT_TRUE(Check(WithLine(kGoodSource, 4, "speed: 3")).empty());
    EXPECT_TRUE(Check(WithLine(kGoodSource, 5, "spacing: 0")).empty());
    EXPECT_TRUE(Check(kGoodSource, "night.txt").empty());  // a name without a number promises none
}

TEST(LevelCheck, RefusesUnknownProductsOncePerLineWithAGuess)
{
    ExpectRefusal(kGoodSource + "    piza\n", 11, "unknown product \"piza\" (did you mean \"pizza\"?)");
    ExpectRefusal(kGoodSource + "    Pizza\n", 11, "unknown product \"Pizza\" (did you mean \"pizza\"?)");
    ExpectRefusal(kGoodSource + "    spaceship x3\n", 11, "unknown product \"spaceship\" (3 times)");
}

TEST(LevelCheck, RefusesAnEmptyQueueAndACountThatIsNotTheQueue)
{
    const std::string empty = WithLine(WithLine(WithLine(WithLine(kGoodSource, 9, ""), 10, ""), 6, "fired below: 0"),
                                       7, "very good from: 0");
    ExpectRefusal(empty, 8, "the level has no products");
    ExpectRefusal(kGoodSource + "product count: 5\n", 11, "the product count 5 differs from the 3 products listed");
}

TEST(LevelCheck, RefusesASpeedOutsideSlowToFast)
{
    for (const char* speed : {"0", "4", "-1"})
        ExpectRefusal(WithLine(kGoodSource, 4, std::string("speed: ") + speed), 4,
                      std::string("speed ") + speed + " is not 1 (slow), 2 (middle) or 3 (fast)");
    ExpectRefusal(WithLine(kGoodSource, 5, "spacing: -1"), 5,
                  "spacing -1 is negative: products would ride on top of each other");
}

TEST(LevelCheck, RefusesThresholdsNoShiftCouldReach)
{
    ExpectRefusal(WithLine(kGoodSource, 7, "very good from: 71"), 7,
                  "very good from 71 is more than the 70 points all the products together earn: no shift could earn praise");
    ExpectRefusal(WithLine(kGoodSource, 6, "fired below: 61"), 6, "fired below 61 is above very good from 60");
    const TDiagnostics both = Check(WithLine(kGoodSource, 6, "fired below: 71"));
    ASSERT_EQ(both.size(), 2u);
    EXPECT_EQ(both[0].Line, 6);
    EXPECT_EQ(both[0].Message,
              "fired below 71 is more than the 70 points all the products together earn: every shift would end in firing");
    EXPECT_EQ(both[1].Message, "fired below 71 is above very good from 60");
    // Unknown products earn nothing.
    const TDiagnostics unknown = Check(WithLine(kGoodSource, 10, "    spaceship"));
    ASSERT_EQ(unknown.size(), 2u);
    EXPECT_EQ(unknown[0].Line, 7);
    EXPECT_NE(unknown[0].Message.find("the 40 points"), std::string::npos);
}

TEST(LevelCheck, RefusesCharactersTheTitleCardFontsCannotDraw)
{
    ExpectRefusal(WithLine(kGoodSource, 2, "name: \"Night & Day\""), 2,
                  "the name has characters the font \"bigfont2\" cannot draw: \"&\" (38)");
    // The game's fonts have no comma; each character is named once.
    ExpectRefusal(WithLine(kGoodSource, 3, "description: \"Cars, pizzas, caf\xC3\xA9s.\""), 3,
                  "the description has characters the font \"font1\" cannot draw: \",\" (44), \"\\xE9\" (233)");
    // Code 219 would draw the edit box's caret block.
    ExpectRefusal(WithLine(kGoodSource, 2, R"(name: "Night\xDB")"), 2,
                  "the name has characters the font \"bigfont2\" cannot draw: \"\\xDB\" (219)");
}

TEST(LevelCheck, RefusesTitleCardTextsThatRunOffTheScreen)
{
    const TDiagnostic name = Refusal(WithLine(kGoodSource, 2, "name: \"" + std::string(30, 'W') + "\""));
    EXPECT_EQ(name.Line, 2);
    EXPECT_EQ(name.Message.rfind("the title card draws \"Level 4   WWW", 0), 0u) << name.Message;
    EXPECT_NE(name.Message.find("pixels wide in \"bigfont2\"; from x = 100 the screen has room for 700"),
              std::string::npos);

    const TDiagnostic text = Refusal(WithLine(kGoodSource, 3, "description: \"" + std::string(80, 'm') + "\""));
    EXPECT_EQ(text.Line, 3);
    EXPECT_NE(text.Message.find("in \"font1\""), std::string::npos) << text.Message;
}

TEST(LevelCheck, TheLevelNumberMatchesTheFileNameAndCountsFromOne)
{
    const TDiagnostic other = Refusal(kGoodSource, "levels/level05.txt");
    EXPECT_EQ(other.Line, 1);
    EXPECT_EQ(other.Message,
              "the file name says level 5 but the level number is 4 (the game finds the next level by number)");
    EXPECT_TRUE(Check(kGoodSource, "Levels/LEVEL004.TXT").empty());
    const TDiagnostic zero = Refusal(WithLine(kGoodSource, 1, "level: 0"), "x.txt");
    EXPECT_EQ(zero.Line, 1);
    EXPECT_EQ(zero.Message, "the level number 0 is not 1 or more");
}

TEST(LevelCheck, ALevelFileIsJudgedByItsRecordsWithoutLines)
{
    using namespace level_bytes;
    std::string b = Compile(kGoodSource);
    PutInt(b, kSpeed, 9);
    AppendRecord(b, "spaceship");
    PutInt(b, kCount, 4);
    const TLevReading read = ReadLev(b);
    TLevelSource level;
    level.Level = read.Level;
    const TDiagnostics found = CheckLevel(level, "Level4.lev", Fonts());
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].Line, 0);
    EXPECT_EQ(found[0].Message, "speed 9 is not 1 (slow), 2 (middle) or 3 (fast)");
    EXPECT_EQ(found[1].Message, "unknown product \"spaceship\" in product record 4");
}

TEST(LevelCheck, RefusesPilesBeyondTheWorkersReach)
{
    // car (80) + pizza (2 x 40) from 240, then bears' three wide piles and a
    // hamburger's four: the burger's top bread would stand at x = 778.
    const std::string crowded = kGoodSource + "    bear\n    hamburger\n";
    ExpectRefusal(crowded, 8,
                  "the pile of \"hamburger-topbread\" would stand at x = 778, beyond the worker's reach (the bench "
                  "holds piles up to x = 760): use fewer kinds of parts");
    EXPECT_TRUE(Check(kGoodSource + "    bear\n").empty());
}

TEST(LevelCheck, RefusesPilesStackedIntoTheScoreBar)
{
    // Car wheels are 40 pixels high: four stack up to y = 95, a fifth would
    // reach the score bar.
    EXPECT_TRUE(Check(WithLine(kGoodSource, 9, "    car x4")).empty());
    ExpectRefusal(WithLine(kGoodSource, 9, "    car x5"), 8,
                  "the pile of \"car-wheels\" would stack 5 parts 200 pixels high, into the score bar: at most 4 fit");
}

TEST(LevelCheck, EveryShippedLevelPassesAndStaysOnItsBench)
{
    // The thresholds themselves are set from the automatic players' scores
    // and proven by their test; here each level passes every check.
    for (int n = 1; n <= 25; ++n) {
        const std::string name = std::string(n < 10 ? "level0" : "level") + std::to_string(n) + ".txt";
        std::ifstream in(std::string(BRINDLECOG_SOURCE_DIR) + "/levels/" + name);
        ASSERT_TRUE(in) << name;
        const TLevelSource s = Parse({std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()});
        EXPECT_TRUE(CheckLevel(s, name, Fonts()).empty()) << name;
        EXPECT_EQ(s.Level.Header.FLevelNumber, n) << name;
    }
}

}  // namespace

// Reading level sources: what the text says ends up in the right field, and
// every text the level file cannot hold is refused on its line.
#include "levelc_fixture.h"

using namespace levelc_test;

namespace {

TDiagnostics Errors(const std::string& source) { return ParseLevelSource(source).Errors; }

void ExpectError(const std::string& source, int line, std::string_view part)
{
    const TDiagnostics errors = Errors(source);
    ASSERT_FALSE(errors.empty()) << source;
    EXPECT_EQ(errors.front().Line, line) << errors.front().Message;
    EXPECT_NE(errors.front().Message.find(part), std::string::npos) << errors.front().Message;
}

TEST(LevelSource, FillsTheHeaderAndTheQueueInOrder)
{
    const TLevelSource s = Parse(kGoodSource);
    const TLevelHeader& h = s.Level.Header;
    EXPECT_EQ(h.FLevelNumber, 4);
    EXPECT_EQ(h.FLevelName, "Night Shift");
    EXPECT_EQ(h.FDescription, "Cars and pizzas until dawn.");
    EXPECT_EQ(h.FLineSpeed, 2);
    EXPECT_EQ(h.FProductSpacing, 100);
    EXPECT_EQ(h.FFiredBelow, 30);
    EXPECT_EQ(h.FVeryGoodFrom, 60);
    EXPECT_EQ(h.FProductCount, 3);
    EXPECT_EQ(h.FReserved1, 0);
    EXPECT_TRUE(h.FReserved9.Empty());
    EXPECT_EQ(s.Level.Products, (std::vector<std::string>{"car", "car", "pizza"}));
    EXPECT_EQ(s.ProductLines, (std::vector<int>{9, 9, 10}));
    EXPECT_EQ(s.LineOf(TLevelField::VeryGoodFrom), 7);
    EXPECT_EQ(s.LineOf(TLevelField::Reserved1), 0);
}

TEST(LevelSource, CommentsBlanksAndKeySpacingDoNotMatter)
{
    const std::string source = "# a shift\n\n" + WithLine(kGoodSource, 6, "  fired    below :  30   # half or so") +
                               "\n   # the end\n";
    const TLevelSource s = Parse(source);
    EXPECT_EQ(s.Level.Header.FFiredBelow, 30);
    EXPECT_EQ(s.LineOf(TLevelField::FiredBelow), 8);
}

TEST(LevelSource, QuotedTextKeepsHashesColonsEscapesAndLatin1)
{
    const TLevelSource s = Parse(WithLine(kGoodSource, 2, R"(name: "No. #1: \"A\" \\ \x7F caf)" "\xC3\xA9\"  # note"));
    EXPECT_EQ(s.Level.Header.FLevelName, "No. #1: \"A\" \\ \x7F caf\xE9");
}

TEST(LevelSource, ProductsTakeSeveralNamesRepeatsAndQuotedNamesPerLine)
{
    const std::string source = WithLine(kGoodSource, 9, "    car x2 pizza \"odd name\" x2 boat");
    EXPECT_EQ(Parse(source).Level.Products,
              (std::vector<std::string>{"car", "car", "pizza", "odd name", "odd name", "boat", "pizza"}));
    // Names may follow the key on its own line.
    EXPECT_EQ(Parse(WithLine(WithLine(kGoodSource, 9, ""), 8, "products: boat x3")).Level.Products.size(), 4u);
}

TEST(LevelSource, KeysAfterTheProductsEndTheList)
{
    const TLevelSource s = Parse(kGoodSource + "reserved 4: -9\nreserved 8: \"r\"\n");
    EXPECT_EQ(s.Level.Header.FReserved4, -9);
    EXPECT_EQ(s.Level.Header.FReserved8, "r");
    EXPECT_EQ(s.Level.Products.size(), 3u);
    ExpectError(kGoodSource + "reserved 4: 1\nboat\n", 12, "expected \"key: value\"");
}

TEST(LevelSource, AnExplicitProductCountIsKeptAsWritten)
{
    EXPECT_EQ(Parse(kGoodSource + "product count: 2000000000\n").Level.Header.FProductCount, 2000000000);
    EXPECT_EQ(Parse(kGoodSource + "product count: -1\n").Level.Header.FProductCount, -1);
}

TEST(LevelSource, RefusesWhatTheFileCannotHoldOnItsLine)
{
    ExpectError(WithLine(kGoodSource, 4, "sped: 2"), 4, "unknown key \"sped\"");
    ExpectError(kGoodSource + "speed: 3\n", 11, "\"speed\" was already given on line 4");
    ExpectError(WithLine(kGoodSource, 4, "speed: fast"), 4, "\"speed\" wants a whole number, not \"fast\"");
    ExpectError(WithLine(kGoodSource, 4, "speed: 2.5"), 4, "whole number");
    ExpectError(WithLine(kGoodSource, 5, "spacing: 2147483648"), 5, "does not fit in 32 bits");
    ExpectError(WithLine(kGoodSource, 5, "spacing: -99999999999999999999999"), 5, "does not fit in 32 bits");
    ExpectError(WithLine(kGoodSource, 2, "name: Night Shift"), 2, "wants text in double quotes");
    ExpectError(WithLine(kGoodSource, 2, "name: \"Night"), 2, "no closing quote");
    ExpectError(WithLine(kGoodSource, 2, "name: \"Night\" Shift"), 2, "after the quoted text");
    ExpectError(WithLine(kGoodSource, 2, R"(name: "tab\t")"), 2, "unknown escape");
    ExpectError(WithLine(kGoodSource, 2, R"(name: "\x4")"), 2, "unknown escape");
    ExpectError(WithLine(kGoodSource, 2, "name: \"\xE2\x82\xAC\""), 2, "U+20AC cannot be stored");
    ExpectError(WithLine(kGoodSource, 2, "name: \"\xE9t\xE9\""), 2, "not valid UTF-8");
    ExpectError(WithLine(kGoodSource, 2, "name: \"\xC0\xA2\""), 2, "not valid UTF-8");  // an overlong quote
    ExpectError(WithLine(kGoodSource, 1, "boat"), 1, "products are listed after \"products:\"");
}

TEST(LevelSource, TextsAreRefusedOneCharacterPastTheirField)
{
    EXPECT_TRUE(Errors(WithLine(kGoodSource, 2, "name: \"" + std::string(30, 'N') + "\"")).empty());
    ExpectError(WithLine(kGoodSource, 2, "name: \"" + std::string(31, 'N') + "\""), 2,
                "\"name\" is 31 characters long; the level file holds at most 30");
    // Characters count as the file's bytes: an escape or a UTF-8 pair is one.
    EXPECT_TRUE(Errors(WithLine(kGoodSource, 2, "name: \"" + std::string(28, 'N') + R"(\x41)" "\xC3\xA9\"")).empty());
    EXPECT_TRUE(Errors(WithLine(kGoodSource, 3, "description: \"" + std::string(255, 'd') + "\"")).empty());
    ExpectError(WithLine(kGoodSource, 3, "description: \"" + std::string(256, 'd') + "\""), 3, "at most 255");
    ExpectError(WithLine(kGoodSource, 9, "    " + std::string(31, 'p')), 9, "a product record holds at most 30");
}

TEST(LevelSource, RepeatCountsAreCheckedAndBounded)
{
    ExpectError(WithLine(kGoodSource, 9, "    car x0"), 9, "a repeat count is 1 or more");
    ExpectError(WithLine(kGoodSource, 9, "    car x99999999999"), 9, "more than 100000 products");
    ExpectError(WithLine(kGoodSource, 9, "    car x60000 boat x60000"), 9, "more than 100000 products");
    // A count with no name before it on the line is a (strange) name.
    EXPECT_EQ(Parse(WithLine(kGoodSource, 9, "    x2")).Level.Products.front(), "x2");
    // A second count does not multiply the first.
    EXPECT_EQ(Parse(WithLine(kGoodSource, 9, "    car x2 x3")).Level.Products.size(), 4u);
}

TEST(LevelSource, EveryMissingKeyIsNamed)
{
    const TDiagnostics errors = Errors("# nothing here\n");
    std::string all;
    for (const TDiagnostic& e : errors) {
        EXPECT_EQ(e.Line, 0);
        all += e.Message + "\n";
    }
    for (const char* key : {"level", "name", "description", "speed", "spacing", "fired below", "very good from", "products"})
        EXPECT_NE(all.find("no \"" + std::string(key) + ":\" line"), std::string::npos) << key;
    EXPECT_EQ(all.find("reserved"), std::string::npos);
}

TEST(LevelSource, KeepsGoingAfterAnErrorToReportTheNext)
{
    const TDiagnostics errors = Errors(WithLine(WithLine(kGoodSource, 4, "speed: x"), 6, "fired: 1"));
    ASSERT_EQ(errors.size(), 3u);  // speed, fired, and then "fired below" missing
    EXPECT_EQ(errors[0].Line, 4);
    EXPECT_EQ(errors[1].Line, 6);
    EXPECT_EQ(errors[2].Message, "no \"fired below:\" line");
}

}  // namespace

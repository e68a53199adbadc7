// levelc --dump: any level file back as source text, with nothing the game
// reads lost, so that compiling the dump gives the file again.
#include <filesystem>
#include <fstream>

#include "levelc_fixture.h"
#include "support/level_bytes.h"

using namespace levelc_test;
using namespace level_bytes;

namespace {

std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Dumps, compiles the dump and expects the very same bytes.
void ExpectRoundTrip(const std::string& bytes)
{
    const std::string text = Dump(bytes);
    const TParseResult parsed = ParseLevelSource(text);
    ASSERT_TRUE(parsed.Errors.empty()) << parsed.Errors.front().Message << "\n" << text;
    EXPECT_EQ(Bytes(parsed.Source.Level), bytes) << text;
}

TEST(LevelDump, PrintsAHandWrittenFileFieldByField)
{
    std::string b = Header();
    PutInt(b, kReserved1, 5);
    PutInt(b, kNumber, 12);
    PutText(b, kName, 9, "Say \"Hi\"\xE9");
    PutText(b, kDescription, 4, "a\\b\n");
    PutInt(b, kCount, 4);
    PutText(b, kReserved3, 3, "abc");
    PutInt(b, kSpeed, 3);
    PutInt(b, kSpacing, -20);
    PutInt(b, kFiredBelow, 100);
    PutInt(b, kVeryGoodFrom, 180);
    PutInt(b, kReserved7, -7);
    PutText(b, kReserved9, 1, "z");
    AppendRecord(b, "cake");
    AppendRecord(b, "cake");
    AppendRecord(b, "two words");
    AppendRecord(b, "cake");

    EXPECT_EQ(Dump(b),
              "# dump\n"
              "\n"
              "level:          12\n"
              "name:           \"Say \\\"Hi\\\"\\xE9\"\n"
              "description:    \"a\\\\b\\x0A\"\n"
              "speed:          3\n"
              "spacing:        -20\n"
              "fired below:    100\n"
              "very good from: 180\n"
              "\n"
              "products:\n"
              "    cake x2\n"
              "    \"two words\"\n"
              "    cake\n"
              "\n"
              "# Not used by the game; kept so that nothing is lost.\n"
              "reserved 1:     5\n"
              "reserved 2:     0\n"
              "reserved 3:     \"abc\"\n"
              "reserved 4:     0\n"
              "reserved 5:     0\n"
              "reserved 6:     0\n"
              "reserved 7:     -7\n"
              "reserved 8:     \"\"\n"
              "reserved 9:     \"z\"\n");
    ExpectRoundTrip(b);
}

TEST(LevelDump, EveryShippedLevelCompilesDumpsAndCompilesToTheSameBytes)
{
    const std::filesystem::path levels = std::filesystem::path(BRINDLECOG_SOURCE_DIR) / "levels";
    int found = 0;
    for (const auto& entry : std::filesystem::directory_iterator(levels)) {
        if (entry.path().extension() != ".txt") continue;
        ++found;
        SCOPED_TRACE(entry.path().filename().string());
        const TLevelSource source = Parse(ReadFile(entry.path()));
        const std::string bytes = Bytes(source.Level);
        ASSERT_EQ(bytes.size(), kHeader + kRecord * source.Level.Products.size());
        ExpectRoundTrip(bytes);
        // The build put the same bytes into the game folder.
        const auto built = std::filesystem::path(BRINDLECOG_GAME_DIR) / "Levels" /
                           ("Level" + std::to_string(source.Level.Header.FLevelNumber) + ".lev");
        EXPECT_EQ(ReadFile(built), bytes) << built;
    }
    EXPECT_GE(found, 3);
}

TEST(LevelDump, KeepsCountsThatDisagreeWithTheRecords)
{
    std::string b = Header();
    PutInt(b, kCount, 2000000000);
    AppendRecord(b, "boat");
    AppendRecord(b, "car");
    EXPECT_NE(Dump(b).find("product count:  2000000000\n"), std::string::npos);
    ExpectRoundTrip(b);

    std::string none = Header();
    PutInt(none, kCount, -3);
    ExpectRoundTrip(none);
}

TEST(LevelDump, KeepsProductNamesThatAreNoWords)
{
    std::string b = Header();
    PutInt(b, kCount, 7);
    for (const std::string& name :
         std::vector<std::string>{"", "x3", "a:b", "#", "\"q\"", std::string("\0\xFF", 2), std::string(30, 'w')})
        AppendRecord(b, name);
    ExpectRoundTrip(b);
}

TEST(LevelDump, NotesWhatTheGameIgnoresOrReadsOtherwise)
{
    std::string b = Header();
    PutText(b, kName, 200, std::string(30, 'n'));  // read as 30
    b[kReserved8 + 5] = 'x';                        // past an empty text
    PutInt(b, kCount, 1);
    AppendRecord(b, "boat");
    AppendRecord(b, "car");  // past the count
    b += "tail";

    const TLevReading read = ReadLev(b);
    ASSERT_EQ(read.Departures.size(), 2u);
    EXPECT_EQ(read.Departures[0], "\"name\": its length byte says 200 characters; the field holds 30, so the game reads 30");
    EXPECT_EQ(read.Departures[1], "the header counts 1 products but the file holds 2 whole records");
    ASSERT_EQ(read.Ignored.size(), 3u);
    EXPECT_EQ(read.Ignored[0], "\"reserved 8\": bytes after its text are not zero");
    EXPECT_EQ(read.Ignored[1], "1 records after the counted products are not read");
    EXPECT_EQ(read.Ignored[2], "4 bytes after the last whole record are not read");
    EXPECT_EQ(read.Level.Header.FLevelName.View(), std::string(30, 'n'));
}

TEST(LevelDump, ATruncatedFileIsReadAsFarAsItGoes)
{
    std::string b = Header();
    PutInt(b, kNumber, 9);
    PutInt(b, kCount, 3);
    AppendRecord(b, "boat");
    b += "car";  // a record cut short

    TLevReading read = ReadLev(b);
    EXPECT_EQ(read.Level.Products, std::vector<std::string>{"boat"});
    ASSERT_EQ(read.Departures.size(), 2u);
    EXPECT_EQ(read.Departures[1], "the file ends inside a product record: 3 bytes after the last whole record");

    read = ReadLev(b.substr(0, kName + 1));
    EXPECT_EQ(read.Level.Header.FLevelNumber, 9);
    ASSERT_EQ(read.Departures.size(), 1u);
    EXPECT_EQ(read.Departures[0], "the file ends inside the header, after 13 of 428 bytes");
}

}  // namespace

// The level file as the loader meets it: whole, cut short anywhere, lying
// about its product count or its text lengths, or plain noise.
#include "gameplay/level_file.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "support/level_bytes.h"

using namespace level_bytes;

namespace {

TLevelData Read(const std::string& bytes)
{
    std::istringstream in(bytes);
    return ReadLevelFile(in);
}

std::string Write(const TLevelData& level)
{
    std::ostringstream out;
    WriteLevelFile(out, level);
    return out.str();
}

// Every header field set to a value of its own, so a misplaced field shows.
std::string DistinctHeader()
{
    std::string b = Header();
    PutInt(b, kReserved1, -1);
    PutInt(b, kReserved2, 0x01020304);
    PutInt(b, kNumber, 7);
    PutText(b, kName, 11, "Night Shift");
    PutText(b, kDescription, 9, "Long one.");
    PutInt(b, kCount, 2);
    PutText(b, kReserved3, 2, "r3");
    PutInt(b, kSpeed, 3);
    PutInt(b, kSpacing, 120);
    PutInt(b, kReserved4, 44);
    PutInt(b, kFiredBelow, 90);
    PutInt(b, kReserved5, 55);
    PutInt(b, kVeryGoodFrom, 150);
    PutInt(b, kReserved6, 66);
    PutInt(b, kReserved7, 77);
    PutText(b, kReserved8, 2, "r8");
    PutText(b, kReserved9, 30, std::string(30, '9'));
    return b;
}

TEST(LevelFile, ReadsEveryHeaderFieldFromItsOffsetAndWritesItBackThere)
{
    std::string bytes = DistinctHeader();
    AppendRecord(bytes, "hamburger");
    AppendRecord(bytes, "car");

    const TLevelData level = Read(bytes);
    const TLevelHeader& h = level.Header;
    EXPECT_EQ(h.FReserved1, -1);
    EXPECT_EQ(h.FReserved2, 0x01020304);
    EXPECT_EQ(h.FLevelNumber, 7);
    EXPECT_EQ(h.FLevelName, "Night Shift");
    EXPECT_EQ(h.FDescription, "Long one.");
    EXPECT_EQ(h.FProductCount, 2);
    EXPECT_EQ(h.FReserved3, "r3");
    EXPECT_EQ(h.FLineSpeed, 3);
    EXPECT_EQ(h.FProductSpacing, 120);
    EXPECT_EQ(h.FReserved4, 44);
    EXPECT_EQ(h.FFiredBelow, 90);
    EXPECT_EQ(h.FReserved5, 55);
    EXPECT_EQ(h.FVeryGoodFrom, 150);
    EXPECT_EQ(h.FReserved6, 66);
    EXPECT_EQ(h.FReserved7, 77);
    EXPECT_EQ(h.FReserved8, "r8");
    EXPECT_EQ(h.FReserved9, std::string(30, '9'));
    EXPECT_EQ(level.Products, (std::vector<std::string>{"hamburger", "car"}));

    EXPECT_EQ(Write(level), bytes);
}

TEST(LevelFile, AHeaderCutInsideAnIntegerReplacesOnlyTheBytesThatAreThere)
{
    std::string bytes = Header().substr(0, kNumber + 2);
    bytes[kNumber] = '\xAA';
    bytes[kNumber + 1] = '\xBB';
    std::istringstream in(bytes);
    TLevelHeader h;
    h.FLevelNumber = 0x11223344;
    h.FLevelName.Assign("kept");
    TLevelReader(in).ReadHeader(h);
    EXPECT_EQ(h.FLevelNumber, 0x1122BBAA);
    EXPECT_EQ(h.FLevelName, "kept");
    EXPECT_EQ(h.FProductSpacing, 80);  // a fresh level's spacing, untouched
}

TEST(LevelFile, AHeaderCutInsideANameKeepsTheRestOfTheOldName)
{
    std::string bytes = Header().substr(0, kName + 4);
    PutText(bytes, kName, 6, "Shi");  // length byte 6, then only three characters
    std::istringstream in(bytes);
    TLevelHeader h;
    h.FLevelName.Assign("Breakfast");
    h.FVeryGoodFrom = 33;
    TLevelReader(in).ReadHeader(h);
    EXPECT_EQ(h.FLevelName, "Shiakf");
    EXPECT_EQ(h.FVeryGoodFrom, 33);
}

TEST(LevelFile, ProductRecordsStopAtTheEndOfTheFileWhateverTheCountClaims)
{
    std::string bytes = DistinctHeader();
    PutInt(bytes, kCount, 2000000000);
    AppendRecord(bytes, "boat");
    AppendRecord(bytes, "car");
    EXPECT_EQ(Read(bytes).Products, (std::vector<std::string>{"boat", "car"}));

    // A record cut short is no record.
    bytes += std::string(30, 'x');
    EXPECT_EQ(Read(bytes).Products.size(), 2u);
}

TEST(LevelFile, AZeroOrNegativeCountReadsNoRecords)
{
    for (const int32_t count : {0, -1, INT32_MIN}) {
        std::string bytes = DistinctHeader();
        PutInt(bytes, kCount, count);
        AppendRecord(bytes, "boat");
        const TLevelData level = Read(bytes);
        EXPECT_TRUE(level.Products.empty()) << count;
        EXPECT_EQ(level.Header.FProductCount, count);
    }
}

TEST(LevelFile, ACountSmallerThanTheRecordsReadsOnlyThatMany)
{
    std::string bytes = DistinctHeader();
    PutInt(bytes, kCount, 1);
    AppendRecord(bytes, "boat");
    AppendRecord(bytes, "car");
    EXPECT_EQ(Read(bytes).Products, std::vector<std::string>{"boat"});
}

TEST(LevelFile, LengthBytesAboveTheFieldReadAsTheWholeField)
{
    std::string bytes = DistinctHeader();
    const std::string thirty(30, 'n');
    for (const std::size_t at : {kName, kReserved3, kReserved8, kReserved9}) PutText(bytes, at, 255, thirty);
    PutInt(bytes, kCount, 1);
    AppendRecord(bytes, std::string(30, 'p'), 200);

    const TLevelData level = Read(bytes);
    EXPECT_EQ(level.Header.FLevelName.View(), thirty);
    EXPECT_EQ(level.Header.FReserved3.View(), thirty);
    EXPECT_EQ(level.Header.FReserved8.View(), thirty);
    EXPECT_EQ(level.Header.FReserved9.View(), thirty);
    EXPECT_EQ(level.Products, std::vector<std::string>{std::string(30, 'p')});
}

TEST(LevelFile, AnEmptyFileLeavesAFreshLevel)
{
    const TLevelData level = Read("");
    EXPECT_EQ(level.Header.FLevelNumber, 0);
    EXPECT_EQ(level.Header.FProductSpacing, 80);
    EXPECT_TRUE(level.Products.empty());
}

TEST(LevelFile, WritingCutsTextsToTheirFields)
{
    TLevelData level;
    level.Header.FProductCount = 1;
    level.Products = {std::string(40, 'q')};
    const std::string bytes = Write(level);
    ASSERT_EQ(bytes.size(), kHeader + kRecord);
    EXPECT_EQ(bytes[kHeader], 30);
    EXPECT_EQ(Read(bytes).Products, std::vector<std::string>{std::string(30, 'q')});
}

// Noise of every length around the header and the first records: reading
// never fails, never takes more records than the bytes hold, and what it
// read writes back to a file that reads the same.
TEST(LevelFile, RandomBytesReadWithoutHarmAndWriteBackTheSameLevel)
{
    std::mt19937 random(20240611);
    for (int round = 0; round < 400; ++round) {
        std::string bytes(random() % 600, '\0');
        for (char& c : bytes) c = static_cast<char>(random());
        if (round % 2 == 0 && bytes.size() > kCount + 4) PutInt(bytes, kCount, static_cast<int32_t>(random() % 8));
        const TLevelData level = Read(bytes);
        const std::size_t whole = bytes.size() > kHeader ? (bytes.size() - kHeader) / kRecord : 0;
        ASSERT_LE(level.Products.size(), whole);
        for (const std::string& p : level.Products) ASSERT_LE(p.size(), 30u);

        const TLevelData again = Read(Write(level));
        ASSERT_EQ(again.Products, level.Products);
        ASSERT_EQ(Write(again), Write(level));
    }
}

}  // namespace

#include "app/highscore_record.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/errors.h"
#include "support/temp_dir.h"

namespace {
int32_t read32(const std::string& b, std::size_t at)
{
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = v << 8 | static_cast<uint8_t>(b[at + i]);
    return static_cast<int32_t>(v);
}
int read16(const std::string& b, std::size_t at)
{
    return static_cast<uint8_t>(b[at]) | static_cast<uint8_t>(b[at + 1]) << 8;
}
}  // namespace

TEST(HighScoreRecord, FieldsInTableOrderLittleEndian)
{
    TempDir dir;
    HighScoreRecord r;
    r.day = 7;
    r.month = 12;
    r.year = 2026;
    r.hour = 23;
    r.minute = 5;
    r.second = 59;
    r.name = "Ada Lovelace";
    r.totalScore = -70000;
    r.level = 26;
    WriteHighScoreFile(dir.file("HighScores"), r);  // the folder is made when missing
    const std::string b = dir.read("HighScores/highscores-brindlecog.hs");
    ASSERT_EQ(b.size(), 100u);
    EXPECT_EQ(read16(b, 0), 7);
    EXPECT_EQ(read16(b, 2), 12);
    EXPECT_EQ(read16(b, 4), 2026);
    EXPECT_EQ(read16(b, 6), 23);
    EXPECT_EQ(read16(b, 8), 5);
    EXPECT_EQ(read16(b, 10), 59);
    EXPECT_EQ(b[12], 12);
    EXPECT_EQ(b.substr(13, 12), "Ada Lovelace");
    EXPECT_EQ(read32(b, 43), -70000);
    EXPECT_EQ(read32(b, 47), 26);
    EXPECT_EQ(b.substr(51, 4), std::string("1.0\0", 4));
    for (std::size_t i = 55; i < 100; ++i) EXPECT_EQ(b[i], 0) << i;
    for (std::size_t i = 25; i < 43; ++i) EXPECT_EQ(b[i], 0) << i;
}

TEST(HighScoreRecord, NameIsCutToThirtyAndEmptyNameHasLengthZero)
{
    HighScoreRecord r;
    r.name = std::string(40, 'x');
    EXPECT_EQ(EncodeHighScore(r)[12], 30);
    EXPECT_EQ(EncodeHighScore(r)[42], 'x');
    r.name.clear();
    EXPECT_EQ(EncodeHighScore(r)[12], 0);
}

TEST(HighScoreRecord, FailureRaisesAndKeepsTheOldRecord)
{
    TempDir dir;
    HighScoreRecord r;
    r.totalScore = 1;
    WriteHighScoreFile(dir.folder(), r);
    std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_write, std::filesystem::perm_options::remove);
    r.totalScore = 2;
    // Where the folder holds all the same (root; Windows' read-only flag on
    // a folder), there is no failure to check.
    if (!std::ofstream(dir.path() / "probe")) {
        EXPECT_THROW(WriteHighScoreFile(dir.folder(), r), platform::EFileError);
        EXPECT_EQ(read32(dir.read("highscores-brindlecog.hs"), 43), 1);
    }
    std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_write, std::filesystem::perm_options::add);
    dir.write("blocker", "a file where a folder should be");
    EXPECT_THROW(WriteHighScoreFile(dir.file("blocker"), r), platform::EFileError);
}

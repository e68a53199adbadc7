#pragma once
// The one-record highscore file: 100 bytes, little-endian, fields in a fixed
// order. Nothing in the game reads it back; other tools do.
#include <array>
#include <cstdint>
#include <string>

struct HighScoreRecord {
    uint16_t day = 0, month = 0, year = 0, hour = 0, minute = 0, second = 0;
    std::string name;  // cut to 30 characters when stored
    int32_t totalScore = 0;
    int32_t level = 0;

    // The local date and time of now, with the other fields empty.
    static HighScoreRecord Now();
};

inline constexpr const char* kHighScoreFolder = "HighScores";
inline constexpr const char* kHighScoreFile = "highscores-brindlecog.hs";
inline constexpr std::size_t kHighScoreRecordSize = 100;
inline constexpr std::size_t kHighScoreNameLength = 30;

std::array<uint8_t, kHighScoreRecordSize> EncodeHighScore(const HighScoreRecord& record);

// Writes the record as `folder`/highscores-brindlecog.hs, creating the folder
// when it is missing. The old record is replaced only once the new one is
// completely on disk. Throws platform::EFileError with the reason.
void WriteHighScoreFile(const std::string& folder, const HighScoreRecord& record);

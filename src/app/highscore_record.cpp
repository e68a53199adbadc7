#include "app/highscore_record.h"

#include <cstring>
#include <ctime>
#include <filesystem>

#include "platform/errors.h"
#include "platform/files/atomic_file.h"
#include "platform/system/local_time.h"
#include "platform/system/utf8_path.h"

namespace {

void put16(uint8_t* at, uint16_t v)
{
    at[0] = static_cast<uint8_t>(v);
    at[1] = static_cast<uint8_t>(v >> 8);
}

void put32(uint8_t* at, int32_t value)
{
    const auto v = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i) at[i] = static_cast<uint8_t>(v >> (8 * i));
}

}  // namespace

HighScoreRecord HighScoreRecord::Now()
{
    const std::tm local = platform::localTime(std::time(nullptr));
    HighScoreRecord r;
    r.day = static_cast<uint16_t>(local.tm_mday);
    r.month = static_cast<uint16_t>(local.tm_mon + 1);
    r.year = static_cast<uint16_t>(local.tm_year + 1900);
    r.hour = static_cast<uint16_t>(local.tm_hour);
    r.minute = static_cast<uint16_t>(local.tm_min);
    r.second = static_cast<uint16_t>(local.tm_sec);
    return r;
}

std::array<uint8_t, kHighScoreRecordSize> EncodeHighScore(const HighScoreRecord& record)
{
    std::array<uint8_t, kHighScoreRecordSize> bytes{};  // unused bytes stay zero
    put16(&bytes[0], record.day);
    put16(&bytes[2], record.month);
    put16(&bytes[4], record.year);
    put16(&bytes[6], record.hour);
    put16(&bytes[8], record.minute);
    put16(&bytes[10], record.second);
    const std::size_t length = std::min(record.name.size(), kHighScoreNameLength);
    bytes[12] = static_cast<uint8_t>(length);
    std::memcpy(&bytes[13], record.name.data(), length);
    put32(&bytes[43], record.totalScore);
    put32(&bytes[47], record.level);
    std::memcpy(&bytes[51], "1.0", 4);
    return bytes;
}

void WriteHighScoreFile(const std::string& folder, const HighScoreRecord& record)
{
    std::error_code ec;
    std::filesystem::create_directories(platform::utf8Path(folder), ec);
    if (ec) throw platform::EFileError("Cannot create folder \"" + folder + "\": " + ec.message());
    const std::string path = platform::utf8Text(platform::utf8Path(folder) / kHighScoreFile);
    const auto bytes = EncodeHighScore(record);
    platform::writeFileAtomically(path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

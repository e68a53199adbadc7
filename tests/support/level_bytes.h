#pragma once
// Level files built byte by byte from the documented layout, independently
// of the writer under test: each field is put at its offset by hand.
#include <cstdint>
#include <string>
#include <string_view>

namespace level_bytes {

// Offsets of the header fields.
inline constexpr std::size_t kReserved1 = 0, kReserved2 = 4, kNumber = 8, kName = 12, kDescription = 43,
                             kCount = 299, kReserved3 = 303, kSpeed = 334, kSpacing = 338, kReserved4 = 342,
                             kFiredBelow = 346, kReserved5 = 350, kVeryGoodFrom = 354, kReserved6 = 358,
                             kReserved7 = 362, kReserved8 = 366, kReserved9 = 397, kHeader = 428, kRecord = 31;

inline void PutInt(std::string& b, std::size_t at, int32_t value)
{
    const auto u = static_cast<uint32_t>(value);
    for (std::size_t i = 0; i < 4; ++i) b[at + i] = static_cast<char>(u >> (8 * i));
}

// A length byte (given, so tests can lie with it) and the characters.
inline void PutText(std::string& b, std::size_t at, uint8_t length, std::string_view chars)
{
    b[at] = static_cast<char>(length);
    b.replace(at + 1, chars.size(), chars);
}

inline std::string Header() { return std::string(kHeader, '\0'); }

// A header of zeros and then the records, each 31 bytes.
inline void AppendRecord(std::string& b, std::string_view name, uint8_t length)
{
    std::string record(kRecord, '\0');
    PutText(record, 0, length, name);
    b += record;
}
inline void AppendRecord(std::string& b, std::string_view name)
{
    AppendRecord(b, name, static_cast<uint8_t>(name.size()));
}

}  // namespace level_bytes

#pragma once
// The level file: a 428-byte header and one 31-byte record per product,
// little-endian, no signature. The level object reads it field by field;
// the level compiler writes and dumps it with the same layout.
#include <cstdint>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "gameplay/short_string.h"

// The header's fields in file order. A field the file does not reach keeps
// the value it had before reading.
struct TLevelHeader {
    int32_t FReserved1 = 0;
    int32_t FReserved2 = 0;
    int32_t FLevelNumber = 0;
    TName30 FLevelName;
    TText255 FDescription;
    int32_t FProductCount = 0;
    TName30 FReserved3;
    int32_t FLineSpeed = 0;
    int32_t FProductSpacing = 80;
    int32_t FReserved4 = 0;
    int32_t FFiredBelow = 0;
    int32_t FReserved5 = 0;
    int32_t FVeryGoodFrom = 0;
    int32_t FReserved6 = 0;
    int32_t FReserved7 = 0;
    TName30 FReserved8;
    TName30 FReserved9;
};

inline constexpr std::size_t kLevelHeaderSize = 428;
inline constexpr std::size_t kProductRecordSize = 31;

// Reads a level file front to back. Each read takes what bytes are left:
// a field cut short by the end of the file has only its first bytes
// replaced, and a field past the end keeps its value.
class TLevelReader {
public:
    explicit TLevelReader(std::istream& in) : FIn(in) {}

    void ReadHeader(TLevelHeader& header);
    // The next product record's name, or none at the end of the file (a
    // record cut short counts as the end: the file holds no more records).
    std::optional<TName30> ReadProductName();

private:
    std::size_t ReadBytes(void* into, std::size_t count);
    void Read(int32_t& value);
    template <std::size_t N>
    void Read(TShortString<N>& text);

    std::istream& FIn;
};

// A whole level as the compiler sees it.
struct TLevelData {
    TLevelHeader Header;
    std::vector<std::string> Products;
};

// Writes the header with FProductCount as stored, then every product record.
void WriteLevelFile(std::ostream& out, const TLevelData& level);
// Reads a whole file; records stop at the end of the file whatever the count.
TLevelData ReadLevelFile(std::istream& in);

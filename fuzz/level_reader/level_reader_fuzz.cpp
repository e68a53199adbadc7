// Any bytes as a level file: reading never fails, takes no more records than
// the bytes hold, and what it read writes to a file that reads the same.
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "gameplay/level_file.h"

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

bool SameHeader(const TLevelHeader& a, const TLevelHeader& b)
{
    return a.FReserved1 == b.FReserved1 && a.FReserved2 == b.FReserved2 && a.FLevelNumber == b.FLevelNumber &&
           a.FLevelName == b.FLevelName && a.FDescription == b.FDescription && a.FProductCount == b.FProductCount &&
           a.FReserved3 == b.FReserved3 && a.FLineSpeed == b.FLineSpeed && a.FProductSpacing == b.FProductSpacing &&
           a.FReserved4 == b.FReserved4 && a.FFiredBelow == b.FFiredBelow && a.FReserved5 == b.FReserved5 &&
           a.FVeryGoodFrom == b.FVeryGoodFrom && a.FReserved6 == b.FReserved6 && a.FReserved7 == b.FReserved7 &&
           a.FReserved8 == b.FReserved8 && a.FReserved9 == b.FReserved9;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const TLevelData level = Read(bytes);

    const std::size_t whole = size > kLevelHeaderSize ? (size - kLevelHeaderSize) / kProductRecordSize : 0;
    const int64_t count = level.Header.FProductCount;
    if (level.Products.size() > whole) std::abort();
    if (static_cast<int64_t>(level.Products.size()) > std::max<int64_t>(count, 0)) std::abort();
    for (const std::string& p : level.Products)
        if (p.size() > TName30::Capacity) std::abort();

    const std::string written = Write(level);
    if (written.size() != kLevelHeaderSize + kProductRecordSize * level.Products.size()) std::abort();
    const TLevelData again = Read(written);
    if (!SameHeader(again.Header, level.Header) || again.Products != level.Products) std::abort();
    if (Write(again) != written) std::abort();
    return 0;
}

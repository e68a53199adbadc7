#include "gameplay/level_file.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

// The file is little-endian whatever the machine is.
void StoreLE(int32_t value, uint8_t* bytes)
{
    const auto u = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i) bytes[i] = static_cast<uint8_t>(u >> (8 * i));
}

int32_t LoadLE(const uint8_t* bytes)
{
    uint32_t u = 0;
    for (int i = 0; i < 4; ++i) u |= uint32_t{bytes[i]} << (8 * i);
    return static_cast<int32_t>(u);
}

void Write(std::ostream& out, int32_t value)
{
    uint8_t bytes[4];
    StoreLE(value, bytes);
    out.write(reinterpret_cast<const char*>(bytes), 4);
}

template <std::size_t N>
void Write(std::ostream& out, const TShortString<N>& text)
{
    out.write(reinterpret_cast<const char*>(text.Bytes().data()), static_cast<std::streamsize>(N + 1));
}

}  // namespace

std::size_t TLevelReader::ReadBytes(void* into, std::size_t count)
{
    if (!FIn) return 0;
    FIn.read(static_cast<char*>(into), static_cast<std::streamsize>(count));
    return static_cast<std::size_t>(FIn.gcount());
}

void TLevelReader::Read(int32_t& value)
{
    uint8_t bytes[4];
    StoreLE(value, bytes);
    ReadBytes(bytes, 4);
    value = LoadLE(bytes);
}

template <std::size_t N>
void TLevelReader::Read(TShortString<N>& text)
{
    ReadBytes(text.Bytes().data(), N + 1);
}

void TLevelReader::ReadHeader(TLevelHeader& h)
{
    Read(h.FReserved1);
    Read(h.FReserved2);
    Read(h.FLevelNumber);
    Read(h.FLevelName);
    Read(h.FDescription);
    Read(h.FProductCount);
    Read(h.FReserved3);
    Read(h.FLineSpeed);
    Read(h.FProductSpacing);
    Read(h.FReserved4);
    Read(h.FFiredBelow);
    Read(h.FReserved5);
    Read(h.FVeryGoodFrom);
    Read(h.FReserved6);
    Read(h.FReserved7);
    Read(h.FReserved8);
    Read(h.FReserved9);
}

std::optional<TName30> TLevelReader::ReadProductName()
{
    TName30 name;
    if (ReadBytes(name.Bytes().data(), kProductRecordSize) < kProductRecordSize) return std::nullopt;
    return name;
}

void WriteLevelFile(std::ostream& out, const TLevelData& level)
{
    const TLevelHeader& h = level.Header;
    Write(out, h.FReserved1);
    Write(out, h.FReserved2);
    Write(out, h.FLevelNumber);
    Write(out, h.FLevelName);
    Write(out, h.FDescription);
    Write(out, h.FProductCount);
    Write(out, h.FReserved3);
    Write(out, h.FLineSpeed);
    Write(out, h.FProductSpacing);
    Write(out, h.FReserved4);
    Write(out, h.FFiredBelow);
    Write(out, h.FReserved5);
    Write(out, h.FVeryGoodFrom);
    Write(out, h.FReserved6);
    Write(out, h.FReserved7);
    Write(out, h.FReserved8);
    Write(out, h.FReserved9);
    for (const std::string& product : level.Products) Write(out, TName30(product));
}

TLevelData ReadLevelFile(std::istream& in)
{
    TLevelData level;
    TLevelReader reader(in);
    reader.ReadHeader(level.Header);
    // Bounded by the bytes of the file, never by the count it claims.
    for (int32_t i = 0; i < level.Header.FProductCount; ++i) {
        std::optional<TName30> name = reader.ReadProductName();
        if (!name) break;
        level.Products.emplace_back(name->View());
    }
    return level;
}

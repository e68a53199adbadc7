#pragma once
// The keys of a level source and the header field each one fills. The parser
// looks keys up here and the dump writes them in this table's order, so a
// field added here is read and written alike.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "gameplay/level_file.h"

enum class TLevelField : uint8_t {
    Level, Name, Description, Speed, Spacing, FiredBelow, VeryGoodFrom,
    ProductCount, Reserved1, Reserved2, Reserved3, Reserved4, Reserved5,
    Reserved6, Reserved7, Reserved8, Reserved9, Products,
};
inline constexpr std::size_t kLevelFieldCount = static_cast<std::size_t>(TLevelField::Products) + 1;

enum class TFieldKind : uint8_t { Integer, Name, Text, ProductList };

struct TFieldDef {
    TLevelField Id;
    std::string_view Key;
    TFieldKind Kind;
    // Which member holds the value; only the one of the field's kind is set.
    int32_t TLevelHeader::*Integer = nullptr;
    TName30 TLevelHeader::*Name = nullptr;
    TText255 TLevelHeader::*Text = nullptr;
    // A source must say it; the others default as a fresh level does.
    bool Required = false;
    // The game never reads it; the dump groups these at the end.
    bool Reserved = false;
};

// Every field, in the order a dump writes them.
std::span<const TFieldDef> LevelFields();
const TFieldDef& FieldDef(TLevelField id);
// The field of that key (words separated by single blanks), or none.
const TFieldDef* FindFieldByKey(std::string_view key);

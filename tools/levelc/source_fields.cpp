#include "source_fields.h"

#include <array>

namespace {

using H = TLevelHeader;
using K = TFieldKind;
using F = TLevelField;

constexpr TFieldDef Int(F id, std::string_view key, int32_t H::*member, bool required, bool reserved = false)
{
    return {id, key, K::Integer, member, nullptr, nullptr, required, reserved};
}
constexpr TFieldDef Name(F id, std::string_view key, TName30 H::*member, bool required, bool reserved = false)
{
    return {id, key, K::Name, nullptr, member, nullptr, required, reserved};
}

constexpr std::array<TFieldDef, kLevelFieldCount> kFields = {{
    Int(F::Level, "level", &H::FLevelNumber, true),
    Name(F::Name, "name", &H::FLevelName, true),
    {F::Description, "description", K::Text, nullptr, nullptr, &H::FDescription, true, false},
    Int(F::Speed, "speed", &H::FLineSpeed, true),
    Int(F::Spacing, "spacing", &H::FProductSpacing, true),
    Int(F::FiredBelow, "fired below", &H::FFiredBelow, true),
    Int(F::VeryGoodFrom, "very good from", &H::FVeryGoodFrom, true),
    // Only needed when the file's own count differs from the products listed.
    Int(F::ProductCount, "product count", &H::FProductCount, false),
    Int(F::Reserved1, "reserved 1", &H::FReserved1, false, true),
    Int(F::Reserved2, "reserved 2", &H::FReserved2, false, true),
    Name(F::Reserved3, "reserved 3", &H::FReserved3, false, true),
    Int(F::Reserved4, "reserved 4", &H::FReserved4, false, true),
    Int(F::Reserved5, "reserved 5", &H::FReserved5, false, true),
    Int(F::Reserved6, "reserved 6", &H::FReserved6, false, true),
    Int(F::Reserved7, "reserved 7", &H::FReserved7, false, true),
    Name(F::Reserved8, "reserved 8", &H::FReserved8, false, true),
    Name(F::Reserved9, "reserved 9", &H::FReserved9, false, true),
    {F::Products, "products", K::ProductList, nullptr, nullptr, nullptr, true, false},
}};

constexpr bool InIdOrder()
{
    for (std::size_t i = 0; i < kFields.size(); ++i)
        if (kFields[i].Id != static_cast<F>(i)) return false;
    return true;
}
static_assert(InIdOrder(), "FieldDef() indexes the table by id");

}  // namespace

std::span<const TFieldDef> LevelFields() { return kFields; }

const TFieldDef& FieldDef(TLevelField id) { return kFields[static_cast<std::size_t>(id)]; }

const TFieldDef* FindFieldByKey(std::string_view key)
{
    for (const TFieldDef& f : kFields)
        if (f.Key == key) return &f;
    return nullptr;
}

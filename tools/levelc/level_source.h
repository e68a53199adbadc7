#pragma once
// A level as levelc works on it: the data the file holds and, when it came
// from a source text, the line each field and each product was written on.
#include <array>
#include <cstddef>
#include <vector>

#include "gameplay/level_file.h"
#include "source_fields.h"

struct TLevelSource {
    TLevelData Level;
    // 0 where the field was not written (or there is no text at all).
    std::array<int, kLevelFieldCount> FieldLines{};
    // One per product when the level came from a text; empty otherwise.
    std::vector<int> ProductLines;

    int LineOf(TLevelField field) const { return FieldLines[static_cast<std::size_t>(field)]; }
    int ProductLine(std::size_t index) const { return index < ProductLines.size() ? ProductLines[index] : 0; }
};

#pragma once
// Writes a level back as source text: every field (the reserved ones in a
// block of their own at the end), the products in file order with runs of
// one product folded into a repeat count, and a product count only where
// the file's own count differs from its products. Parsing the text gives
// the same level, so compiling it writes the same bytes.
#include <string>
#include <string_view>
#include <vector>

#include "gameplay/level_file.h"

// `notes` become comment lines at the top (what the file holds that the
// text cannot keep, for instance).
std::string WriteLevelSource(const TLevelData& level, std::string_view origin,
                             const std::vector<std::string>& notes = {});

#pragma once
// Reads a level source: "key: value" lines, and after "products:" the
// product queue, one or more names per line, each optionally followed by a
// repeat count such as x3. '#' starts a comment outside quoted text.
//
//     level:          2
//     name:           "Lunch Rush"
//     speed:          1        # slow
//     products:
//         hamburger x3
//         pizza hamburger
//
// The parser refuses only what the level file cannot hold (bad syntax, text
// longer than its field, numbers beyond 32 bits); whether the level makes a
// sound shift is the checker's business, so any level file can be dumped
// and compiled back.
#include <cstddef>
#include <string_view>

#include "diagnostics.h"
#include "level_source.h"

// A repeat count cannot make a source allocate without bound.
inline constexpr std::size_t kMaxListedProducts = 100000;

struct TParseResult {
    TLevelSource Source;
    TDiagnostics Errors;  // empty when the text compiles
};

TParseResult ParseLevelSource(std::string_view text);

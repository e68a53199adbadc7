#pragma once
// A binary level file as the game reads it, and where the file says more or
// other than the game takes from it. The game's own reader decides what the
// level is; the bytes are then compared with what that level would write.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "gameplay/level_file.h"

struct TLevReading {
    TLevelData Level;
    // Where the game's reading departs from what the file claims (it ends
    // inside the header or a record, its count disagrees with its records,
    // a length byte overflows its field). A level check refuses these.
    std::vector<std::string> Departures;
    // Bytes the game never looks at: characters after a text's length,
    // records past the count, bytes after the last record. A dump cannot
    // keep them.
    std::vector<std::string> Ignored;
};

TLevReading ReadLevBytes(std::span<const uint8_t> bytes);

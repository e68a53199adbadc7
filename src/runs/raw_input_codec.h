#pragma once
// The raw input state as a flat run of bytes, and the difference between
// two such runs. A recording keeps only what changed since the game last
// looked, which is a few bytes for a mouse move or a key.
#include <cstdint>
#include <span>
#include <vector>

#include "platform/backends/raw_input.h"

namespace recording {

// Every field in a fixed order, numbers little-endian, names with their length.
std::vector<uint8_t> EncodeRawInput(const platform::RawInput& input);
// False when the bytes are no state EncodeRawInput could have made.
bool DecodeRawInput(std::span<const uint8_t> bytes, platform::RawInput& input);

// What turns `before` into `after`, as a payload for a recording.
std::vector<uint8_t> DiffBytes(std::span<const uint8_t> before, std::span<const uint8_t> after);
// Applies a difference made by DiffBytes; false (and `bytes` unusable) when
// it does not fit them.
bool ApplyDiff(std::span<const uint8_t> diff, std::vector<uint8_t>& bytes);

}  // namespace recording

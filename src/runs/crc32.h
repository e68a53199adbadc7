#pragma once
// CRC-32 (the polynomial of zip and PNG): tells a damaged chunk of a
// recording from a whole one.
#include <cstdint>
#include <span>

namespace recording {

uint32_t Crc32(std::span<const uint8_t> data);

}  // namespace recording

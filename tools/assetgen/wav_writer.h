#pragma once
// Encodes 16-bit PCM samples as a RIFF/WAVE file.

#include <cstdint>
#include <span>
#include <vector>

namespace assetgen {

// "RIFF" header, a 16-byte "fmt " chunk (PCM) and one "data" chunk.
// Samples are interleaved when channels > 1.
std::vector<std::uint8_t> encode_wav(std::span<const std::int16_t> samples, int channels, int sample_rate);

}  // namespace assetgen

#pragma once
// A finished sound, ready to be encoded.

#include <cstdint>
#include <vector>

namespace assetgen {

inline constexpr int kSampleRate = 44100;

struct Sound {
  int channels = 1;
  std::vector<std::int16_t> samples;  // interleaved when stereo
};

}  // namespace assetgen

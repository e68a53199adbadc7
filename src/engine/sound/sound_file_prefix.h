#pragma once
// The 101-byte prefix in front of a shipped sound file. The WAV reader moves
// back to the very start of the file after the samples and reads prefix bytes
// 0-7 as one more chunk header, so those bytes must end the scan: either a
// zero chunk id, or a chunk id other than "fmt " and "data" whose size skips
// to or past the end of the file.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

using TSoundFilePrefix = std::array<uint8_t, 101>;

// A prefix that ends the scan in any file: bytes 0-3 are zero; the rest
// carries `tag` (truncated), so the files still say what they are.
TSoundFilePrefix MakeSoundFilePrefix(const std::string& tag);

// Whether `prefix` ends the scan of a sound file of `fileSize` bytes in all.
bool SoundFilePrefixEndsScan(const TSoundFilePrefix& prefix, uint64_t fileSize);

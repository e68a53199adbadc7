#include "engine/sound/sound_file_prefix.h"

#include <algorithm>
#include <cstring>

TSoundFilePrefix MakeSoundFilePrefix(const std::string& tag)
{
    TSoundFilePrefix prefix{};
    const std::size_t n = std::min(tag.size(), prefix.size() - 8);
    std::memcpy(prefix.data() + 8, tag.data(), n);
    return prefix;
}

bool SoundFilePrefixEndsScan(const TSoundFilePrefix& prefix, uint64_t fileSize)
{
    const uint8_t* p = prefix.data();
    if (p[0] == 0 && p[1] == 0 && p[2] == 0 && p[3] == 0) return true;
    if (std::memcmp(p, "fmt ", 4) == 0 || std::memcmp(p, "data", 4) == 0) return false;
    // Taken as signed, so the file also suits readers that would walk
    // backwards on a "negative" size.
    const int32_t size = static_cast<int32_t>(p[4] | (p[5] << 8) | (p[6] << 16) | (uint32_t{p[7]} << 24));
    return size >= 0 && 8 + static_cast<uint64_t>(size) >= fileSize;
}

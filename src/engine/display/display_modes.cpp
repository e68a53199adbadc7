#include "engine/display/display_modes.h"

namespace {
constexpr int32_t kSides[][2] = {{640, 480}, {800, 600}, {1024, 768}, {1152, 864}, {1280, 1024}, {1600, 1200}};
constexpr int32_t kBits[] = {8, 16, 24, 32};
}  // namespace

TDisplayMode NormalizeDisplayMode(int32_t ordinal)
{
    if (ordinal < m0640x480x08 || ordinal > m1600x1200x32) return m0640x480x16;
    return static_cast<TDisplayMode>(ordinal);
}

TDisplayModeSize DisplayModeSize(TDisplayMode mode)
{
    const int32_t i = NormalizeDisplayMode(mode);
    return {kSides[i / 4][0], kSides[i / 4][1], kBits[i % 4]};
}

std::string DisplayModeText(int32_t width, int32_t height, int32_t bits)
{
    return std::to_string(width) + "x" + std::to_string(height) + "x" + std::to_string(bits);
}

#pragma once
// Positions are doubles and pixels are whole numbers; this is the one place
// where one becomes the other.
#include <cmath>
#include <cstdint>
#include <limits>

// Truncates toward zero (so -10.7 gives -10). A position far outside the
// 32-bit range, or not a number, must not become undefined behaviour: it
// saturates, which keeps such a sprite off screen instead of wrapping onto it.
inline int32_t TruncToPixel(double value) {
    if (std::isnan(value)) return 0;
    constexpr double lo = std::numeric_limits<int32_t>::min();
    constexpr double hi = std::numeric_limits<int32_t>::max();
    if (value <= lo) return std::numeric_limits<int32_t>::min();
    if (value >= hi) return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(value);
}

// An edge that would wrap past the 32-bit range stays at its end instead.
inline int32_t SaturatingAdd(int32_t a, int32_t b) {
    const int64_t sum = int64_t{a} + int64_t{b};
    if (sum > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (sum < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(sum);
}

#pragma once
// Whether two runs of bytes are equal, for comparing pictures every frame.
// The desktop C libraries compare with vector instructions; WebAssembly's
// compares a byte at a time, which makes a frame-sized compare cost a
// quarter of a millisecond, so there 32 bytes are compared at a time (four
// times faster again).
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace platform {

inline bool sameBytes(const uint8_t* a, const uint8_t* b, std::size_t n)
{
#if defined(__wasm__)
    std::size_t i = 0;
    for (; i + 32 <= n; i += 32) {
        uint64_t x[4], y[4];
        std::memcpy(x, a + i, sizeof x);
        std::memcpy(y, b + i, sizeof y);
        if (((x[0] ^ y[0]) | (x[1] ^ y[1]) | (x[2] ^ y[2]) | (x[3] ^ y[3])) != 0) return false;
    }
    for (; i < n; ++i)
        if (a[i] != b[i]) return false;
    return true;
#else
    return n == 0 || std::memcmp(a, b, n) == 0;
#endif
}

}  // namespace platform

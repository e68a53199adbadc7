#include "platform/win32/ddraw/ddraw_blit.h"

#include <algorithm>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "platform/win32/ddraw/same_bytes.h"
#include "platform/win32/pixel_format.h"

namespace platform::ddraw {
namespace {

uint8_t* at(const PixelArea& a, int x, int y)
{
    return a.pixels + static_cast<std::ptrdiff_t>(y) * a.pitch + static_cast<std::ptrdiff_t>(x) * a.bytesPerPixel;
}

// Sprites are copied many times per frame, so the keyed row goes a vector
// at a time: compare with the key, blend source over destination.
template <typename T>
void keyedRow(T* __restrict dst, const T* __restrict src, int count, T key)
{
    int i = 0;
#if defined(__SSE2__)
    constexpr int lanes = 16 / sizeof(T);
    const __m128i k = sizeof(T) == 2 ? _mm_set1_epi16(static_cast<short>(key)) : _mm_set1_epi32(static_cast<int>(key));
    for (; i + lanes <= count; i += lanes) {
        const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i));
        const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(dst + i));
        const __m128i isKey = sizeof(T) == 2 ? _mm_cmpeq_epi16(s, k) : _mm_cmpeq_epi32(s, k);
        const __m128i mixed = _mm_or_si128(_mm_and_si128(isKey, d), _mm_andnot_si128(isKey, s));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i), mixed);
    }
#endif
    for (; i < count; ++i) {
        const T s = src[i];
        dst[i] = s == key ? dst[i] : s;
    }
}

void keyedRowBytes(uint8_t* dst, const uint8_t* src, int count, int bpp, uint32_t key)
{
    for (int i = 0; i < count; ++i, dst += bpp, src += bpp)
        if (readPixel(src, bpp) != key) std::memcpy(dst, src, static_cast<std::size_t>(bpp));
}

}  // namespace

void fillArea(const PixelArea& dst, const Rect& rect, uint32_t value)
{
    const int w = rect.width();
    // A value whose bytes are all alike (black, white: every clear of the
    // back buffer) is a memset, the fastest fill the library has.
    const uint32_t mask = dst.bytesPerPixel >= 4 ? 0xFFFFFFFFu : (1u << (8 * dst.bytesPerPixel)) - 1;
    if ((value & mask) == ((value & 0xFF) * 0x01010101u & mask)) {
        const std::size_t rowBytes = static_cast<std::size_t>(w) * dst.bytesPerPixel;
        if (dst.pitch == static_cast<int>(rowBytes)) {
            std::memset(at(dst, rect.left, rect.top), static_cast<int>(value & 0xFF), rowBytes * rect.height());
            return;
        }
        for (int y = rect.top; y < rect.bottom; ++y)
            std::memset(at(dst, rect.left, y), static_cast<int>(value & 0xFF), rowBytes);
        return;
    }
    for (int y = rect.top; y < rect.bottom; ++y) {
        uint8_t* row = at(dst, rect.left, y);
        switch (dst.bytesPerPixel) {
        case 1: std::memset(row, static_cast<int>(value & 0xFF), static_cast<std::size_t>(w)); break;
        case 2:
            // Rows of surfaces start on even addresses (pitches are multiples of 4).
            std::fill_n(reinterpret_cast<uint16_t*>(row), w, static_cast<uint16_t>(value));
            break;
        case 4: std::fill_n(reinterpret_cast<uint32_t*>(row), w, value); break;
        default:
            for (int i = 0; i < w; ++i) writePixel(row + i * dst.bytesPerPixel, dst.bytesPerPixel, value);
            break;
        }
    }
}

void copyArea(const PixelArea& to, int x, int y, const PixelArea& from, const Rect& src, std::optional<uint32_t> key)
{
    const int w = src.width(), h = src.height();
    const std::size_t rowBytes = static_cast<std::size_t>(w) * from.bytesPerPixel;
    // Copying within one area downwards must start at the bottom row.
    const bool backwards = to.pixels == from.pixels && y > src.top;
    for (int j = 0; j < h; ++j) {
        const int r = backwards ? h - 1 - j : j;
        uint8_t* d = at(to, x, y + r);
        const uint8_t* s = at(from, src.left, src.top + r);
        if (!key) {
            std::memmove(d, s, rowBytes);
            continue;
        }
        if (to.pixels == from.pixels) {  // may overlap: plain pixel-by-pixel loop
            keyedRowBytes(d, s, w, from.bytesPerPixel, *key);
            continue;
        }
        switch (from.bytesPerPixel) {
        case 2: {
            // Alignment of surface rows is not promised; go through memcpy-safe
            // 16-bit loads only when both rows are aligned.
            if ((reinterpret_cast<uintptr_t>(d) | reinterpret_cast<uintptr_t>(s)) % 2 == 0)
                keyedRow(reinterpret_cast<uint16_t*>(d), reinterpret_cast<const uint16_t*>(s), w,
                         static_cast<uint16_t>(*key));
            else
                keyedRowBytes(d, s, w, 2, *key);
            break;
        }
        case 4:
            if ((reinterpret_cast<uintptr_t>(d) | reinterpret_cast<uintptr_t>(s)) % 4 == 0)
                keyedRow(reinterpret_cast<uint32_t*>(d), reinterpret_cast<const uint32_t*>(s), w, *key);
            else
                keyedRowBytes(d, s, w, 4, *key);
            break;
        default: keyedRowBytes(d, s, w, from.bytesPerPixel, *key); break;
        }
    }
}

bool sameArea(const PixelArea& to, int x, int y, const PixelArea& from, const Rect& src)
{
    const std::size_t rowBytes = static_cast<std::size_t>(src.width()) * from.bytesPerPixel;
    for (int j = 0; j < src.height(); ++j)
        if (!sameBytes(at(to, x, y + j), at(from, src.left, src.top + j), rowBytes)) return false;
    return true;
}

void stretchArea(const PixelArea& to, const Rect& dst, const PixelArea& from, const Rect& src, std::optional<uint32_t> key)
{
    const int dw = dst.width(), dh = dst.height(), sw = src.width(), sh = src.height();
    if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0) return;
    const int bpp = to.bytesPerPixel;
    for (int j = 0; j < dh; ++j) {
        const int sy = src.top + static_cast<int>((static_cast<int64_t>(j) * sh) / dh);
        uint8_t* d = at(to, dst.left, dst.top + j);
        for (int i = 0; i < dw; ++i, d += bpp) {
            const int sx = src.left + static_cast<int>((static_cast<int64_t>(i) * sw) / dw);
            const uint8_t* s = at(from, sx, sy);
            if (key && readPixel(s, bpp) == *key) continue;
            std::memcpy(d, s, static_cast<std::size_t>(bpp));
        }
    }
}

}  // namespace platform::ddraw

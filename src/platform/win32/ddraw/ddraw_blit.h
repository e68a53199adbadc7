#pragma once
// The pixel loops behind Blt and BltFast: fills, 1:1 copies with and
// without a source colour key, and scaled copies (nearest pixel).
#include <cstdint>
#include <optional>

#include "platform/backends/window.h"

namespace platform::ddraw {

struct PixelArea {
    uint8_t* pixels = nullptr;
    int pitch = 0;
    int bytesPerPixel = 2;
};

void fillArea(const PixelArea& dst, const Rect& rect, uint32_t value);
// Copies `src` rectangle of `from` to (x, y) of `to`; both must lie inside
// their areas. Pixels equal to `key` are skipped when a key is given.
void copyArea(const PixelArea& to, int x, int y, const PixelArea& from, const Rect& src, std::optional<uint32_t> key);
// Whether `src` of `from` holds the same bytes as the rectangle of that size
// at (x, y) of `to`: a copy that would change nothing.
bool sameArea(const PixelArea& to, int x, int y, const PixelArea& from, const Rect& src);
// Scales `src` of `from` onto `dst` of `to`.
void stretchArea(const PixelArea& to, const Rect& dst, const PixelArea& from, const Rect& src, std::optional<uint32_t> key);

}  // namespace platform::ddraw

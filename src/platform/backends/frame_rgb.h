#pragma once
// A presented frame's pixels as plain RGB bytes, whatever the surface's layout.
#include <cstdint>
#include <vector>

#include "platform/backends/video.h"

namespace platform {

// The top-left `width` × `height` pixels of `frame` (clipped to the frame) as
// rows of R, G, B bytes; an empty vector when nothing is left.
std::vector<uint8_t> frameToRgb(const FrameView& frame, int width, int height);

}  // namespace platform

#pragma once
// The display modes a screen can ask for, in their stored order.
#include <cstdint>
#include <string>

enum TDisplayMode : int32_t {
    m0640x480x08, m0640x480x16, m0640x480x24, m0640x480x32,
    m0800x600x08, m0800x600x16, m0800x600x24, m0800x600x32,
    m1024x768x08, m1024x768x16, m1024x768x24, m1024x768x32,
    m1152x864x08, m1152x864x16, m1152x864x24, m1152x864x32,
    m1280x1024x08, m1280x1024x16, m1280x1024x24, m1280x1024x32,
    m1600x1200x08, m1600x1200x16, m1600x1200x24, m1600x1200x32,
};

struct TDisplayModeSize {
    int32_t Width;
    int32_t Height;
    int32_t BitCount;
};

// An ordinal outside the list means 640 x 480 x 16.
TDisplayMode NormalizeDisplayMode(int32_t ordinal);
TDisplayModeSize DisplayModeSize(TDisplayMode mode);
// "800x600x16": the form display modes are listed in.
std::string DisplayModeText(int32_t width, int32_t height, int32_t bits);

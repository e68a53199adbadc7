#pragma once
// How much of a rectangle of the last presented frame is not black.
#include "platform/backends/headless/headless_video.h"

inline int InkIn(const platform::HeadlessVideo& video, int x0, int y0, int x1, int y1)
{
    int ink = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) ink += video.pixel(x, y) != 0;
    return ink;
}

#pragma once
// How window positions map onto the game's picture, which the window shows
// scaled and perhaps centred with borders.

namespace platform {

struct PictureMapping {
    double scale = 1.0;    // picture pixels per window unit
    double originX = 0.0;  // the picture's corner, in picture pixels from the window's
    double originY = 0.0;
    int width = 800;       // the picture's size
    int height = 600;

    double pictureX(double windowX) const { return windowX * scale - originX; }
    double pictureY(double windowY) const { return windowY * scale - originY; }
};

}  // namespace platform

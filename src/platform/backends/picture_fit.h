#pragma once
// Where the game's fixed-size picture goes in a window or screen of any size:
// centred on black, as large as the chosen scaling allows.
#include <string>

#include "platform/backends/window.h"

namespace platform {

enum class Scaling {
    Integer,  // the largest whole factor that fits, so every pixel stays square and sharp
    Smooth,   // as large as fits, filtered
};

struct PictureFit {
    Rect area;            // where the picture goes, in output pixels
    int wholeFactor = 0;  // the factor when the picture is scaled by a whole number, else 0
};

// Where a `pictureWidth` × `pictureHeight` picture goes on an output of the
// given size. Integer scaling falls back to fitting the picture keeping its
// shape when not even factor 1 fits.
PictureFit fitPicture(int outputWidth, int outputHeight, int pictureWidth, int pictureHeight, Scaling scaling);

// The settings file's words for the scalings: "integer" or "smooth", in any
// case and with blanks around; anything else gives `fallback`.
Scaling parseScaling(const std::string& text, Scaling fallback = Scaling::Integer);

}  // namespace platform

#pragma once
// Rectangles and points in pixels, as every layer of the platform speaks of
// them: the window's frame, a picture's place on the screen, a touch.
namespace platform {

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

struct Point {
    int x = 0, y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

}  // namespace platform

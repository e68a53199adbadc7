#include "platform/backends/headless/headless_window.h"

namespace platform {

Rect HeadlessWindow::clientRect() const
{
    if (border_ == BorderStyle::None) return bounds_;
    return {bounds_.left + kFrame, bounds_.top + kTitle, bounds_.right - kFrame, bounds_.bottom - kFrame};
}

Point HeadlessWindow::outputSize() const
{
    if (playerSize_) return *playerSize_;
    const Rect client = clientRect();
    return {client.width(), client.height()};
}

void HeadlessWindow::setClientSize(int width, int height)
{
    playerSize_.reset();
    const bool framed = border_ != BorderStyle::None;
    bounds_.right = bounds_.left + width + (framed ? 2 * kFrame : 0);
    bounds_.bottom = bounds_.top + height + (framed ? kTitle + kFrame : 0);
}

void HeadlessWindow::centre()
{
    const int w = bounds_.width(), h = bounds_.height();
    bounds_.left = (kDesktopWidth - w) / 2;
    bounds_.top = (kDesktopHeight - h) / 2;
    bounds_.right = bounds_.left + w;
    bounds_.bottom = bounds_.top + h;
}

}  // namespace platform

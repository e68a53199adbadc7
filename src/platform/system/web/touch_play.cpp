#include "platform/system/touch_play.h"

#include <emscripten.h>

namespace platform {
namespace {

// The page's touch layer (page/touch.js) answers; under Node nobody does.
EM_JS(int, pageReportsTouch, (), { return Module.touchScreen && Module.touchScreen() ? 1 : 0; });

EM_JS(void, tellPageNameBox, (int shown, int left, int top, int right, int bottom), {
    if (Module.nameEntryShown) Module.nameEntryShown(shown ? {left, top, right, bottom} : null);
});

}  // namespace

bool playedByTouch() { return pageReportsTouch() != 0; }

void nameEntryShown(const std::optional<Rect>& box)
{
    const Rect r = box.value_or(Rect{});
    tellPageNameBox(box.has_value() ? 1 : 0, r.left, r.top, r.right, r.bottom);
}

}  // namespace platform

#include "platform/backends/sdl2/present_pacer.h"

namespace platform {

void PresentPacer::setRefreshRate(int hz)
{
    interval_ = 1000000 / (hz > 0 ? hz : kAssumedRefreshRate);
}

void PresentPacer::sent(int64_t nowUs)
{
    // After a pause the grid starts again from now rather than catching up.
    if (nowUs - next_ >= interval_) next_ = nowUs + interval_;
    else next_ += interval_;
}

}  // namespace platform

#include "platform/win32/dinput/axis_scaling.h"

#include <cmath>
#include <cstdlib>

namespace platform::dinput {

int32_t scaleAxis(int32_t raw, const AxisCalibration& c)
{
    const double fraction = raw < 0 ? -static_cast<double>(raw) / 32768.0 : static_cast<double>(raw) / 32767.0;
    const double position = fraction * 10000.0;
    double travel;  // 0 at the centre, 1 at the end of the range
    if (position <= c.deadZone)
        travel = 0.0;
    else if (position >= c.saturation)
        travel = 1.0;
    else
        travel = (position - c.deadZone) / (static_cast<double>(c.saturation) - c.deadZone);

    const int64_t min = c.min, max = c.max;
    const int64_t centre = min + (max - min) / 2;
    const int64_t reach = raw < 0 ? centre - min : max - centre;
    const auto offset = static_cast<int64_t>(std::llround(travel * static_cast<double>(reach)));
    return static_cast<int32_t>(raw < 0 ? centre - offset : centre + offset);
}

}  // namespace platform::dinput

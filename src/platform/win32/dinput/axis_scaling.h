#pragma once
// How a joystick axis reading becomes the value the caller sees: the raw
// position is measured from the centre in DirectInput's 0..10000 scale, the
// dead zone around the centre reads as centre, everything past the
// saturation point reads as the end of the range, and the part between is
// stretched over the range the caller set.
#include <cstdint>

namespace platform::dinput {

struct AxisCalibration {
    int32_t min = 0;            // DirectInput's default joystick range
    int32_t max = 65535;
    uint32_t deadZone = 0;      // 0..10000 of the way from centre to end
    uint32_t saturation = 10000;
};

// `raw` is the device reading in -32768..32767.
int32_t scaleAxis(int32_t raw, const AxisCalibration& calibration);

}  // namespace platform::dinput

#include "platform/system/gpu_device.h"

namespace platform {

// Direct3D, the accelerated renderer SDL takes here, runs on the display
// adapter's driver, and Windows has one on every desktop.
bool gpuDevicePresent() { return true; }

}  // namespace platform

#pragma once

namespace platform {

// Whether the machine has a GPU that SDL's accelerated renderers can reach.
bool gpuDevicePresent();

}  // namespace platform

#include "platform/system/gpu_device.h"

namespace platform {

// A page cannot ask what is behind WebGL, and a software-emulated context
// is common there; the picture goes to the canvas through SDL's software
// renderer, which every browser draws alike.
bool gpuDevicePresent() { return false; }

}  // namespace platform

#include "platform/system/gpu_device.h"

#include <filesystem>
#include <string>

namespace platform {

// A GPU is reached through a DRM device, or through NVIDIA's own driver.
bool gpuDevicePresent()
{
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/dev/dri", error)) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with("card") || name.starts_with("renderD")) return true;
    }
    return std::filesystem::exists("/dev/nvidiactl", error);
}

}  // namespace platform

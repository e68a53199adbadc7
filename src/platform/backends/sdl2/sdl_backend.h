#pragma once
// The backend players run: a real window, audio device and input through SDL2.
#include <memory>

#include "platform/backends/backend.h"

namespace platform {

// Throws platform::Exception with a one-line reason when there is no display.
std::unique_ptr<Backend> createSdlBackend();

}  // namespace platform

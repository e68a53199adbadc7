#include <cstdio>
#include <exception>

#include "platform/backends/sdl2/sdl_backend.h"
#include "runs/run_modes.h"

std::unique_ptr<platform::Backend> StartDesktopBackend()
{
    try {
        return platform::createSdlBackend();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "Brindlecog cannot start: %s\n", error.what());
        return nullptr;
    }
}

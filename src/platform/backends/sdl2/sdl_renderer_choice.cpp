#include "platform/backends/sdl2/sdl_renderer_choice.h"

#include <array>
#include <string>

#include "platform/system/gpu_device.h"

namespace platform {
namespace {

// The GL_RENDERER string of the renderer's current OpenGL context, empty for
// renderers that are not OpenGL.
std::string openGlRendererName(SDL_Renderer* renderer)
{
    SDL_RendererInfo info{};
    if (SDL_GetRendererInfo(renderer, &info) != 0 || !info.name) return {};
    if (!std::string_view(info.name).starts_with("opengl")) return {};
    using GetString = const unsigned char* (*)(unsigned int);
    constexpr unsigned int kGlRenderer = 0x1F01;
    const auto getString = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
    const unsigned char* name = getString ? getString(kGlRenderer) : nullptr;
    return name ? reinterpret_cast<const char*>(name) : "";
}

}  // namespace

bool isSoftwareOpenGl(std::string_view glRenderer)
{
    constexpr std::array<std::string_view, 5> kEmulated = {"llvmpipe", "softpipe", "swrast", "Software Rasterizer",
                                                           "lavapipe"};
    for (std::string_view name : kEmulated)
        if (glRenderer.find(name) != std::string_view::npos) return true;
    return false;
}

SDL_Renderer* createWindowRenderer(SDL_Window* window)
{
    const char* asked = SDL_GetHint(SDL_HINT_RENDER_DRIVER);
    if (asked && *asked) return SDL_CreateRenderer(window, -1, 0);
    if (gpuDevicePresent()) {
        if (SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED)) {
            if (!isSoftwareOpenGl(openGlRendererName(renderer))) return renderer;
            SDL_DestroyRenderer(renderer);
        }
    }
    // Left to itself SDL would put the software renderer's picture on the
    // screen through an OpenGL texture, the very emulation avoided here.
    SDL_SetHintWithPriority(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0", SDL_HINT_DEFAULT);
    return SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
}

}  // namespace platform

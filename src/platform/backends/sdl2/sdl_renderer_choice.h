#pragma once
// Which SDL renderer draws the game's window. A GPU draws it where there is
// one; where OpenGL would only be emulated on the processor (no GPU, a
// virtual X server, a remote display) SDL's own software renderer does the
// same work for a fraction of the processor time and start-up. A renderer
// named in SDL_RENDER_DRIVER is always the one used.
#include <SDL.h>

#include <string_view>

namespace platform {

// The window's renderer, or null with SDL's error set.
SDL_Renderer* createWindowRenderer(SDL_Window* window);

// Whether an OpenGL renderer string (GL_RENDERER) names an implementation
// that runs on the processor.
bool isSoftwareOpenGl(std::string_view glRenderer);

}  // namespace platform

#pragma once
// Whether a window manager looks after the game's window. Without one (a
// bare X server, a kiosk) nobody resizes the window for full screen, so the
// game covers the display itself; with one, doing so would only make SDL
// wait for an answer that never comes.
#include <SDL.h>

namespace platform {

// True also where it cannot be told (Wayland, other systems): those always
// have a compositor that manages windows.
bool windowManagerRunning(SDL_Window* window);

}  // namespace platform

#include "platform/backends/sdl2/sdl_window_manager.h"

#include <SDL_syswm.h>

namespace platform {

bool windowManagerRunning(SDL_Window* window)
{
#if defined(SDL_VIDEO_DRIVER_X11)
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return true;
    // Xlib is reached as SDL reaches it, at run time, so the game needs no
    // link to it of its own.
    static void* xlib = SDL_LoadObject("libX11.so.6");
    if (!xlib) return true;
    using InternAtom = Atom (*)(Display*, const char*, Bool);
    using DefaultRoot = Window (*)(Display*);
    using GetProperty = int (*)(Display*, Window, Atom, long, long, Bool, Atom, Atom*, int*, unsigned long*,
                                unsigned long*, unsigned char**);
    using Free = int (*)(void*);
    const auto internAtom = reinterpret_cast<InternAtom>(SDL_LoadFunction(xlib, "XInternAtom"));
    const auto defaultRoot = reinterpret_cast<DefaultRoot>(SDL_LoadFunction(xlib, "XDefaultRootWindow"));
    const auto getProperty = reinterpret_cast<GetProperty>(SDL_LoadFunction(xlib, "XGetWindowProperty"));
    const auto xfree = reinterpret_cast<Free>(SDL_LoadFunction(xlib, "XFree"));
    if (!internAtom || !defaultRoot || !getProperty || !xfree) return true;
    Display* display = info.info.x11.display;
    // A window manager that follows the desktop conventions names its own
    // window on the root window.
    const Atom check = internAtom(display, "_NET_SUPPORTING_WM_CHECK", True);
    if (check == None) return false;
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    const int status = getProperty(display, defaultRoot(display), check, 0, 1, False, XA_WINDOW, &type, &format,
                                   &count, &after, &data);
    if (data) xfree(data);
    return status == Success && type == XA_WINDOW && count == 1;
#else
    (void)window;
    return true;
#endif
}

}  // namespace platform

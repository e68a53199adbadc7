// Brindlecog: starts the platform, runs the game, reports what stops it.
#include <cstdio>
#include <exception>

#include "app/game_session.h"
#include "platform/sdl2/sdl_backend.h"

int main()
{
    std::unique_ptr<platform::Backend> backend;
    try {
        backend = platform::createSdlBackend();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "Brindlecog cannot start: %s\n", error.what());
        return 1;
    }
    return GameSession(*backend).run();
}

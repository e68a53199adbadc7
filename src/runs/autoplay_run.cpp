#include <cstdio>

#include "runs/run_modes.h"

int RunAutoplay(const AutoplayOptions&)
{
    std::fprintf(stderr, "brindlecog: --autoplay is not available in this build\n");
    return 2;
}

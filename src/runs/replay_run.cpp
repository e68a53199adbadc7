#include <cstdio>

#include "runs/run_modes.h"

int RunReplay(const ReplayOptions&)
{
    std::fprintf(stderr, "brindlecog: --replay is not available in this build\n");
    return 2;
}

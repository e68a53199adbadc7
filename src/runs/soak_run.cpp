#include <cstdio>

#include "runs/run_modes.h"

int RunSoak(const SoakOptions&)
{
    std::fprintf(stderr, "brindlecog: --soak is not available in this build\n");
    return 2;
}

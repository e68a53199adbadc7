#include <cstdio>

#include "runs/run_modes.h"

int RunRecord(const RecordOptions&)
{
    std::fprintf(stderr, "brindlecog: --record is not available in this build\n");
    return 2;
}

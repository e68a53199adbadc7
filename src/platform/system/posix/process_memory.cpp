#include "platform/system/process_memory.h"

#include <malloc.h>

#include <fstream>
#include <string>

namespace platform {

int64_t residentKilobytes()
{
    // Memory the allocator holds free is given back first, so what is
    // counted is what the program still uses.
    ::malloc_trim(0);
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::stoll(line.substr(6));
    return 0;
}

int64_t heapInUseKilobytes()
{
    const struct mallinfo2 info = ::mallinfo2();
    return static_cast<int64_t>((info.uordblks + info.hblkhd) / 1024);
}

}  // namespace platform

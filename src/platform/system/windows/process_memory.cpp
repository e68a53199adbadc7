#include "platform/system/process_memory.h"

#include <windows.h>
#include <psapi.h>

#include <malloc.h>

namespace platform {

int64_t residentKilobytes()
{
    // Memory the allocator holds free is given back first, so what is
    // counted is what the program still uses.
    ::_heapmin();
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!::K32GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof counters)) return 0;
    return static_cast<int64_t>(counters.WorkingSetSize / 1024);
}

int64_t heapInUseKilobytes()
{
    // The C runtime's heap walk counts the blocks in use.
    _HEAPINFO entry{};
    int64_t bytes = 0;
    int status;
    while ((status = ::_heapwalk(&entry)) == _HEAPOK)
        if (entry._useflag == _USEDENTRY) bytes += static_cast<int64_t>(entry._size);
    return status == _HEAPEND ? bytes / 1024 : 0;
}

}  // namespace platform

#pragma once
// How much memory this process holds: the resident set, as the system
// counts it, in kilobytes (0 where the system cannot say), once the
// allocator has given back what it holds free.
#include <cstdint>

namespace platform {

int64_t residentKilobytes();

// Bytes the program holds from the allocator right now, in kilobytes: unlike
// the resident set, free memory the allocator keeps does not count.
int64_t heapInUseKilobytes();

}  // namespace platform

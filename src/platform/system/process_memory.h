#pragma once
// How much memory this process holds, for the soak's and the measurements'
// reports.
#include <cstdint>

namespace platform {

// The resident set, as the system counts it, in kilobytes (0 where the
// system cannot say), once the allocator has given back what it holds free.
int64_t residentKilobytes();

// Bytes the program holds from the allocator right now, in kilobytes: unlike
// the resident set, free memory the allocator keeps does not count. 0 where
// the allocator cannot say.
int64_t heapInUseKilobytes();

}  // namespace platform

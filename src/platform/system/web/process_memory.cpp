#include "platform/system/process_memory.h"

#include <emscripten/heap.h>
#include <malloc.h>

namespace platform {

// The WebAssembly memory the program has grown to: it never shrinks.
int64_t residentKilobytes() { return static_cast<int64_t>(emscripten_get_heap_size() / 1024); }

int64_t heapInUseKilobytes()
{
    const struct mallinfo info = ::mallinfo();
    return static_cast<int64_t>((info.uordblks + info.hblkhd) / 1024);
}

}  // namespace platform

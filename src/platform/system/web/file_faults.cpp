#include "platform/system/file_faults.h"

namespace platform {

// Emscripten's file system knows no privileged user and no limit on a
// file's size, so a soak here brings on neither fault.
void stopOverridingPermissions() {}

std::optional<uint64_t> refuseFileGrowth() { return std::nullopt; }

void allowFileGrowth(uint64_t) {}

}  // namespace platform

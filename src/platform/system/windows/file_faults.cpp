#include "platform/system/file_faults.h"

namespace platform {

// An administrator's rights cannot be given up for a part of the run, and
// no file size limit stands in for a full disk: soaks here do without both.
void stopOverridingPermissions() {}

std::optional<uint64_t> refuseFileGrowth() { return std::nullopt; }

void allowFileGrowth(uint64_t) {}

}  // namespace platform

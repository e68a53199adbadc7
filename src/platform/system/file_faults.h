#pragma once
// Faults a soak brings on in the file system, as the system allows.
#include <cstdint>
#include <optional>

namespace platform {

// Gives up overriding file permissions (an administrator's way past a
// read-only folder) for the rest of the run, where the system has that.
void stopOverridingPermissions();

// Refuses any file growth to this process, as a full disk does. Returns
// what `allowFileGrowth` needs to undo it, or nothing where the system
// cannot do this.
std::optional<uint64_t> refuseFileGrowth();
void allowFileGrowth(uint64_t previous);

}  // namespace platform

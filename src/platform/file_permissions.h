#pragma once
// Root may write into read-only folders; a run that checks how the game
// meets one gives that up for the rest of the process (where the system
// has such a privilege at all).

namespace platform {

void stopOverridingPermissions();

}  // namespace platform

#include "platform/file_permissions.h"

namespace platform {

// Emscripten's file system knows no privileged user.
void stopOverridingPermissions() {}

}  // namespace platform

#pragma once
#include <string>

namespace platform {

// Folder of the running executable, with a trailing slash; the current
// directory when the system cannot say.
std::string executableFolder();

}  // namespace platform

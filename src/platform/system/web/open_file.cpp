#include "platform/system/utf8_path.h"

namespace platform {

// Emscripten's file system, and the host's under Node, take UTF-8 paths.
std::FILE* openFile(const std::string& path, const char* mode) { return std::fopen(path.c_str(), mode); }

}  // namespace platform

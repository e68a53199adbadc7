#include "platform/system/utf8_path.h"

namespace platform {

// Paths here are bytes, and the game's are UTF-8 already.
std::FILE* openFile(const std::string& path, const char* mode) { return std::fopen(path.c_str(), mode); }

}  // namespace platform

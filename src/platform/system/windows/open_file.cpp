#include "platform/system/utf8_path.h"

#include "platform/system/windows/wide_text.h"

namespace platform {

// The C library's narrow names are in the ANSI code page; the wide ones
// reach every file.
std::FILE* openFile(const std::string& path, const char* mode)
{
    return ::_wfopen(windows::wideFromUtf8(path).c_str(), windows::wideFromUtf8(mode).c_str());
}

}  // namespace platform

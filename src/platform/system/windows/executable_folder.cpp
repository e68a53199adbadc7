#include "platform/system/paths.h"

#include <windows.h>

#include <filesystem>
#include <system_error>
#include <vector>

#include "platform/system/utf8_path.h"

namespace platform {

std::string executableFolder()
{
    // The path may be longer than MAX_PATH: grow until it fits.
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) break;
        if (length < buffer.size()) {
            const std::filesystem::path exe(std::wstring(buffer.data(), length));
            return utf8Text(exe.parent_path()) + "/";
        }
        buffer.resize(buffer.size() * 2);
    }
    std::error_code ec;
    return utf8Text(std::filesystem::current_path(ec)) + "/";
}

}  // namespace platform

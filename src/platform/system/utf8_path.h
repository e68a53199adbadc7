#pragma once
// The game keeps every path as UTF-8 text. A narrow string handed straight
// to the standard library is read in the system's code page where that is
// not UTF-8, so files are opened, renamed and looked for through these.
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace platform {

inline std::filesystem::path utf8Path(std::string_view text)
{
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

inline std::string utf8Text(const std::filesystem::path& path)
{
    const std::u8string text = path.generic_u8string();
    return std::string(text.begin(), text.end());
}

// std::fopen for a UTF-8 path; null with errno set when it fails.
std::FILE* openFile(const std::string& path, const char* mode);

}  // namespace platform

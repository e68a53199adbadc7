#pragma once
// The system's own text is UTF-16; the game's is UTF-8.
#include <string>
#include <string_view>

namespace platform::windows {

std::wstring wideFromUtf8(std::string_view text);
std::string utf8FromWide(std::wstring_view text);

}  // namespace platform::windows

#pragma once
// Replacing a file so that it is either the old one or the whole new one:
// the bytes go to a temporary file beside it, which is then renamed over it.
// A full disk or a failed write leaves the old file as it was.
#include <string>
#include <string_view>

namespace platform {

// Throws EFileError naming `path` and the reason when any step fails.
void writeFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace platform

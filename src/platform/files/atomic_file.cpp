#include "platform/files/atomic_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "platform/errors.h"
#include "platform/system/utf8_path.h"
#include "platform/system/written_files.h"

namespace platform {

void writeFileAtomically(const std::string& path, std::string_view bytes)
{
    const std::filesystem::path target = utf8Path(path);
    std::filesystem::path temp = target;
    temp += ".tmp";
    std::error_code ignored;
    errno = 0;
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) throw EFileError("Cannot create file \"" + path + "\": " + std::strerror(errno ? errno : EACCES));
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    const int savedErrno = errno;
    out.close();
    if (!out) {
        std::filesystem::remove(temp, ignored);
        throw EFileError("Cannot write file \"" + path + "\": " + std::strerror(savedErrno ? savedErrno : EIO));
    }
    // The filesystem's rename replaces an existing file on every system
    // (the C library's refuses to on some).
    std::error_code renamed;
    std::filesystem::rename(temp, target, renamed);
    if (renamed) {
        std::filesystem::remove(temp, ignored);
        throw EFileError("Cannot replace file \"" + path + "\": " + renamed.message());
    }
    fileWritten(path);
}

}  // namespace platform

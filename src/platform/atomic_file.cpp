#include "platform/atomic_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/errors.h"
#include "platform/written_files.h"

namespace platform {

void writeFileAtomically(const std::string& path, std::string_view bytes)
{
    const std::string temp = path + ".tmp";
    std::FILE* f = std::fopen(temp.c_str(), "wb");
    if (!f) throw EFileError("Cannot create file \"" + path + "\": " + std::strerror(errno));
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    const bool flushed = std::fflush(f) == 0;
    const int savedErrno = errno;
    const bool closed = std::fclose(f) == 0;
    if (!written || !flushed || !closed) {
        std::remove(temp.c_str());
        throw EFileError("Cannot write file \"" + path + "\": " + std::strerror(savedErrno ? savedErrno : EIO));
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        const std::string reason = std::strerror(errno);
        std::remove(temp.c_str());
        throw EFileError("Cannot replace file \"" + path + "\": " + reason);
    }
    fileWritten(path);
}

}  // namespace platform

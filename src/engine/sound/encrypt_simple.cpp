#include "engine/sound/encrypt_simple.h"

#include <cerrno>
#include <cstring>

#include "platform/errors.h"
#include "platform/system/utf8_path.h"

std::ifstream TEncryptSimple::OpenPrefixed(const std::string& fileName)
{
    std::ifstream stream(platform::utf8Path(fileName), std::ios::binary);
    if (!stream) throw platform::EFileError("Cannot open file \"" + fileName + "\". " + std::strerror(errno));
    char prefix[kPrefixSize];
    stream.read(prefix, sizeof prefix);
    stream.clear();  // a short read leaves the reader nothing, which it reports itself
    return stream;
}

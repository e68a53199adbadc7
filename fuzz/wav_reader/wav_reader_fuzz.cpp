// Feeds arbitrary bytes to the WAV reader the way the asset loader does: from
// offset 101 of a stream whose start is the prefix. A load either succeeds
// with samples no larger than the input or fails with platform::Exception.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "engine/sound/wav.h"
#include "platform/errors.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    std::istringstream stream(std::string(reinterpret_cast<const char*>(data), size));
    stream.seekg(size >= 101 ? 101 : static_cast<std::streamoff>(size));
    TWav wav;
    try {
        wav.LoadFromStream(stream);
    } catch (const platform::Exception&) {
        if (!wav.Empty() || wav.DataSize() != 0) std::abort();
        return 0;
    }
    if (static_cast<std::size_t>(wav.DataSize()) > size) std::abort();
    TWav copy;
    copy.Assign(&wav);
    std::ostringstream out;
    copy.SaveToStream(out);
    return 0;
}

// Feeds arbitrary bytes to the bitmap reader behind the asset files' prefix.
// Anything but a picture or EInvalidGraphic is a finding.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "platform/win32/bitmap/bitmap.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string file(101, '\0');
    file.append(reinterpret_cast<const char*>(data), size);
    std::istringstream stream(file);
    stream.seekg(101);
    platform::TBitmap bitmap;
    try {
        bitmap.LoadFromStream(stream);
    } catch (const platform::EInvalidGraphic&) {
        return 0;
    }
    // A picture that loaded must be fully readable.
    std::uint32_t sum = 0;
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x) sum += bitmap.ScanLine(y)[x];
    return sum == 0xFFFFFFFFu ? 0 : 0;
}

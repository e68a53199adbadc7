#include "platform/system/local_time.h"

namespace platform {

// Emscripten takes the time zone from the browser or Node.
std::tm localTime(std::time_t when)
{
    std::tm local{};
    ::localtime_r(&when, &local);
    return local;
}

}  // namespace platform

#include "platform/errors.h"

namespace platform {

std::string describeError(const std::exception& error)
{
    if (const auto* ours = dynamic_cast<const Exception*>(&error))
        return std::string(ours->className()) + ": " + ours->what();
    return std::string("Exception: ") + error.what();
}

}  // namespace platform

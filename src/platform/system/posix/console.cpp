#include "platform/system/console.h"

namespace platform {

// Standard output and error are the ones the program was started with.
void useStartingConsole() {}

}  // namespace platform

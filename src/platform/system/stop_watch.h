#pragma once
// Runs a blocking call while a second thread looks, every 50 ms, whether a
// stop was asked for, and if so calls `onStop` (which must make the blocking
// call return). The systems' stoppable dialogs are built on it.
#include <functional>

namespace platform {

void runWatchingForStop(const std::function<void()>& call, const std::function<void()>& onStop);

}  // namespace platform

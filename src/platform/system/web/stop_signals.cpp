#include "platform/system/stop_signals.h"

// A page has no stop signals: closing the tab ends everything at once, and
// every write has reached the browser's storage by then.
namespace platform {

void watchStopSignals() {}

bool stopRequested() { return false; }

void runStoppableDialog(const std::function<void()>& dialog) { dialog(); }

}  // namespace platform

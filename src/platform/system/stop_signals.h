#pragma once
// SIGTERM and SIGINT end the game in order, as closing its window does: the
// first one is only noted here, and the backends turn it into the window's
// close command. A second one ends the program at once, as the signal's
// default does, for a game that cannot get to its end.
#include <functional>

namespace platform {

// Installs the handlers, again after a stop was noted; forgets that stop.
void watchStopSignals();
// Whether a stop was asked for since the handlers were installed.
bool stopRequested();

// Runs `dialog`, a call that shows a modal dialog and returns once it is
// closed. A stop asked for meanwhile closes the dialog: the desktop's
// dialogs run in child processes of the program, and those started while
// `dialog` runs are ended.
void runStoppableDialog(const std::function<void()>& dialog);

}  // namespace platform

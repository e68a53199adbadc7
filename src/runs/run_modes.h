#pragma once
// The ways to run the game besides playing it: each takes its options,
// runs to the end and returns the process's exit status.
#include <memory>

#include "app/command_line.h"
#include "platform/backends/backend.h"

int RunAutoplay(const AutoplayOptions& options);
int RunRecord(const RecordOptions& options);
int RunReplay(const ReplayOptions& options);
int RunSoak(const SoakOptions& options);

// The window, sound and input of the desktop; null after saying on stderr
// why they cannot start.
std::unique_ptr<platform::Backend> StartDesktopBackend();

#pragma once
// The ways to run the game besides playing it: each takes its options,
// runs to the end and returns the process's exit status.
#include "app/command_line.h"

int RunAutoplay(const AutoplayOptions& options);
int RunRecord(const RecordOptions& options);
int RunReplay(const ReplayOptions& options);
int RunSoak(const SoakOptions& options);

// brindlecog --replay FILE: a recorded game run again headless, to the line
// its recording run printed.
#include <cstdio>
#include <exception>

#include "platform/system/paths.h"
#include "runs/game_recorder.h"
#include "runs/run_modes.h"

int RunReplay(const ReplayOptions& options)
{
    const recording::ReadOutcome read = recording::ReadRecordingFile(options.file);
    if (!read.recording) {
        std::fprintf(stderr, "brindlecog: cannot replay \"%s\": %s\n", options.file.c_str(), read.error.c_str());
        return 2;
    }
    try {
        const ReplayedRun run = ReplayGame(*read.recording, platform::gameFolder());
        std::printf("%s\n", run.line.c_str());
        std::fflush(stdout);
        if (!run.note.empty()) std::fprintf(stderr, "brindlecog: %s\n", run.note.c_str());
        return run.exitCode;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "brindlecog: cannot replay \"%s\": %s\n", options.file.c_str(), error.what());
        return 2;
    }
}

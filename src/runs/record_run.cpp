// brindlecog --record FILE: the game as usual, written down as it goes.
#include <cstdio>
#include <exception>
#include <memory>

#include "platform/system/paths.h"
#include "runs/game_recorder.h"
#include "runs/run_modes.h"

int RunRecord(const RecordOptions& options)
{
    const auto backend = StartDesktopBackend();
    if (!backend) return 1;
    std::unique_ptr<recording::RecordingWriter> writer;
    try {
        writer = std::make_unique<recording::RecordingWriter>(options.file);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "brindlecog: %s\n", error.what());
        return 2;
    }
    const RecordedRun run = RecordGame(*backend, *writer, platform::gameFolder());
    if (!writer->error().empty()) std::fprintf(stderr, "brindlecog: %s\n", writer->error().c_str());
    std::printf("%s\n", run.line.c_str());
    return run.exitCode;
}

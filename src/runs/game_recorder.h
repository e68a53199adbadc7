#pragma once
// Playing a game while recording it, and running a recording again. Both
// print the same digest line for the same game; the command-line runs and
// the tests go through these.
#include <functional>
#include <string>
#include <vector>

#include "platform/backends/backend.h"
#include "runs/recording_file.h"

class GameSession;

// The files a game reads from its folder besides pictures and sounds: the
// settings file and every level file, as they are now.
std::vector<recording::RecordedFile> GameFolderFiles(const std::string& gameFolder);

struct RecordedRun {
    int exitCode = 0;
    std::string line;  // the digest line
};

// Plays a game in `gameFolder` on `backend`, writing what it takes to
// `writer`. `prepare` sees the session before it starts (tests script it).
RecordedRun RecordGame(platform::Backend& backend, recording::RecordingWriter& writer, const std::string& gameFolder,
                       const std::function<void(GameSession&)>& prepare = {});

struct ReplayedRun {
    // 0: the game went exactly as recorded, to its end. 1: it went another
    // way. 2: the recording ends early (replayed to its last whole frame).
    int exitCode = 0;
    std::string line;
    // Where and why the replay ended, when not at the recorded end; one line.
    std::string note;
};

// Replays `recording` headless in a scratch folder that has the pictures and
// sounds of `gameFolder` and the recorded files.
ReplayedRun ReplayGame(const recording::Recording& recording, const std::string& gameFolder);

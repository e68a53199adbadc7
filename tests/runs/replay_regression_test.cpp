// Recorded games kept in tests/replays replay to the lines their recording
// runs printed. A change that alters play on purpose makes new recordings
// (see tests/replays/README.md); any other difference is a regression.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "runs/game_recorder.h"
#include "support/scripted_shift.h"

namespace fs = std::filesystem;

namespace {

const fs::path kReplays = fs::path(BRINDLECOG_SOURCE_DIR) / "tests" / "replays";

std::string FirstLine(const fs::path& file)
{
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    return line;
}

}  // namespace

TEST(ReplayRegressions, EveryKeptRecordingReplaysToItsExpectedLine)
{
    int replayed = 0;
    for (const auto& entry : fs::directory_iterator(kReplays)) {
        if (entry.path().extension() != ".rec") continue;
        SCOPED_TRACE(entry.path().filename().string());
        const fs::path expected = fs::path(entry.path()).replace_extension(".expected");
        ASSERT_TRUE(fs::exists(expected)) << "each recording comes with its expected line";
        const auto read = recording::ReadRecordingFile(entry.path().string());
        ASSERT_TRUE(read.recording) << read.error;
        EXPECT_TRUE(read.recording->complete);
        const ReplayedRun run = ReplayGame(*read.recording, BRINDLECOG_GAME_DIR);
        EXPECT_EQ(run.exitCode, 0) << run.note;
        EXPECT_EQ(run.line, FirstLine(expected));
        ++replayed;
    }
    EXPECT_GE(replayed, 2);
}

// Makes tests/replays/scripted-shift.rec and its line again, from the
// source folder:
//   BRINDLECOG_REPLAY_OUT=tests/replays build/release/tests/test_runs
//     --gtest_also_run_disabled_tests --gtest_filter=ReplayRegressions.DISABLED_MakeScriptedShift
TEST(ReplayRegressions, DISABLED_MakeScriptedShift)
{
    const char* out = std::getenv("BRINDLECOG_REPLAY_OUT");
    ASSERT_NE(out, nullptr) << "BRINDLECOG_REPLAY_OUT names the folder to write to";
    GameFolder dir;
    const RecordedRun run = ScriptedShift().record((fs::path(out) / "scripted-shift.rec").string(), dir);
    std::ofstream(fs::path(out) / "scripted-shift.expected") << run.line << "\n";
}

// The program itself, started as a player or a tool would start it: a game
// recorded in a (window-less) SDL window and ended with SIGTERM replays to
// the line it printed; files that are no recordings are refused with
// status 2 and one line.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "app/user_folders.h"
#include "support/level_files.h"
#include "support/temp_dir.h"

namespace fs = std::filesystem;

namespace {

struct Ran {
    int status = -1;  // the exit status, or -1 when it did not exit by itself
    std::string out, err;
};

// A game folder of its own with a copy of the built program (the program
// finds its files beside itself), so the build's settings stay untouched.
class ProgramCopy : public TempDir {
public:
    ProgramCopy()
    {
        const fs::path built = fs::path(BRINDLECOG_GAME_DIR) / "brindlecog";
        available_ = fs::exists(built);
        if (!available_) return;
        fs::copy_file(built, path() / "brindlecog");
        fs::create_directory_symlink(fs::path(BRINDLECOG_GAME_DIR) / "SysData", path() / "SysData");
        fs::create_directories(path() / "Levels");
        write("Brindlecog.ini", "[General]\nFullScreen=0\n");
        // Marked as a game folder of its own: settings stay here, never in
        // the configuration folder of whoever runs the tests.
        write(kPortableMarker, "");
    }
    bool available() const { return available_; }

    // Runs the program with `args`; sends SIGTERM after `termAfterMs` when given.
    Ran run(const std::vector<std::string>& args, int termAfterMs = -1) const
    {
        const std::string out = file("out.txt"), err = file("err.txt");
        const pid_t child = ::fork();
        if (child == 0) {
            ::setenv("SDL_VIDEODRIVER", "dummy", 1);
            ::setenv("SDL_AUDIODRIVER", "dummy", 1);
            // Leaks of the desktop libraries are not ours to report.
            ::setenv("ASAN_OPTIONS", "detect_leaks=0", 1);
            ::dup2(::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 1);
            ::dup2(::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 2);
            std::vector<std::string> all{file("brindlecog")};
            all.insert(all.end(), args.begin(), args.end());
            std::vector<char*> argv;
            for (auto& a : all) argv.push_back(a.data());
            argv.push_back(nullptr);
            ::execv(argv[0], argv.data());
            _exit(127);
        }
        if (termAfterMs >= 0) {
            std::this_thread::sleep_for(std::chrono::milliseconds(termAfterMs));
            ::kill(child, SIGTERM);
        }
        Ran ran;
        int status = 0;
        for (int waited = 0; waited < 1200; ++waited) {
            if (::waitpid(child, &status, WNOHANG) == child) {
                if (WIFEXITED(status)) ran.status = WEXITSTATUS(status);
                ran.out = read("out.txt");
                ran.err = read("err.txt");
                return ran;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        ::kill(child, SIGKILL);
        ::waitpid(child, &status, 0);
        return ran;
    }

private:
    bool available_ = false;
};

}  // namespace

TEST(CommandLineRuns, AGameRecordedInAWindowAndStoppedBySigtermReplaysToItsLine)
{
    ProgramCopy game;
    if (!game.available()) GTEST_SKIP() << "the program is not built";
    const Ran recorded = game.run({"--record", game.file("game.rec")}, 2500);
    ASSERT_EQ(recorded.status, 0) << recorded.err;
    EXPECT_EQ(recorded.out.rfind("frames=", 0), 0u) << recorded.out;
    EXPECT_NE(game.read("Brindlecog.ini").find("SoundOn=1"), std::string::npos) << "ended in order";

    const Ran replayed = game.run({"--replay", game.file("game.rec")});
    EXPECT_EQ(replayed.status, 0) << replayed.err;
    EXPECT_EQ(replayed.out, recorded.out);
}

TEST(CommandLineRuns, TheAutomaticPlayerRecordsTheLevelItPlaysAndTheRecordingReplaysToItsLine)
{
    ProgramCopy game;
    if (!game.available()) GTEST_SKIP() << "the program is not built";
    game.write("Levels/Level2.lev",
               LevelBytes(LevelPlan{.number = 2, .speed = 3, .spacing = 40, .firedBelow = 10, .veryGoodFrom = 30,
                                    .products = {"boat", "car"}}));
    const Ran played = game.run({"--autoplay", "--levels", "2", "--record", game.file("auto.rec")});
    ASSERT_EQ(played.status, 0) << played.err;
    // The level's result, then the recording's line.
    const auto newline = played.out.find('\n');
    ASSERT_NE(newline, std::string::npos) << played.out;
    EXPECT_EQ(played.out.rfind("level=2 products=2 score=", 0), 0u) << played.out;
    const std::string line = played.out.substr(newline + 1);
    EXPECT_EQ(line.rfind("frames=", 0), 0u) << played.out;

    const Ran replayed = game.run({"--replay", game.file("auto.rec")});
    EXPECT_EQ(replayed.status, 0) << replayed.err;
    EXPECT_EQ(replayed.out, line);
}

TEST(CommandLineRuns, WhatCannotBeReplayedIsSaidInOneLineWithStatusTwo)
{
    ProgramCopy game;
    if (!game.available()) GTEST_SKIP() << "the program is not built";
    game.write("notes.txt", "not a recording\n");
    Ran ran = game.run({"--replay", game.file("notes.txt")});
    EXPECT_EQ(ran.status, 2);
    EXPECT_EQ(ran.err, "brindlecog: cannot replay \"" + game.file("notes.txt") + "\": not a Brindlecog recording\n");
    EXPECT_EQ(ran.out, "");

    ran = game.run({"--replay", game.file("missing.rec")});
    EXPECT_EQ(ran.status, 2);
    EXPECT_NE(ran.err.find("cannot open"), std::string::npos) << ran.err;
}

// SIGTERM and SIGINT: the first is noted for an orderly end, a second ends
// the program at once, and a dialog standing in a child process is closed.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>

#include "platform/system/stop_signals.h"

namespace {

// Leaves the process as the test runner expects it: no stop noted, the
// signals' default actions back.
struct RestoreSignals {
    ~RestoreSignals()
    {
        platform::watchStopSignals();
        ::signal(SIGTERM, SIG_DFL);
        ::signal(SIGINT, SIG_DFL);
    }
};

}  // namespace

TEST(StopSignals, TheFirstIsNotedAndASecondEndsTheProgram)
{
    EXPECT_EXIT(
        {
            platform::watchStopSignals();
            if (platform::stopRequested()) _exit(3);
            ::raise(SIGINT);
            if (!platform::stopRequested()) _exit(4);
            ::raise(SIGINT);
            _exit(0);
        },
        testing::KilledBySignal(SIGINT), "");
}

TEST(StopSignals, AStopClosesADialogStandingInAChildProcess)
{
    RestoreSignals restore;
    platform::watchStopSignals();
    std::thread sender([] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        ::kill(::getpid(), SIGTERM);
    });
    const auto start = std::chrono::steady_clock::now();
    int status = 0;
    // As the desktop shows dialogs: a child process, waited for whatever
    // signals the waiting process gets.
    platform::runStoppableDialog([&] {
        const pid_t dialog = ::fork();
        if (dialog == 0) {
            ::sleep(30);
            _exit(0);
        }
        while (::waitpid(dialog, &status, 0) == -1 && errno == EINTR) {
        }
    });
    sender.join();
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_LT(took, std::chrono::seconds(5));
    EXPECT_TRUE(WIFSIGNALED(status));
    EXPECT_TRUE(platform::stopRequested());
}

TEST(StopSignals, ADialogClosedByThePlayerLeavesNothingRunning)
{
    RestoreSignals restore;
    platform::watchStopSignals();
    bool shown = false;
    platform::runStoppableDialog([&] { shown = true; });
    EXPECT_TRUE(shown);
    EXPECT_FALSE(platform::stopRequested());
}

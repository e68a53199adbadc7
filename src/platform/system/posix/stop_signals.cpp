#include "platform/system/stop_signals.h"

#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "platform/system/stop_watch.h"

namespace platform {
namespace {

// A signal handler has nowhere else to put what it saw.
volatile sig_atomic_t stopSignal = 0;

void noteStop(int signal) { stopSignal = signal; }

// The processes whose parent is this one.
std::set<pid_t> childProcesses()
{
    std::set<pid_t> children;
    const pid_t self = ::getpid();
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator("/proc", ec)) {
        const std::string name = entry.path().filename().string();
        if (name.empty() || name.find_first_not_of("0123456789") != std::string::npos) continue;
        std::ifstream stat(entry.path() / "stat");
        std::string line;
        if (!std::getline(stat, line)) continue;
        // pid (command) state ppid ...: the command may hold spaces and brackets.
        const auto close = line.rfind(')');
        if (close == std::string::npos) continue;
        char state = 0;
        long parent = 0;
        if (std::sscanf(line.c_str() + close + 1, " %c %ld", &state, &parent) == 2 && parent == self)
            children.insert(static_cast<pid_t>(std::stol(name)));
    }
    return children;
}

}  // namespace

void watchStopSignals()
{
    stopSignal = 0;
    struct sigaction action {};
    action.sa_handler = noteStop;
    sigemptyset(&action.sa_mask);
    // The second signal of a kind finds the default action again.
    action.sa_flags = SA_RESETHAND;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

bool stopRequested() { return stopSignal != 0; }

void runStoppableDialog(const std::function<void()>& dialog)
{
    const std::set<pid_t> before = childProcesses();
    runWatchingForStop(dialog, [&] {
        // The dialog's processes hold nothing of the game's: no need to let
        // them tidy up.
        for (pid_t child : childProcesses())
            if (!before.count(child)) ::kill(child, SIGKILL);
    });
}

}  // namespace platform

// Brindlecog: starts the platform, runs the game, reports what stops it.
// The options for tools and tests are read in one place and lead to their
// own runs; without options the game is simply played.
#include <cstdio>
#include <type_traits>
#include <variant>

#include "app/command_line.h"
#include "app/game_session.h"
#include "build_info.h"
#include "platform/system/console.h"
#include "runs/run_modes.h"

namespace {

int PrintVersion()
{
    if (*BuildRevision()) std::printf("brindlecog %s (git %s)\n", BuildVersion(), BuildRevision());
    else std::printf("brindlecog %s\n", BuildVersion());
    return 0;
}

int Play()
{
    const auto backend = StartDesktopBackend();
    if (!backend) return 1;
    return GameSession(*backend).run();
}

}  // namespace

int main(int argc, char** argv)
{
    platform::useStartingConsole();
    const ParsedCommandLine command = ParseCommandLine(argc, argv);
    if (!command.error.empty()) {
        std::fprintf(stderr, "brindlecog: %s\n%s", command.error.c_str(), CommandLineUsage());
        return 2;
    }
    return std::visit(
        [](const auto& options) -> int {
            using Options = std::decay_t<decltype(options)>;
            if constexpr (std::is_same_v<Options, AutoplayOptions>) return RunAutoplay(options);
            else if constexpr (std::is_same_v<Options, RecordOptions>) return RunRecord(options);
            else if constexpr (std::is_same_v<Options, ReplayOptions>) return RunReplay(options);
            else if constexpr (std::is_same_v<Options, SoakOptions>) return RunSoak(options);
            else if constexpr (std::is_same_v<Options, VersionOptions>) return PrintVersion();
            else if constexpr (std::is_same_v<Options, HelpOptions>) return std::fputs(CommandLineUsage(), stdout) < 0;
            else return Play();
        },
        command.options);
}

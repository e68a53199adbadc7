// brindlecog --soak MINUTES [--seed N]: random play headless, every frame
// checked; exit 0 when every rule held, 1 with the broken rule.
#include <cstdio>
#include <exception>

#include "platform/system/paths.h"
#include "runs/run_modes.h"
#include "runs/soak.h"

int RunSoak(const SoakOptions& options)
{
    try {
        const SoakOutcome outcome = Soak(options, platform::gameFolder());
        std::printf("%s\n", outcome.line().c_str());
        if (!outcome.failure.empty()) std::printf("soak: %s\n", outcome.failure.c_str());
        std::fprintf(stderr, "soak: seed=%llu %s\n", static_cast<unsigned long long>(options.seed),
                     outcome.details().c_str());
        return outcome.exitCode;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "brindlecog: the soak cannot run: %s\n", error.what());
        return 2;
    }
}

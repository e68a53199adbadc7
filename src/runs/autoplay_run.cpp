#include <cstdio>
#include <exception>
#include <filesystem>

#include "platform/system/paths.h"
#include "platform/system/utf8_path.h"
#include "runs/autoplay_level.h"
#include "runs/run_modes.h"

namespace {

const char* Verdict(const AutoplayResult& result)
{
    if (!result.rated) return "unrated";
    switch (result.rating) {
    case 1: return "fired";
    case 2: return "very-good";
    default: return "did-the-job";
    }
}

}  // namespace

int RunAutoplay(const AutoplayOptions& options)
{
    const AutoplayProfile* profile = FindAutoplayProfile(options.profile);
    if (!profile) {
        std::fprintf(stderr, "brindlecog: unknown profile %s\n", options.profile.c_str());
        return 2;
    }
    const std::string folder = platform::gameFolder();
    for (int32_t n = options.firstLevel; n <= options.lastLevel; ++n) {
        const std::string file = folder + "Levels/Level" + std::to_string(n) + ".lev";
        if (!std::filesystem::exists(platform::utf8Path(file))) {
            std::printf("level=%d missing\n", n);
            continue;
        }
        // Each level draws from a seed of its own, so one level's run does
        // not depend on which levels were played before it.
        AutoplayResult r;
        std::string recordedLine;
        try {
            r = PlayLevelAutomatically(folder, file, *profile, options.seed * 1000 + n, options.recordFile,
                                       &recordedLine);
        } catch (const std::exception& error) {
            std::fprintf(stderr, "brindlecog: %s\n", error.what());
            return 2;
        }
        std::printf("level=%d products=%d score=%d fired_below=%d very_good_from=%d verdict=%s\n", r.level,
                    r.products, r.score, r.firedBelow, r.veryGoodFrom, Verdict(r));
        if (!options.recordFile.empty()) std::printf("%s\n", recordedLine.c_str());
        std::fflush(stdout);
    }
    return 0;
}

#include "runs/soak.h"

#include <algorithm>
#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <optional>
#include <random>

#include "app/game_session.h"
#include "app/main_form.h"
#include "platform/stop_signals.h"
#include "runs/process_memory.h"
#include "runs/quiet_backend.h"
#include "runs/scratch_folder.h"
#include "runs/soak_faults.h"
#include "runs/soak_levels.h"
#include "runs/soak_player.h"
#include "runs/soak_rules.h"

namespace {

// Memory is first measured once start-up and the first shifts have settled
// (or after a tenth of a shorter soak).
constexpr int64_t kWarmUpMs = 60'000;
// And again every so often, so that the last reading is from the last stretch of play.
constexpr uint64_t kMemoryEveryFrames = 1000;
constexpr int64_t kLongestGameMs = 30LL * 24 * 3600 * 1000;

struct Broken {
    SoakViolation violation;
    uint64_t frame;
    uint64_t game;
    int64_t gameMs;
};

}  // namespace

std::string SoakOutcome::line() const
{
    char text[200];
    std::snprintf(text, sizeof text,
                  "soak: minutes=%g frames=%" PRIu64 " shifts=%" PRIu64 " rss_start_kb=%" PRId64 " rss_end_kb=%" PRId64,
                  minutes, frames, shifts, rssStartKb, rssEndKb);
    return text;
}

std::string SoakOutcome::details() const
{
    std::string text = "games=" + std::to_string(games) + " faults=" + std::to_string(faults) +
                       " settings_written=" + std::to_string(settingsWrites) +
                       " highscores_written=" + std::to_string(highscoreWrites) + " frames:";
    for (std::size_t state = 1; state < framesByState.size(); ++state)
        text += std::string(" ") + GameStateName(static_cast<TGameState>(state)) + "=" + std::to_string(framesByState[state]);
    if (!note.empty()) text += "; " + note;
    return text;
}

SoakOutcome Soak(const SoakOptions& options, const std::string& gameFolder)
{
    platform::watchStopSignals();
    std::mt19937_64 random(options.seed);
    ScratchGameFolder folder(gameFolder);
    PutSoakLevels(gameFolder, folder, random);
    folder.write("Brindlecog.ini", std::string("[General]\nSoundOn=1\nMusicOn=1\nFullScreen=") +
                                       (random() % 2 ? "1" : "0") + "\n");
    SoakRules rules(folder.path());
    SoakFaults faults(random, folder.path());
    SoakPlayer player(random);

    SoakOutcome outcome;
    outcome.note = faults.note();
    const auto limitMs = static_cast<int64_t>(std::llround(options.minutes * 60'000));
    const int64_t warmUpMs = std::min(kWarmUpMs, limitMs / 10);
    int64_t doneMs = 0;  // game time of the games that have ended
    std::optional<Broken> broken;
    while (doneMs < limitMs && !broken && !platform::stopRequested()) {
        ++outcome.games;
        platform::HeadlessBackend backend;
        backend.headlessClock().setRandomSeed(random());
        backend.headlessAudio().setDeviceAvailable(!faults.soundGone());
        // The time is up even while the game stands minimised; a game is
        // never longer than the headless clock counts.
        backend.closeAfter(static_cast<uint32_t>(std::min<int64_t>(limitMs - doneMs + 100, kLongestGameMs)));
        QuietBackend quiet(backend);
        rules.newSession();
        player.newSession();
        GameSession session(quiet, folder.folder());
        uint32_t lastMs = 0;
        const auto stop = [&](SoakViolation violation) {
            if (!broken) broken = Broken{std::move(violation), outcome.frames, outcome.games, doneMs + backend.now()};
            session.application().terminate();
        };
        quiet.onError = [&](const std::string& text) { stop({"no error shown", text}); };
        session.setOnFrame([&](TfrmMain& form) {
            ++outcome.frames;
            ++outcome.framesByState[form.FState % outcome.framesByState.size()];
            const int64_t now = doneMs + backend.now();
            if (auto violation = rules.afterFrame(form)) return stop(std::move(*violation));
            // A sound card takes what was mixed since the last frame.
            if (!faults.soundGone())
                backend.headlessAudio().pull(static_cast<int>(std::min<uint32_t>(backend.now() - lastMs, 1000) * 441 / 10));
            lastMs = backend.now();
            const bool settingsRefused = faults.settingsRefused(), highscoreRefused = faults.highscoreRefused();
            faults.afterFrame(now, backend);
            if (faults.settingsRefused() != settingsRefused || faults.highscoreRefused() != highscoreRefused) {
                rules.refuseWrites(faults.settingsRefused(), faults.highscoreRefused());
                player.preferWriting(faults.settingsRefused() || faults.highscoreRefused());
            }
            player.afterFrame(form, backend);
            // Memory is read in play, never between games: a game that has
            // ended holds nothing.
            if (outcome.rssStartKb == 0 && now >= warmUpMs) outcome.rssStartKb = ResidentKilobytes();
            if (now >= limitMs || (outcome.rssStartKb != 0 && outcome.frames % kMemoryEveryFrames == 0))
                outcome.rssEndKb = ResidentKilobytes();
            if (now >= limitMs) session.application().terminate();
        });
        session.run();
        // The game has written its settings on the way out.
        if (!broken)
            if (auto violation = rules.checkFiles()) broken = Broken{*violation, outcome.frames, outcome.games, doneMs + backend.now()};
        doneMs += backend.now();
    }
    faults.endAll(nullptr);
    outcome.minutes = std::min(doneMs, limitMs) / 60'000.0;
    outcome.shifts = rules.shiftsRated();
    outcome.faults = faults.injected();
    outcome.settingsWrites = rules.settingsWrites();
    outcome.highscoreWrites = rules.highscoreWrites();
    if (broken) {
        outcome.exitCode = 1;
        char where[120], again[80];
        std::snprintf(where, sizeof where, "at frame %" PRIu64 " (game %" PRIu64 ", %.2f s of game time)",
                      broken->frame, broken->game, broken->gameMs / 1000.0);
        std::snprintf(again, sizeof again, "brindlecog --soak %g --seed %" PRIu64, options.minutes, options.seed);
        outcome.failure = "rule \"" + broken->violation.rule + "\" broken " + where + ": " +
                          broken->violation.detail + "; seed " + std::to_string(options.seed) + " repeats it (" +
                          again + ")";
    }
    return outcome;
}

#include "runs/soak.h"

#include <algorithm>
#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <optional>
#include <random>

#include "app/game_session.h"
#include "app/main_form.h"
#include "platform/system/process_memory.h"
#include "platform/system/stop_signals.h"
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
    text += " heap_start_kb=" + std::to_string(heapStartKb) + " heap_end_kb=" + std::to_string(heapEndKb);
    if (!note.empty()) text += "; " + note;
    return text;
}

namespace {

// One soak: its folder, the rules, the faults and the player, carried from
// game to game.
class SoakRun {
public:
    SoakRun(const SoakOptions& options, const std::string& gameFolder)
        : options_(options),
          random_(options.seed),
          folder_(gameFolder),
          rules_(folder_.path()),
          faults_(random_, folder_.path()),
          player_(random_),
          limitMs_(static_cast<int64_t>(std::llround(options.minutes * 60'000))),
          warmUpMs_(std::min(kWarmUpMs, limitMs_ / 10))
    {
        PutSoakLevels(gameFolder, folder_, random_);
        folder_.write("Brindlecog.ini", std::string("[General]\nSoundOn=1\nMusicOn=1\nFullScreen=") +
                                            (random_() % 2 ? "1" : "0") + "\n");
        outcome_.note = faults_.note();
    }

    SoakOutcome run()
    {
        while (doneMs_ < limitMs_ && !broken_ && !platform::stopRequested()) playGame();
        faults_.endAll(nullptr);
        outcome_.minutes = static_cast<double>(std::min(doneMs_, limitMs_)) / 60'000.0;
        outcome_.shifts = rules_.shiftsRated();
        outcome_.faults = faults_.injected();
        outcome_.settingsWrites = rules_.settingsWrites();
        outcome_.highscoreWrites = rules_.highscoreWrites();
        if (broken_) {
            outcome_.exitCode = 1;
            outcome_.failure = failureLine();
        }
        return outcome_;
    }

private:
    // One game, from start-up to its end or to the end of the soak.
    void playGame()
    {
        ++outcome_.games;
        platform::HeadlessBackend backend;
        backend.headlessClock().setRandomSeed(random_());
        backend.headlessAudio().setDeviceAvailable(!faults_.soundGone());
        // The time is up even while the game stands minimised; a game is
        // never longer than the headless clock counts.
        backend.closeAfter(static_cast<uint32_t>(std::min<int64_t>(limitMs_ - doneMs_ + 100, kLongestGameMs)));
        QuietBackend quiet(backend);
        rules_.newSession();
        player_.newSession();
        GameSession session(quiet, folder_.folder());
        const auto stop = [&](SoakViolation violation) {
            breakRule(std::move(violation), doneMs_ + backend.now());
            session.application().terminate();
        };
        quiet.onError = [&](const std::string& text) { stop({"no error shown", text}); };
        lastFrameMs_ = 0;
        session.setOnFrame([&](TfrmMain& form) {
            if (auto violation = afterFrame(form, backend)) stop(std::move(*violation));
            else if (doneMs_ + backend.now() >= limitMs_) session.application().terminate();
        });
        session.run();
        // The game has written its settings on the way out.
        if (auto violation = rules_.checkFiles()) breakRule(std::move(*violation), doneMs_ + backend.now());
        doneMs_ += backend.now();
    }

    std::optional<SoakViolation> afterFrame(TfrmMain& form, platform::HeadlessBackend& backend)
    {
        ++outcome_.frames;
        ++outcome_.framesByState[form.FState % outcome_.framesByState.size()];
        const int64_t now = doneMs_ + backend.now();
        if (auto violation = rules_.afterFrame(form)) return violation;
        // A sound card takes what was mixed since the last frame.
        const uint32_t elapsed = std::min<uint32_t>(backend.now() - lastFrameMs_, 1000);
        if (!faults_.soundGone()) backend.headlessAudio().pull(static_cast<int>(elapsed * 441 / 10));
        lastFrameMs_ = backend.now();

        const bool settingsRefused = faults_.settingsRefused(), highscoreRefused = faults_.highscoreRefused();
        faults_.afterFrame(now, backend);
        if (faults_.settingsRefused() != settingsRefused || faults_.highscoreRefused() != highscoreRefused) {
            rules_.refuseWrites(faults_.settingsRefused(), faults_.highscoreRefused());
            player_.preferWriting(faults_.settingsRefused() || faults_.highscoreRefused());
        }
        player_.afterFrame(form, backend);

        // Memory is read in play, never between games: a game that has
        // ended holds nothing.
        if (outcome_.rssStartKb == 0 && now >= warmUpMs_) {
            outcome_.rssStartKb = platform::residentKilobytes();
            outcome_.heapStartKb = platform::heapInUseKilobytes();
        }
        if (now >= limitMs_ || (outcome_.rssStartKb != 0 && outcome_.frames % kMemoryEveryFrames == 0)) {
            outcome_.rssEndKb = platform::residentKilobytes();
            outcome_.heapEndKb = platform::heapInUseKilobytes();
        }
        return std::nullopt;
    }

    void breakRule(SoakViolation violation, int64_t gameMs)
    {
        if (!broken_) broken_ = Broken{std::move(violation), outcome_.frames, outcome_.games, gameMs};
    }

    std::string failureLine() const
    {
        char where[120], again[80];
        std::snprintf(where, sizeof where, "at frame %" PRIu64 " (game %" PRIu64 ", %.2f s of game time)",
                      broken_->frame, broken_->game, static_cast<double>(broken_->gameMs) / 1000.0);
        std::snprintf(again, sizeof again, "brindlecog --soak %g --seed %" PRIu64, options_.minutes, options_.seed);
        return "rule \"" + broken_->violation.rule + "\" broken " + where + ": " + broken_->violation.detail +
               "; seed " + std::to_string(options_.seed) + " repeats it (" + again + ")";
    }

    SoakOptions options_;
    std::mt19937_64 random_;
    ScratchGameFolder folder_;
    SoakRules rules_;
    SoakFaults faults_;
    SoakPlayer player_;
    const int64_t limitMs_;
    const int64_t warmUpMs_;
    int64_t doneMs_ = 0;  // game time of the games that have ended
    uint32_t lastFrameMs_ = 0;
    std::optional<Broken> broken_;
    SoakOutcome outcome_;
};

}  // namespace

SoakOutcome Soak(const SoakOptions& options, const std::string& gameFolder)
{
    platform::watchStopSignals();
    return SoakRun(options, gameFolder).run();
}

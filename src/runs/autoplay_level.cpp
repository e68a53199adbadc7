#include "runs/autoplay_level.h"

#include <filesystem>
#include <optional>
#include <stdexcept>

#include "app/game_session.h"
#include "platform/backends/headless/headless_backend.h"
#include "runs/game_recorder.h"
#include "runs/recording_file.h"
#include "runs/scratch_folder.h"

namespace {

// A shift never lasts this long; a player stuck on one ends the run.
constexpr uint32_t kLongestShiftMs = 30 * 60 * 1000;

}  // namespace

AutoplayResult PlayLevelAutomatically(const std::string& gameFolder, const std::string& levelFile,
                                      const AutoplayProfile& profile, uint64_t seed, const std::string& recordFile,
                                      std::string* recordedLine)
{
    const ScratchGameFolder folder(gameFolder);
    std::filesystem::copy_file(levelFile, folder.path() / "Levels" / "Level1.lev");

    platform::HeadlessBackend backend;
    backend.headlessClock().setRandomSeed(seed);
    backend.headlessVideo().setDrawing(false);
    backend.closeAfter(kLongestShiftMs);
    if (!recordFile.empty()) {
        recording::RecordingWriter writer(recordFile);
        std::optional<TAutoPlayer> player;
        const RecordedRun run = RecordGame(backend, writer, folder.folder(), [&](GameSession& session) {
            player.emplace(backend, session, profile, seed);
            player->Start();
        });
        if (!writer.error().empty()) throw std::runtime_error(writer.error());
        if (recordedLine) *recordedLine = run.line;
        return player->Result();
    }
    GameSession session(backend, folder.folder());
    TAutoPlayer player(backend, session, profile, seed);
    player.Start();
    session.run();
    return player.Result();
}

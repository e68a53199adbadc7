#include "runs/autoplay_level.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>

#include "app/game_session.h"
#include "app/user_folders.h"
#include "platform/headless/headless_backend.h"

namespace {

namespace fs = std::filesystem;

// A folder removed again when the level has been played.
class ScratchFolder {
public:
    ScratchFolder()
    {
        std::random_device random;
        FPath = fs::temp_directory_path() / ("brindlecog-autoplay-" + std::to_string(random()) + "-" +
                                             std::to_string(random()));
        fs::create_directories(FPath / "Levels");
    }
    ~ScratchFolder()
    {
        std::error_code error;
        fs::remove_all(FPath, error);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const fs::path& Path() const { return FPath; }

private:
    fs::path FPath;
};

// A shift never lasts this long; a player stuck on one ends the run.
constexpr uint32_t kLongestShiftMs = 30 * 60 * 1000;

}  // namespace

AutoplayResult PlayLevelAutomatically(const std::string& gameFolder, const std::string& levelFile,
                                      const AutoplayProfile& profile, uint64_t seed)
{
    ScratchFolder folder;
    fs::create_directory_symlink(fs::absolute(fs::path(gameFolder) / "SysData"), folder.Path() / "SysData");
    fs::copy_file(levelFile, folder.Path() / "Levels" / "Level1.lev");
    // A folder of its own: settings and scores stay in it, never the player's.
    std::ofstream(folder.Path() / kPortableMarker) << "Played by the automatic player.\n";

    platform::HeadlessBackend backend;
    backend.headlessClock().setRandomSeed(seed);
    backend.headlessVideo().setDrawing(false);
    backend.closeAfter(kLongestShiftMs);
    GameSession session(backend, folder.Path().string() + "/");
    TAutoPlayer player(backend, session, profile, seed);
    player.Start();
    session.run();
    return player.Result();
}

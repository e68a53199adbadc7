// A stop signal ends the game in order, as closing the window does: in
// play, and after start-up stopped with an error.
#include <gtest/gtest.h>

#include <signal.h>
#include <unistd.h>

#include <filesystem>

#include "e2e/support/floor_player.h"
#include "platform/backends/headless/headless_backend.h"
#include "platform/system/stop_signals.h"
#include "support/game_folder.h"
#include "support/level_files.h"

namespace fs = std::filesystem;

namespace {

class StopSignalEndToEnd : public ::testing::Test {
protected:
    StopSignalEndToEnd() { platform::watchStopSignals(); }
    ~StopSignalEndToEnd() override
    {
        platform::watchStopSignals();
        ::signal(SIGTERM, SIG_DFL);
        ::signal(SIGINT, SIG_DFL);
    }
};

}  // namespace

TEST_F(StopSignalEndToEnd, SigtermInPlayEndsTheGameAndWritesTheSettings)
{
    GameFolder dir;
    dir.write("Brindlecog.ini", "[General]\nFullScreen=0\nSoundOn=0\n");
    WriteLevel(dir.path(), 1, LevelPlan{.products = {"boat"}});
    platform::HeadlessBackend backend;
    GameSession session(backend, dir.folder());
    FloorPlayer player(backend, session);
    player.startGame();
    player.continueFromCard();
    uint32_t signalled = 0;
    player.then([&] {
        signalled = backend.now();
        ::kill(::getpid(), SIGTERM);
    });
    player.start(0);
    backend.closeAfter(60'000);  // safety net only
    EXPECT_EQ(session.run(), 0);
    ASSERT_GT(signalled, 0u) << "the game got into play";
    EXPECT_LT(backend.now(), signalled + 100) << "the signal ended the game at once";
    EXPECT_EQ(dir.read("Brindlecog.ini"), "[General]\nFullScreen=0\nSoundOn=1\nMusicOn=1\n");
}

TEST_F(StopSignalEndToEnd, SigintAfterAStartUpErrorEndsTheProgramInOrder)
{
    // A picture cut short stops start-up; the error is shown and the program
    // waits to be closed.
    GameFolder dir;
    fs::remove(dir.path() / "SysData");
    fs::copy(fs::path(BRINDLECOG_GAME_DIR) / "SysData", dir.path() / "SysData", fs::copy_options::recursive);
    const fs::path picture = dir.path() / "SysData" / "DatImg001.dat";
    fs::resize_file(picture, fs::file_size(picture) / 2);
    platform::HeadlessBackend backend;
    GameSession session(backend, dir.folder());
    backend.at(2000, [](auto&) { ::kill(::getpid(), SIGINT); });
    backend.closeAfter(60'000);  // safety net only
    EXPECT_EQ(session.run(), 1);
    ASSERT_EQ(backend.errors().size(), 1u);
    EXPECT_LT(backend.now(), 2100u);
    EXPECT_NE(dir.read("Brindlecog.ini").find("FullScreen=1"), std::string::npos) << "settings written at the end";
}

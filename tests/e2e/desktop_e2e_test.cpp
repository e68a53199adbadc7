// The game as a desktop program: Alt+Enter, screenshots, pads, the pause on
// losing the focus, the picture in a resized window, and where an installed
// game keeps the player's files.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include "app/game_session.h"
#include "app/main_form.h"
#include "app/screenshot.h"
#include "e2e/support/player_script.h"
#include "gui/fx_choice.h"
#include "platform/backends/keycodes.h"
#include "platform/backends/pad_layout.h"
#include "support/game_folder.h"
#include "support/png_reader.h"
#include "support/scoped_env.h"

namespace fs = std::filesystem;
namespace dik = platform::dik;

namespace {

class DesktopEndToEnd : public ::testing::Test {
protected:
    void windowed(const std::string& more = "") { dir.write("Brindlecog.ini", "[General]\nFullScreen=0\n" + more); }
    TfrmMain& form() { return *session.form(); }
    platform::HeadlessVideo& video() { return backend.headlessVideo(); }
    void altEnter()
    {
        script.hold(dik::LMenu);
        script.press(dik::Return);
        script.release(dik::LMenu);
    }
    int run(uint32_t limit)
    {
        backend.closeAfter(limit);
        return session.run();
    }
    std::vector<fs::path> files(const fs::path& folder)
    {
        std::vector<fs::path> found;
        std::error_code ec;
        for (const auto& entry : fs::directory_iterator(folder, ec)) found.push_back(entry.path());
        return found;
    }

    GameFolder dir;
    platform::HeadlessBackend backend;
    GameSession session{backend, dir.folder()};
    PlayerScript script{backend};
};

}  // namespace

TEST_F(DesktopEndToEnd, AltEnterSwitchesLikeTheOptionsChoiceAndTheWindowComesBackWhole)
{
    windowed();
    std::vector<uint32_t> before, after;
    bool fullScreen = false, borderless = false, windowedAgain = false, screenRectFollows = false;
    script.wait(300);
    script.then([&] { before = video().frame(); });
    altEnter();
    script.wait(200);
    script.then([&] {
        fullScreen = form().FFullScreen && video().fullScreen();
        borderless = backend.headlessWindow().borderStyle() == platform::BorderStyle::None;
    });
    altEnter();
    script.wait(200);
    script.then([&] {
        after = video().frame();
        windowedAgain = !video().fullScreen() && !form().FFullScreen;
        screenRectFollows = form().DDrawScreen1.ScreenRect() == backend.window().clientRect();
    });
    EXPECT_EQ(run(script.now() + 10), 0);
    EXPECT_TRUE(fullScreen);
    EXPECT_TRUE(borderless);
    EXPECT_TRUE(windowedAgain);
    EXPECT_TRUE(screenRectFollows) << "the window was centred, and frames go where it now is";
    ASSERT_EQ(after.size(), 800u * 600u);
    EXPECT_EQ(after, before) << "the title picture fills the window as before, not shifted";
    EXPECT_NE(dir.read("Brindlecog.ini").find("FullScreen=0"), std::string::npos);
    EXPECT_TRUE(backend.errors().empty());
}

TEST_F(DesktopEndToEnd, AltEnterHeldSwitchesOnceAndOptionsShowsTheModeInForce)
{
    windowed();
    std::string shown;
    bool fullScreen = false;
    script.wait(300);
    script.click();  // past the title
    script.wait(100);
    script.cursorAt(30, 30);
    script.clickAt(400, 245);  // Options
    script.hold(dik::RMenu);
    script.hold(dik::Return);
    script.hold(dik::Return);  // auto-repeat
    script.hold(dik::Return);
    script.release(dik::Return);
    script.release(dik::RMenu);
    script.press(dik::Return);  // Return alone changes nothing
    script.wait(100);
    script.then([&] {
        shown = static_cast<TFXChoice*>(form().FGUI->FindScreen("Options")->FindControl("choiceScreenMode"))->Text();
        fullScreen = video().fullScreen();
    });
    EXPECT_EQ(run(script.now() + 10), 0);
    EXPECT_EQ(shown, "FullScreen");
    EXPECT_TRUE(fullScreen);
    EXPECT_NE(dir.read("Brindlecog.ini").find("FullScreen=1"), std::string::npos) << "written at shutdown";
}

TEST_F(DesktopEndToEnd, F12SavesWhatTheScreenShowsWithoutADialog)
{
    windowed();
    std::vector<uint32_t> shown;
    TGameState stateAfter = gsNone;
    script.wait(500);
    script.then([&] { shown = video().frame(); });
    script.press(dik::F12);
    script.press(dik::F12);
    script.wait(50);
    script.then([&] { stateAfter = form().FState; });
    EXPECT_EQ(run(script.now() + 10), 0);
    EXPECT_TRUE(backend.errors().empty());
    EXPECT_EQ(stateAfter, gsIntro) << "the game goes on";

    const auto pictures = files(dir.path() / "Screenshots");
    ASSERT_EQ(pictures.size(), 2u) << "two presses in one second: two files, neither replaced";
    const std::regex name(R"(brindlecog-\d{8}-\d{6}(-2)?\.png)");
    for (const fs::path& p : pictures) EXPECT_TRUE(std::regex_match(p.filename().string(), name)) << p;
    const PngPicture png = readPng(pictures.front().string());
    ASSERT_EQ(png.error, "");
    ASSERT_EQ(png.width, 800);
    ASSERT_EQ(png.height, 600);
    int differing = 0;
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x) differing += png.pixel(x, y) != shown[static_cast<std::size_t>(y) * 800 + x];
    EXPECT_EQ(differing, 0);
}

TEST_F(DesktopEndToEnd, AScreenshotThatCannotBeWrittenLeavesTheGameRunning)
{
    windowed();
    dir.write("Screenshots", "a file where the folder should be");
    uint64_t framesBefore = 0, framesAfter = 0;
    script.wait(300);
    script.then([&] { framesBefore = form().FrameCount(); });
    script.press(dik::F12);
    script.wait(300);
    script.then([&] { framesAfter = form().FrameCount(); });
    EXPECT_EQ(run(script.now() + 10), 0);
    EXPECT_TRUE(backend.errors().empty());
    EXPECT_GT(framesAfter, framesBefore + 20);
}

TEST(ScreenshotNames, DateAndTimeWithACountForTheSameSecond)
{
    std::tm when{};
    when.tm_year = 2024 - 1900;
    when.tm_mon = 0;
    when.tm_mday = 7;
    when.tm_hour = 9;
    when.tm_min = 5;
    when.tm_sec = 3;
    EXPECT_EQ(ScreenshotFileName(when), "brindlecog-20240107-090503.png");
    EXPECT_EQ(ScreenshotFileName(when, 3), "brindlecog-20240107-090503-3.png");
}

// Play itself cannot be reached by input yet: the state is set by the test.
TEST_F(DesktopEndToEnd, LosingTheFocusWhilePlayingInAWindowPausesUntilF2)
{
    windowed();
    bool pausedAway = false, stillPausedBack = false, resumed = true, menuPaused = true;
    script.wait(200);
    script.then([&] { form().SetGameState(gsPlaying); });
    script.then([&] { backend.loseFocus(); });
    script.wait(100);
    script.then([&] {
        pausedAway = form().FPaused;
        backend.gainFocus();
    });
    script.wait(100);
    script.then([&] { stillPausedBack = form().FPaused; });
    script.press(dik::F2);
    script.then([&] { resumed = !form().FPaused; });
    // Outside play nothing is paused.
    script.then([&] { form().SetGameState(gsMenu); });
    script.then([&] { backend.loseFocus(); });
    script.wait(50);
    script.then([&] {
        menuPaused = form().FPaused;
        backend.gainFocus();
    });
    EXPECT_EQ(run(script.now() + 10), 0);
    EXPECT_TRUE(pausedAway);
    EXPECT_TRUE(stillPausedBack) << "coming back does not resume by itself";
    EXPECT_TRUE(resumed);
    EXPECT_FALSE(menuPaused);
}

TEST_F(DesktopEndToEnd, LosingTheFullScreenDisplayDuringPlayDoesNotPause)
{
    dir.write("Brindlecog.ini", "[General]\nFullScreen=1\n");
    bool paused = true;
    script.wait(200);
    script.then([&] { form().SetGameState(gsPlaying); });
    script.then([&] { backend.minimize(); });
    script.wait(100);
    script.then([&] {
        paused = form().FPaused;
        backend.restore();
    });
    EXPECT_EQ(run(script.now() + 10), 0);
    EXPECT_FALSE(paused) << "everything stops with the display anyway";
}

TEST_F(DesktopEndToEnd, APadPluggedInClicksWithAPausesWithStartAndLeavesWithBack)
{
    windowed();
    platform::RawJoystick pad;
    pad.instanceId = 7;
    pad.name = pad.product = "Virtual Pad";
    pad.gameController = true;
    pad.numAxes = platform::pad::kAxisCount;
    pad.numButtons = platform::pad::ButtonCount;
    TGameState afterA = gsNone;
    bool pausedByStart = false, resumedByStart = true;
    const auto button = [&](int b) {
        script.then([&, b] { backend.joystickButton(7, b, true); });
        script.wait(40);
        script.then([&, b] { backend.joystickButton(7, b, false); });
        script.wait(40);
    };
    script.wait(200);
    script.then([&] { backend.addJoystick(pad); });
    script.wait(50);
    button(platform::pad::A);  // a click on the title
    script.then([&] { afterA = form().FState; });
    button(platform::pad::Start);
    script.then([&] { pausedByStart = form().FPaused; });
    button(platform::pad::Start);
    script.then([&] { resumedByStart = !form().FPaused; });
    button(platform::pad::Back);  // Escape in the menu closes the game
    const uint32_t backPressed = script.now();
    EXPECT_EQ(run(backPressed + 5000), 0);
    EXPECT_LT(backend.now(), backPressed + 1000) << "the game ended by Back, not by the test's time limit";
    EXPECT_EQ(afterA, gsMenu);
    EXPECT_TRUE(pausedByStart);
    EXPECT_TRUE(resumedByStart);
}

TEST_F(DesktopEndToEnd, AResizedWindowShowsThePictureByWholeFactorsWhileTheGameKeepsItsSize)
{
    windowed();
    platform::Rect at2x, at1x, shrunk, client, screenRect;
    int factor2 = 0, frameWidth = 0;
    script.wait(200);
    script.then([&] { backend.resizeWindow(1700, 1300); });
    script.wait(50);
    script.then([&] {
        at2x = video().lastFit().area;
        factor2 = video().lastFit().wholeFactor;
        client = backend.window().clientRect();
        screenRect = form().DDrawScreen1.ScreenRect();
        frameWidth = video().frameWidth();
        backend.resizeWindow(1000, 700);
    });
    script.wait(50);
    script.then([&] {
        at1x = video().lastFit().area;
        backend.resizeWindow(640, 400);
    });
    script.wait(50);
    script.then([&] { shrunk = video().lastFit().area; });
    EXPECT_EQ(run(script.now() + 10), 0);
    EXPECT_EQ(at2x, (platform::Rect{50, 50, 1650, 1250}));
    EXPECT_EQ(factor2, 2);
    EXPECT_EQ(client.width(), 800);
    EXPECT_EQ(client.height(), 600);
    EXPECT_EQ(screenRect, client);
    EXPECT_EQ(frameWidth, 800);
    EXPECT_EQ(at1x, (platform::Rect{100, 50, 900, 650}));
    EXPECT_EQ(shrunk, (platform::Rect{53, 0, 586, 400})) << "no whole factor fits: shrunk keeping its shape";
}

TEST_F(DesktopEndToEnd, FullScreenScalesByWholeFactorsUnlessSmoothIsChosen)
{
    dir.write("Brindlecog.ini", "[General]\nFullScreen=1\n");
    platform::PictureFit integer;
    backend.at(300, [&](platform::HeadlessBackend& b) { integer = b.headlessVideo().lastFit(); });
    EXPECT_EQ(run(400), 0);
    EXPECT_EQ(integer.area, (platform::Rect{560, 240, 1360, 840}));

    GameFolder smoothDir;
    smoothDir.write("Brindlecog.ini", "[General]\nFullScreen=1\n[Display]\nScaling=smooth\n");
    platform::HeadlessBackend smoothBackend;
    GameSession smooth(smoothBackend, smoothDir.folder());
    platform::PictureFit filled;
    smoothBackend.at(300, [&](platform::HeadlessBackend& b) { filled = b.headlessVideo().lastFit(); });
    smoothBackend.closeAfter(400);
    EXPECT_EQ(smooth.run(), 0);
    EXPECT_EQ(filled.area, (platform::Rect{240, 0, 1680, 1080}));
    EXPECT_NE(smoothDir.read("Brindlecog.ini").find("Scaling=smooth"), std::string::npos) << "kept as written";
}

TEST(InstalledGame, KeepsSettingsScoresAndScreenshotsInThePlayersFolders)
{
    // The game folder as the install lays it down: no marker, and read-only
    // (which root, running the tests, would ignore: nothing may be written
    // there anyway).
    TempDir game, home, config;
    ShareFolder(fs::path(BRINDLECOG_GAME_DIR) / "SysData", game.path() / "SysData");
    fs::create_directories(game.path() / "Levels");
    fs::create_directories(config.path() / "brindlecog");
    config.write("brindlecog/Brindlecog.ini", "[General]\nFullScreen=0\n");
    fs::permissions(game.path(), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    ScopedEnv env;
    env.set("HOME", home.path().string().c_str());
    env.set("XDG_CONFIG_HOME", config.path().string().c_str());

    platform::HeadlessBackend backend;
    GameSession session(backend, game.folder());
    bool fullScreen = true;
    backend.at(300, [&](platform::HeadlessBackend& b) {
        fullScreen = b.headlessVideo().fullScreen();
        session.form()->SaveHighScore();
        b.keyDown(dik::F12);
        b.keyUp(dik::F12);
    });
    backend.closeAfter(500);
    EXPECT_EQ(session.run(), 0);

    EXPECT_FALSE(fullScreen) << "the settings were read from the configuration folder";
    EXPECT_NE(config.read("brindlecog/Brindlecog.ini").find("SoundOn=1"), std::string::npos) << "and written there";
    EXPECT_EQ(fs::file_size(config.path() / "brindlecog" / "highscores-brindlecog.hs"), 100u);
    std::vector<fs::path> game_files;
    for (const auto& entry : fs::directory_iterator(game.path())) game_files.push_back(entry.path().filename());
    EXPECT_EQ(game_files.size(), 2u) << "only SysData and Levels: nothing written beside the program";
    int pictures = 0;
    for (const auto& entry : fs::directory_iterator(home.path() / "Pictures" / "Brindlecog"))
        pictures += entry.path().extension() == ".png";
    EXPECT_EQ(pictures, 1);
    EXPECT_TRUE(backend.errors().empty());
}

TEST(InstalledGame, TheBuildsGameFolderKeepsItsFilesEvenWithAConfigurationFolder)
{
    GameFolder game;
    TempDir config;
    ScopedEnv env;
    env.set("XDG_CONFIG_HOME", config.path().string().c_str());
    platform::HeadlessBackend backend;
    GameSession session(backend, game.folder());
    backend.closeAfter(200);
    EXPECT_EQ(session.run(), 0);
    EXPECT_TRUE(fs::exists(game.path() / "Brindlecog.ini"));
    EXPECT_FALSE(fs::exists(config.path() / "brindlecog"));
}

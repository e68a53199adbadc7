#include "app/main_form.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/backends/headless/headless_backend.h"
#include "platform/backends/keycodes.h"
#include "platform/errors.h"
#include "platform/win32/application.h"
#include "support/game_folder.h"

namespace {

class MainFormTest : public ::testing::Test {
protected:
    void create()
    {
        app.setGameFolder(dir.folder());
        form = std::make_unique<TfrmMain>(app);
        form->FormCreate();
    }
    void runFor(uint32_t ms)
    {
        const uint32_t end = backend.now() + ms;
        while (backend.now() < end && !app.terminated()) app.processMessages();
    }
    void press(uint8_t key)
    {
        backend.keyDown(key);
        backend.keyUp(key);
        runFor(1);
    }

    GameFolder dir;
    platform::HeadlessBackend backend;
    platform::Application app{backend};
    std::unique_ptr<TfrmMain> form;
};

}  // namespace

TEST_F(MainFormTest, StartsInIntroWithTheFormAsDesigned)
{
    create();
    EXPECT_EQ(frmMain, form.get());
    EXPECT_EQ(form->FState, gsIntro);
    EXPECT_EQ(form->caption(), "Brindlecog");
    EXPECT_EQ(form->color(), 0xFF0000u);
    EXPECT_EQ(form->FAppPath, dir.folder());
    EXPECT_TRUE(form->DTimer1.Enabled());
    EXPECT_EQ(form->DTimer1.Interval(), 10u);
    EXPECT_FALSE(backend.headlessWindow().cursorVisible());
}

TEST_F(MainFormTest, MissingSettingsGiveDefaultsAndShutdownWritesThem)
{
    create();
    EXPECT_TRUE(form->FSoundOn);
    EXPECT_TRUE(form->FMusicOn);
    EXPECT_TRUE(form->FFullScreen);
    EXPECT_FALSE(form->FDrawFPS);
    form.reset();
    EXPECT_EQ(frmMain, nullptr);
    EXPECT_EQ(dir.read("Brindlecog.ini"), "[General]\nSoundOn=1\nMusicOn=1\nFullScreen=1\n");
}

TEST_F(MainFormTest, SoundAndMusicStartOnWhateverTheFileSays)
{
    dir.write("Brindlecog.ini", "[General]\r\nSoundOn=0\r\nMusicOn=0\r\nFullScreen=0\r\nDrawFPS=1\r\n");
    create();
    EXPECT_TRUE(form->FSoundOn);
    EXPECT_TRUE(form->FMusicOn);
    EXPECT_FALSE(form->FFullScreen);
    EXPECT_TRUE(form->FDrawFPS);
    form.reset();
    // DrawFPS is never written, so the player's hand edit survives.
    EXPECT_EQ(dir.read("Brindlecog.ini"),
              "[General]\r\nSoundOn=1\r\nMusicOn=1\r\nFullScreen=0\r\nDrawFPS=1\r\n");
}

TEST_F(MainFormTest, UnreadableSettingsStopStartUpWithTheirMessage)
{
    std::filesystem::create_directory(dir.file("Brindlecog.ini"));
    app.setGameFolder(dir.folder());
    form = std::make_unique<TfrmMain>(app);
    try {
        form->FormCreate();
        FAIL() << "start-up went on";
    } catch (const platform::Exception& error) {
        EXPECT_EQ(std::string(error.what()).rfind("Error occured during reading INI-file.  (", 0), 0u) << error.what();
        EXPECT_EQ(std::string(error.what()).back(), ')');
    }
    EXPECT_EQ(form->FState, gsNone);
    EXPECT_FALSE(form->DTimer1.Enabled());
}

TEST_F(MainFormTest, IntroGoesToMenuAfter4000MsOfTicksOnly)
{
    create();
    runFor(2000);
    EXPECT_EQ(form->FState, gsIntro);
    // Time while the application is inactive does not count.
    backend.loseFocus();
    runFor(10000);
    EXPECT_EQ(form->FState, gsIntro);
    backend.gainFocus();
    runFor(1900);
    EXPECT_EQ(form->FState, gsIntro);
    runFor(200);
    EXPECT_EQ(form->FState, gsMenu);
}

TEST_F(MainFormTest, EscapeLeadsToMenuAndClosesFromThere)
{
    create();
    press(platform::dik::Escape);
    EXPECT_EQ(form->FState, gsMenu);
    EXPECT_FALSE(app.terminated());
    press(platform::dik::Escape);
    EXPECT_TRUE(app.terminated());
    EXPECT_TRUE(backend.headlessWindow().minimized());
}

TEST_F(MainFormTest, FunctionKeys)
{
    create();
    press(platform::dik::F1);
    EXPECT_FALSE(form->FHelpShown) << "help only toggles in play";
    press(platform::dik::F2);
    EXPECT_TRUE(form->FPaused) << "pause toggles in every state";
    form->SetGameState(gsPlaying);
    press(platform::dik::F1);
    EXPECT_TRUE(form->FHelpShown);
    // Escape in play first hides the help, then leaves for the menu.
    press(platform::dik::Escape);
    EXPECT_FALSE(form->FHelpShown);
    EXPECT_EQ(form->FState, gsPlaying);
    press(platform::dik::Escape);
    EXPECT_EQ(form->FState, gsMenu);
    EXPECT_TRUE(form->FPaused) << "nothing but F2 clears the pause";
}

TEST_F(MainFormTest, EnteringTheMenuStartsANewGame)
{
    create();
    form->FTotalScore = 1234;
    form->FHighScoreSaved = true;
    form->SetGameState(gsMenu);
    EXPECT_EQ(form->FTotalScore, 0);
    EXPECT_FALSE(form->FHighScoreSaved);
    // Asking for the state it is in changes nothing.
    form->FTotalScore = 5;
    form->SetGameState(gsMenu);
    EXPECT_EQ(form->FTotalScore, 5);
}

TEST_F(MainFormTest, PlayWithoutLevelFilesEndsInAllLevelsDone)
{
    create();
    form->SetGameState(gsMenu);
    form->SetGameState(gsLevelIntro);
    EXPECT_EQ(form->FState, gsAllLevelsDone);
    EXPECT_EQ(form->FLevel->FLevelNumber, 1);
}

TEST_F(MainFormTest, HintMessageArrivingWhileAnotherShowsIsDropped)
{
    create();
    form->ShowHintMessage("Wrong part!", "");
    form->ShowHintMessage("Wrong tool for this product!", "x");
    EXPECT_EQ(form->FHintMessage1, "Wrong part!");
    EXPECT_EQ(form->FHintMessageTime, 2000);
}

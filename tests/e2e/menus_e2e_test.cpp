// A player in the menus: title, main menu, help, options, quitting, and the
// game-over screen with its name box and highscore record.
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "app/game_session.h"
#include "app/main_form.h"
#include "e2e/support/player_script.h"
#include "gui/fx_choice.h"
#include "support/game_folder.h"

namespace {

// Centres of the menu controls.
constexpr int kColumn = 400;
constexpr int kRow1 = 145, kRow2 = 195, kRow3 = 245, kRow4 = 295;

class MenusEndToEnd : public ::testing::Test {
protected:
    MenusEndToEnd() { dir.write("Brindlecog.ini", "[General]\nFullScreen=0\n"); }

    TfrmMain& form() { return *session.form(); }
    std::string screen() { return form().FGUI->ActiveScreen ? form().FGUI->ActiveScreen->Name : ""; }
    std::string choice(const char* name)
    {
        return static_cast<TFXChoice*>(form().FGUI->FindScreen("Options")->FindControl(name))->Text();
    }
    // Past the title by a click; the menu's cursor starts at (30, 30).
    void toMainMenu()
    {
        script.wait(300);
        script.click();
        script.wait(100);
        script.cursorAt(30, 30);
    }
    int run(uint32_t limit = 30'000)
    {
        backend.closeAfter(limit);
        return session.run();
    }

    GameFolder dir;
    platform::HeadlessBackend backend;
    GameSession session{backend, dir.folder()};
    PlayerScript script{backend};
};

}  // namespace

TEST_F(MenusEndToEnd, ClickOnTitleGoesStraightToMenu)
{
    TGameState before = gsNone, after = gsNone;
    script.wait(200);
    script.then([&] { before = form().FState; });
    script.click();
    script.wait(50);
    script.then([&] { after = form().FState; });
    run(1000);
    EXPECT_EQ(before, gsIntro);
    EXPECT_EQ(after, gsMenu);
}

TEST_F(MenusEndToEnd, HelpAndBackWithoutWritingSettings)
{
    toMainMenu();
    std::string onHelp, back;
    bool iniTouched = true;
    script.clickAt(kColumn, kRow2);
    script.then([&] { onHelp = screen(); });
    script.clickAt(kColumn, 555);
    script.then([&] {
        back = screen();
        iniTouched = dir.read("Brindlecog.ini") != "[General]\nFullScreen=0\n";
    });
    run(script.now() + 100);
    EXPECT_EQ(onHelp, "Help");
    EXPECT_EQ(back, "MainMenu");
    EXPECT_FALSE(iniTouched);
}

TEST_F(MenusEndToEnd, OptionsToggleAndAreWrittenOnlyWhenLeft)
{
    toMainMenu();
    std::string mode, sound, music, modeAfter, iniWhileOpen, iniAfter;
    bool fullScreen = false, videoFull = false;
    script.clickAt(kColumn, kRow3);
    script.then([&] { mode = choice("choiceScreenMode"); });
    script.clickAt(kColumn, kRow1);
    script.clickAt(kColumn, kRow2);
    script.clickAt(kColumn, kRow3);
    script.then([&] {
        sound = choice("choiceSound");
        music = choice("choiceMusic");
        modeAfter = choice("choiceScreenMode");
        fullScreen = form().FFullScreen;
        videoFull = backend.headlessVideo().fullScreen();
        iniWhileOpen = dir.read("Brindlecog.ini");
    });
    script.clickAt(kColumn, kRow4);
    script.then([&] { iniAfter = dir.read("Brindlecog.ini"); });
    run(script.now() + 100);
    EXPECT_EQ(mode, "Windowed");
    EXPECT_EQ(sound, "Sound Off");
    EXPECT_EQ(music, "Music Off");
    EXPECT_EQ(modeAfter, "FullScreen");
    EXPECT_TRUE(fullScreen);
    EXPECT_TRUE(videoFull);
    EXPECT_EQ(iniWhileOpen, "[General]\nFullScreen=0\n");
    EXPECT_EQ(iniAfter, "[General]\nFullScreen=1\nSoundOn=0\nMusicOn=0\n");
    EXPECT_TRUE(backend.errors().empty());
}

TEST_F(MenusEndToEnd, QuitGameEndsTheProgram)
{
    toMainMenu();
    script.clickAt(kColumn, kRow4);
    const uint32_t quitAt = script.now();
    EXPECT_EQ(run(), 0);
    EXPECT_LT(backend.now(), quitAt + 50);
    EXPECT_EQ(dir.read("Brindlecog.ini"), "[General]\nFullScreen=0\nSoundOn=1\nMusicOn=1\n");
}

TEST_F(MenusEndToEnd, EscapeOnOptionsClosesTheProgram)
{
    toMainMenu();
    script.clickAt(kColumn, kRow3);
    script.clickAt(kColumn, kRow1);  // sound off: not written from here, only at shutdown
    script.press(platform::dik::Escape);
    const uint32_t escapeAt = script.now();
    EXPECT_EQ(run(), 0);
    EXPECT_LT(backend.now(), escapeAt + 50);
    EXPECT_EQ(dir.read("Brindlecog.ini"), "[General]\nFullScreen=0\nSoundOn=0\nMusicOn=1\n");
}

TEST_F(MenusEndToEnd, GameOverNameEntryAndHighscoreRecord)
{
    toMainMenu();
    TGameState afterPlay = gsNone, afterContinue = gsNone;
    std::string typed, afterReturn;
    bool savedWhileTyping = true, saved = false;
    script.clickAt(kColumn, kRow1);  // Play Game: no level files, so straight to the closing card
    script.then([&] { afterPlay = form().FState; });
    script.click();  // continue
    script.then([&] { afterContinue = form().FState; });
    script.cursorAt(30, 30);
    script.clickAt(300, 180);  // into the name box
    using namespace platform::dik;
    script.hold(LShift);
    script.press(A);
    script.release(LShift);
    for (uint8_t key : {D, A, S, X, Back}) script.press(key);  // "s" is part of the name here
    script.then([&] {
        typed = form().PlayerNameBox().Text;
        savedWhileTyping = form().FHighScoreSaved;
    });
    script.press(Return);
    script.press(S);
    script.then([&] {
        afterReturn = form().PlayerNameBox().Text;
        saved = form().FHighScoreSaved;
    });
    run(script.now() + 100);
    EXPECT_EQ(afterPlay, gsAllLevelsDone);
    EXPECT_EQ(afterContinue, gsGameOver);
    EXPECT_EQ(typed, "Adas");
    EXPECT_FALSE(savedWhileTyping);
    EXPECT_EQ(afterReturn, "Adas");
    EXPECT_TRUE(saved);
    const std::string record = dir.read("HighScores/highscores-brindlecog.hs");
    ASSERT_EQ(record.size(), 100u);
    EXPECT_EQ(record[12], 4);
    EXPECT_EQ(record.substr(13, 4), "Adas");
    EXPECT_EQ(record.substr(43, 4), std::string(4, '\0')) << "total score 0";
    EXPECT_EQ(record.substr(47, 4), std::string("\1\0\0\0", 4)) << "level 1";
    EXPECT_EQ(record.substr(51, 4), std::string("1.0\0", 4));
    const int year = static_cast<uint8_t>(record[4]) | static_cast<uint8_t>(record[5]) << 8;
    EXPECT_GE(year, 2024);
}

TEST_F(MenusEndToEnd, UnwritableHighscoreFolderIsReportedNotFatal)
{
    dir.write("HighScores", "a file where the folder should be");
    toMainMenu();
    bool saved = true;
    std::string error;
    TGameState state = gsNone;
    script.clickAt(kColumn, kRow1);
    script.click();
    script.press(platform::dik::S);
    script.then([&] {
        saved = form().FHighScoreSaved;
        error = form().FHighScoreError;
        state = form().FState;
    });
    run(script.now() + 100);
    EXPECT_FALSE(saved);
    EXPECT_NE(error.find("HighScores"), std::string::npos) << error;
    EXPECT_EQ(state, gsGameOver);
    EXPECT_TRUE(backend.errors().empty()) << "no error dialog, the game goes on";
}

TEST_F(MenusEndToEnd, AFailedSaveIsNotShownAgainAtTheNextGameOver)
{
    dir.write("HighScores", "a file where the folder should be");
    toMainMenu();
    // The prompt's line as the player sees it.
    const auto promptLine = [&] {
        std::vector<uint32_t> line;
        for (int y = 298; y < 325; ++y)
            for (int x = 265; x < 600; ++x) line.push_back(backend.headlessVideo().pixel(x, y));
        return line;
    };
    std::vector<uint32_t> clean, failed, second;
    std::string errorAtSecond = "unset";
    script.clickAt(kColumn, kRow1);  // no level files: straight to the closing card
    script.click();
    script.then([&] { clean = promptLine(); });
    script.press(platform::dik::S);
    script.then([&] { failed = promptLine(); });
    script.cursorAt(30, 30);
    script.clickAt(kColumn, 375);  // Main Menu
    script.cursorAt(30, 30);
    script.clickAt(kColumn, kRow1);
    script.click();
    script.then([&] {
        second = promptLine();
        errorAtSecond = form().FHighScoreError;
    });
    run(script.now() + 100);
    ASSERT_FALSE(clean.empty());
    EXPECT_TRUE(failed != clean) << "the failed save is shown";
    EXPECT_TRUE(second == clean) << "the next game over opens with the plain prompt";
    EXPECT_EQ(errorAtSecond, "");
}

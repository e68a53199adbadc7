// The whole program on the headless backend: start-up, ticks, states, keys
// and an orderly end, with the files it leaves behind.
#include <gtest/gtest.h>

#include "app/game_session.h"
#include "app/main_form.h"
#include "platform/backends/headless/headless_backend.h"
#include "platform/backends/keycodes.h"
#include "support/game_folder.h"

namespace {

void tap(platform::HeadlessBackend& b, uint8_t key)
{
    b.keyDown(key);
    b.keyUp(key);
}

}  // namespace

TEST(ShellEndToEnd, TitleGivesWayToMenuAfterFourSeconds)
{
    GameFolder dir;
    platform::HeadlessBackend backend;
    GameSession session(backend, dir.folder());
    TGameState at3900 = gsNone, at4100 = gsNone;
    uint64_t frames = 0;
    backend.at(3900, [&](auto&) { at3900 = session.form()->FState; });
    backend.at(4100, [&](auto&) {
        at4100 = session.form()->FState;
        frames = session.form()->FrameCount();
    });
    backend.closeAfter(4200);
    EXPECT_EQ(session.run(), 0);
    EXPECT_EQ(at3900, gsIntro);
    EXPECT_EQ(at4100, gsMenu);
    // 100 frames a second.
    EXPECT_NEAR(static_cast<double>(frames), 410.0, 2.0);
}

TEST(ShellEndToEnd, EscapeTwiceShutsDownInOrderAndSavesSettings)
{
    GameFolder dir;
    dir.write("Brindlecog.ini", "[Player]\nName=Ada\n");
    platform::HeadlessBackend backend;
    GameSession session(backend, dir.folder());
    backend.at(500, [](auto& b) { tap(b, platform::dik::Escape); });
    backend.at(600, [](auto& b) { tap(b, platform::dik::Escape); });
    backend.closeAfter(60'000);  // safety net only
    EXPECT_EQ(session.run(), 0);
    EXPECT_LT(backend.now(), 1000u) << "the second Escape ended the program";
    EXPECT_TRUE(backend.headlessWindow().minimized());
    EXPECT_EQ(dir.read("Brindlecog.ini"), "[Player]\nName=Ada\n[General]\nSoundOn=1\nMusicOn=1\nFullScreen=1\n");
    EXPECT_TRUE(backend.errors().empty());
}

TEST(ShellEndToEnd, WindowCloseEndsTheProgram)
{
    GameFolder dir;
    platform::HeadlessBackend backend;
    GameSession session(backend, dir.folder());
    backend.closeAfter(250);
    EXPECT_EQ(session.run(), 0);
    EXPECT_EQ(backend.now(), 250u);
    EXPECT_FALSE(dir.read("Brindlecog.ini").empty());
}

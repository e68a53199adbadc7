// What the player hears: menu music, and the Options switches acting on it.
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/game_session.h"
#include "app/main_form.h"
#include "e2e/support/player_script.h"
#include "support/game_folder.h"

namespace {

bool playing(TfrmMain& form, const char* name) { return form.DSoundList1.Items().Find(name).IsPlaying(); }

int loudness(platform::HeadlessBackend& backend)
{
    int peak = 0;
    for (int16_t s : backend.headlessAudio().pull(2048)) peak = std::max(peak, std::abs(int(s)));
    return peak;
}

}  // namespace

TEST(SoundEndToEnd, MenuMusicAndItsSwitches)
{
    GameFolder dir;
    platform::HeadlessBackend backend;
    backend.headlessAudio().setDeviceAvailable(true);
    GameSession session(backend, dir.folder());
    PlayerScript script(backend);
    TfrmMain* form = nullptr;
    bool introSilent = false, menuMusic = false, afterOff = true, afterOn = false, soundOffMusicOn = true;
    int menuPeak = 0, offPeak = 1;
    script.wait(100);
    script.then([&] {
        form = session.form();
        introSilent = !playing(*form, "levelmusicloop2");
    });
    script.click();
    script.wait(100);
    script.then([&] {
        menuMusic = playing(*form, "levelmusicloop2");
        menuPeak = loudness(backend);
    });
    script.cursorAt(30, 30);
    script.clickAt(400, 245);  // Options
    script.clickAt(400, 195);  // Music Off
    script.then([&] {
        afterOff = playing(*form, "levelmusicloop2");
        offPeak = loudness(backend);
    });
    script.clickAt(400, 195);  // Music On
    script.then([&] { afterOn = playing(*form, "levelmusicloop2"); });
    script.clickAt(400, 145);  // Sound Off
    script.clickAt(400, 195);  // Music Off
    script.clickAt(400, 195);  // Music On again: wanted, but sound is off
    script.then([&] { soundOffMusicOn = playing(*form, "levelmusicloop2"); });
    backend.closeAfter(script.now() + 50);
    EXPECT_EQ(session.run(), 0);
    EXPECT_TRUE(introSilent);
    EXPECT_TRUE(menuMusic);
    EXPECT_GT(menuPeak, 1000) << "the music is heard";
    EXPECT_FALSE(afterOff);
    EXPECT_EQ(offPeak, 0);
    EXPECT_TRUE(afterOn);
    EXPECT_FALSE(soundOffMusicOn);
}

TEST(SoundEndToEnd, NoSoundDeviceIsSilentNotFatal)
{
    GameFolder dir;
    platform::HeadlessBackend backend;  // no device
    GameSession session(backend, dir.folder());
    bool available = false, playingMusic = true;
    backend.at(4100, [&](auto&) {
        available = session.form()->FSoundAvailable;
        playingMusic = playing(*session.form(), "levelmusicloop2");
    });
    backend.closeAfter(4200);
    EXPECT_EQ(session.run(), 0);
    EXPECT_TRUE(available);
    EXPECT_FALSE(playingMusic);
    EXPECT_TRUE(backend.errors().empty());
}

// What the player sees: frames presented by the real program on the
// headless backend.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "app/game_session.h"
#include "app/main_form.h"
#include "e2e/support/frame_ink.h"
#include "platform/backends/headless/headless_backend.h"
#include "support/game_folder.h"

TEST(DisplayEndToEnd, FrameRateTextShowsWhenAskedFor)
{
    GameFolder dir;
    dir.write("Brindlecog.ini", "[General]\nFullScreen=0\nDrawFPS=1\n");
    platform::HeadlessBackend backend;
    GameSession session(backend, dir.folder());
    int presented = 0, fps = 0, ink = 0, inkElsewhere = 0;
    backend.at(1500, [&](platform::HeadlessBackend& b) {
        presented = b.headlessVideo().presentedCount();
        fps = session.form()->DTimer1.FramesPerSecond();
        ink = InkIn(b.headlessVideo(), 0, 0, 80, 16);
        inkElsewhere = InkIn(b.headlessVideo(), 0, 20, 800, 600);
    });
    backend.closeAfter(1600);
    EXPECT_EQ(session.run(), 0);
    EXPECT_GT(presented, 100);
    EXPECT_EQ(backend.headlessVideo().frameWidth(), 800);
    EXPECT_EQ(backend.headlessVideo().frameHeight(), 600);
    EXPECT_EQ(fps, 100);
    EXPECT_GT(ink, 20) << "\"FPS: 100\" in white at the top left";
    EXPECT_EQ(backend.errors().size(), 0u);
    (void)inkElsewhere;
}

TEST(DisplayEndToEnd, LosingTheFullScreenDisplayPausesAndRestoresEverything)
{
    GameFolder dir;  // no settings file: full screen
    platform::HeadlessBackend backend;
    GameSession session(backend, dir.folder());
    int framesAtLoss = 0, framesWhileAway = 0, framesBack = 0;
    int32_t introLeft = 0, introBack = 0;
    uint32_t titlePixel = 0;
    bool fullScreen = false;
    backend.at(1000, [&](platform::HeadlessBackend& b) {
        b.minimize();
        framesAtLoss = b.headlessVideo().presentedCount();
        introLeft = session.form()->FIntroTime;
    });
    backend.at(9000, [&](platform::HeadlessBackend& b) {
        framesWhileAway = b.headlessVideo().presentedCount();
        introBack = session.form()->FIntroTime;
        b.restore();
    });
    backend.at(9500, [&](platform::HeadlessBackend& b) {
        framesBack = b.headlessVideo().presentedCount();
        titlePixel = b.headlessVideo().pixel(400, 300);
        fullScreen = b.headlessVideo().fullScreen();
    });
    backend.closeAfter(9600);
    EXPECT_EQ(session.run(), 0);
    EXPECT_TRUE(fullScreen);
    EXPECT_LE(framesWhileAway - framesAtLoss, 1) << "nothing is drawn while the display is away";
    EXPECT_EQ(introBack, introLeft) << "and no time passes for the game";
    EXPECT_GT(framesBack - framesWhileAway, 40);
    EXPECT_NE(titlePixel, 0u) << "the title picture is back after the surfaces were restored";
    EXPECT_TRUE(backend.errors().empty());
}

// Frame by frame from the title to the menu, windowed (copies onto the
// primary) and full screen (flips): no picture comes back once another was
// shown, and a frame that says it repeats the last one really does, since the
// presenters skip sending such a frame.
TEST(DisplayEndToEnd, TheTitleNeverReturnsOnceTheMenuShows)
{
    for (const char* fullScreen : {"0", "1"}) {
        SCOPED_TRACE(std::string("FullScreen=") + fullScreen);
        GameFolder dir;
        dir.write("Brindlecog.ini", std::string("[General]\nFullScreen=") + fullScreen + "\n");
        platform::HeadlessBackend backend;
        GameSession session(backend, dir.folder());
        std::vector<size_t> shown;  // one picture per run of equal frames
        size_t last = 0;
        int frames = 0, falseRepeats = 0;
        backend.headlessVideo().setOnPresent([&](const platform::HeadlessVideo& video) {
            const auto& rgb = video.frame();
            const size_t picture = std::hash<std::string_view>{}(
                std::string_view(reinterpret_cast<const char*>(rgb.data()), rgb.size() * sizeof(rgb[0])));
            if (frames++ > 0 && video.lastFrameUnchanged() && picture != last) ++falseRepeats;
            if (shown.empty() || picture != shown.back()) shown.push_back(picture);
            last = picture;
        });
        TGameState state = gsNone;
        backend.at(4600, [&](platform::HeadlessBackend&) { state = session.form()->FState; });
        backend.closeAfter(4700);
        EXPECT_EQ(session.run(), 0);
        EXPECT_EQ(state, gsMenu);
        EXPECT_GT(frames, 400);
        EXPECT_EQ(falseRepeats, 0);
        for (size_t i = 0; i < shown.size(); ++i)
            for (size_t j = i + 1; j < shown.size(); ++j) EXPECT_NE(shown[i], shown[j]) << "picture " << i << " again at " << j;
        EXPECT_GE(shown.size(), 2u);
        EXPECT_LE(shown.size(), 3u) << "at most the settling black, the title and the menu";
    }
}

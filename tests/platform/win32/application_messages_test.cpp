// Messages the application loop makes for the window: keys held with Alt
// come as system keys, and the window learns when the program itself moved it.
#include "platform/win32/application.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/backends/headless/headless_backend.h"
#include "platform/backends/keycodes.h"

namespace {

struct Recorder {
    platform::HeadlessBackend backend;
    platform::Application app{backend};
    std::vector<platform::Message> seen;
    Recorder()
    {
        app.hookMainWindow([this](platform::Message& m) {
            if (m.msg != platform::WM_ACTIVATEAPP) seen.push_back(m);
            return false;
        });
    }
};

}  // namespace

TEST(ApplicationMessages, KeysWithAltHeldAreSystemKeysMarkedAsSuch)
{
    namespace dik = platform::dik;
    Recorder r;
    r.backend.keyDown(dik::Return);
    r.backend.keyUp(dik::Return);
    r.app.processMessages();
    ASSERT_EQ(r.seen.size(), 2u);
    EXPECT_EQ(r.seen[0].msg, platform::WM_KEYDOWN);
    EXPECT_EQ(r.seen[0].lParam & platform::KF_ALTDOWN_BIT, 0);
    EXPECT_EQ(r.seen[1].msg, platform::WM_KEYUP);

    r.seen.clear();
    r.backend.keyDown(dik::RMenu);
    r.backend.keyDown(dik::Return);
    r.backend.keyDown(dik::Return);  // held: auto-repeat
    r.app.processMessages();
    ASSERT_EQ(r.seen.size(), 3u);
    EXPECT_EQ(r.seen[0].msg, platform::WM_SYSKEYDOWN);
    EXPECT_EQ(static_cast<int>(r.seen[0].wParam), platform::vk::Menu);
    EXPECT_EQ(r.seen[1].msg, platform::WM_SYSKEYDOWN);
    EXPECT_EQ(static_cast<int>(r.seen[1].wParam), platform::vk::Return);
    EXPECT_NE(r.seen[1].lParam & platform::KF_ALTDOWN_BIT, 0);
    EXPECT_EQ(r.seen[1].lParam & platform::KF_REPEAT_BIT, 0);
    EXPECT_NE(r.seen[2].lParam & platform::KF_REPEAT_BIT, 0);

    r.seen.clear();
    r.backend.keyUp(dik::Return);
    r.app.processMessages();
    r.backend.keyUp(dik::RMenu);
    r.app.processMessages();
    ASSERT_EQ(r.seen.size(), 2u);
    EXPECT_EQ(r.seen[0].msg, platform::WM_SYSKEYUP);
    EXPECT_EQ(r.seen[1].msg, platform::WM_KEYUP) << "Alt itself is up by then";
}

TEST(ApplicationMessages, AWindowMovedByTheProgramGetsItsMoveMessageOnce)
{
    Recorder r;
    r.app.processMessages();
    EXPECT_TRUE(r.seen.empty()) << "no move before anything moved";

    r.backend.window().centre();
    r.app.processMessages();
    r.app.processMessages();
    ASSERT_EQ(r.seen.size(), 1u);
    const platform::Rect client = r.backend.window().clientRect();
    EXPECT_EQ(r.seen[0].msg, platform::WM_MOVE);
    EXPECT_EQ(r.seen[0].lParam, (client.top & 0xFFFF) << 16 | (client.left & 0xFFFF));

    // A move the desktop reports is not reported a second time.
    r.seen.clear();
    r.backend.moveWindow(100, 50);
    r.app.processMessages();
    r.app.processMessages();
    EXPECT_EQ(r.seen.size(), 1u);
}

// Bringing the display up: both generations, both modes, the machine checks.
#include <gtest/gtest.h>

#include <vector>

#include "screen_fixture.h"

namespace {

struct Mode {
    bool fullScreen;
    int version;
};

class InitializeIn : public testing::TestWithParam<Mode> {};
INSTANTIATE_TEST_SUITE_P(All, InitializeIn,
                         testing::Values(Mode{false, 7}, Mode{false, 1}, Mode{true, 7}, Mode{true, 1}));

TEST_P(InitializeIn, OpensAnBlack800x600x16DisplayAndPresentsTheBackBuffer)
{
    const Mode m = GetParam();
    HeadlessDisplay d(m.fullScreen, m.version);
    int initialised = 0;
    d.screen.OnInitialize = [&] { ++initialised; };
    d.screen.Initialize();
    EXPECT_TRUE(d.screen.IsInitialized());
    EXPECT_EQ(initialised, 1);
    EXPECT_EQ(d.screen.DXVersion(), m.version);
    EXPECT_EQ(d.screen.PrimaryFormat(), spfRGB565);
    EXPECT_EQ(d.screen.BackBuffer()->Width, 800);
    EXPECT_EQ(d.screen.BackBuffer()->GetPixelFormat(), spfRGB565);
    EXPECT_TRUE(d.screen.GammaSupported());
    EXPECT_EQ(d.backend.headlessVideo().fullScreen(), m.fullScreen);
    EXPECT_EQ(d.backend.headlessVideo().frameWidth(), 800);
    EXPECT_EQ(d.backend.headlessVideo().pixel(400, 300), 0u);
    if (m.version == 7)
        EXPECT_NE(dynamic_cast<TDDrawSurface7*>(d.screen.BackBuffer()), nullptr);
    else
        EXPECT_NE(dynamic_cast<TDDrawSurface1*>(d.screen.BackBuffer()), nullptr);

    d.screen.BackBuffer()->FillRect(10, 10, 5, 5, 0x0000FF);  // version 1 draws nothing here
    d.screen.Flip();
    EXPECT_EQ(d.backend.headlessVideo().pixel(12, 12), m.version == 7 ? 0xFF0000u : 0u);
    d.screen.Clear();
    d.screen.Flip();
    EXPECT_EQ(d.backend.headlessVideo().pixel(12, 12), 0u);
}

TEST(InitializeSettle, PresentsOneBlackFrameEvenOverAnOldPicture)
{
    HeadlessDisplay d(true);
    d.screen.Initialize();
    d.screen.BackBuffer()->FillRect(0, 0, 800, 600, 0xFFFFFF);
    d.screen.Flip();
    std::vector<uint32_t> seen;
    d.backend.headlessVideo().setOnPresent([&](const platform::HeadlessVideo& v) { seen.push_back(v.pixel(799, 599)); });
    d.screen.Initialize();
    EXPECT_EQ(seen, std::vector<uint32_t>{0u});
}

TEST(InitializeWindowed, SizesTheClientAreaAndPlacesTheWindowInTheWorkArea)
{
    HeadlessDisplay d(false);
    auto& w = d.backend.headlessWindow();
    EXPECT_TRUE(w.stayOnTop());  // set at construction...
    EXPECT_EQ(w.borderStyle(), platform::BorderStyle::Single);
    d.backend.headlessVideo().setWorkArea({30, 20, 1024, 700});  // smaller than the window
    d.screen.Initialize();
    EXPECT_FALSE(w.stayOnTop());  // ...and dropped for a window
    EXPECT_EQ(w.clientRect().width(), 800);
    EXPECT_EQ(w.clientRect().height(), 600);
    EXPECT_EQ(w.bounds().left, 30);
    EXPECT_EQ(w.bounds().top, 20);
    EXPECT_EQ(d.screen.ScreenRect(), w.clientRect());
    // Moving the window moves where frames go.
    d.backend.moveWindow(100, 50);
    d.app.processMessages();
    EXPECT_EQ(d.screen.ScreenRect(), w.clientRect());
    d.screen.BackBuffer()->FillRect(0, 0, 1, 1, 0xFFFFFF);
    d.screen.Flip();
    EXPECT_EQ(d.backend.headlessVideo().pixel(0, 0), 0xFFFFFFu);
}

TEST(InitializeChecks, VersionOneIsRefusedOnlyWhenVersionSevenIsForced)
{
    HeadlessDisplay d(true, 1);
    d.screen.ForceDirectX7 = true;
    try {
        d.screen.Initialize();
        FAIL();
    } catch (const EDDrawScreenError& e) {
        EXPECT_STREQ(e.what(), "The DirectX version on your system is too old.\rDirectX7 or higher should be "
                               "installed. Please install \ra newer version first.");
    }
    EXPECT_FALSE(d.screen.IsInitialized());
    EXPECT_EQ(d.screen.DDraw(), nullptr);
    EXPECT_FALSE(d.backend.headlessVideo().fullScreen());
}

TEST(InitializeChecks, OnlyAReportedMonitorConflictStopsTheGame)
{
    for (bool fullScreen : {false, true}) {
        HeadlessDisplay d(fullScreen);
        d.backend.headlessVideo().setDisplayCount(2);
        EXPECT_NO_THROW(d.screen.Initialize());
        d.backend.headlessVideo().setDisplayConflict(true);
        try {
            d.screen.Initialize();
            FAIL();
        } catch (const EDDrawScreenError& e) {
            EXPECT_STREQ(e.what(), "Multimonitor system detected. Please disable all secondary monitors in \rthe "
                                   "Windows control panel (to prevent bad behaviour).");
        }
    }
}

TEST(InitializeChecks, AModeMissingFromTheListIsRefusedInBothModes)
{
    for (bool fullScreen : {false, true}) {
        HeadlessDisplay d(fullScreen);
        d.screen.SetDisplayMode(m1600x1200x32);
        EXPECT_THROW(
            {
                try {
                    d.screen.Initialize();
                } catch (const EDDrawScreenError& e) {
                    EXPECT_STREQ(e.what(), "Video card does not support video mode 1600x1200x32");
                    throw;
                }
            },
            EDDrawScreenError);
    }
}

TEST(InitializeChecks, AnEmptyModeListLetsEveryModeThroughToTheDriver)
{
    HeadlessDisplay windowed(false);
    windowed.backend.headlessVideo().setDisplayModes({});
    windowed.screen.SetDisplayMode(m1600x1200x32);
    EXPECT_NO_THROW(windowed.screen.Initialize());
    EXPECT_TRUE(windowed.screen.DisplayModes().empty());

    HeadlessDisplay full(true);
    full.backend.headlessVideo().setDisplayModes({});
    EXPECT_THROW(
        {
            try {
                full.screen.Initialize();
            } catch (const EDDrawScreenError& e) {
                EXPECT_STREQ(e.what(), "Error at setting displaymode");
                throw;
            }
        },
        EDDrawScreenError);
}

TEST(InitializeChecks, AMissingDirectDrawFailsWithTheDriversDescription)
{
    HeadlessDisplay d;
    d.screen.Driver().options().available = false;
    try {
        d.screen.Initialize();
        FAIL();
    } catch (const platform::Exception& e) {
        EXPECT_STREQ(e.className(), "Exception");
        EXPECT_STREQ(e.what(), "Error in: DDraw Create\rThere is no DirectDraw support possible with the current "
                               "display driver");
    }
}

TEST(InitializeChecks, NotEnoughVideoMemoryGivesTheWindowedMessage)
{
    HeadlessDisplay d(false);
    d.screen.Driver().options().videoMemoryBytes = 1000;
    EXPECT_THROW(
        {
            try {
                d.screen.Initialize();
            } catch (const EDDrawScreenError& e) {
                EXPECT_STREQ(e.what(),
                             "Video card couldn't create windowed display.\r(Probably not enough video-memory.)");
                throw;
            }
        },
        EDDrawScreenError);
}

TEST(DisplayMode, StoresSizeAndFallsBackTo640x480x16OutsideTheList)
{
    HeadlessDisplay d;
    d.screen.SetDisplayMode(m1024x768x32);
    EXPECT_EQ(d.screen.Width(), 1024);
    EXPECT_EQ(d.screen.BitCount(), 32);
    d.screen.SetDisplayMode(24);
    EXPECT_EQ(d.screen.DisplayMode(), m0640x480x16);
    EXPECT_EQ(d.screen.Width(), 640);
    EXPECT_EQ(d.screen.Height(), 480);
    EXPECT_EQ(d.screen.BitCount(), 16);
}

TEST(DisplayMode, EightBitModesGetAPaletteThatFramesAreShownThrough)
{
    HeadlessDisplay d(true);
    d.screen.SetDisplayMode(m0800x600x08);
    d.screen.Initialize();
    EXPECT_EQ(d.screen.PrimaryFormat(), spfOther);
    d.screen.BackBuffer()->FillRect(0, 0, 2, 2, 255);  // palette index: system white
    d.screen.Flip();
    EXPECT_EQ(d.backend.headlessVideo().pixel(1, 1), 0xFFFFFFu);
}

}  // namespace

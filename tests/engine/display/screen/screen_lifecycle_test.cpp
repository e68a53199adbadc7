// Losing and regaining the display, rebuilding, errors and tear-down.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/display/dd_check.h"
#include "platform/backends/keycodes.h"
#include "screen_fixture.h"

namespace {

namespace dd = platform::ddraw;

// An image list with one 4 x 4 picture, recording what the screen asks.
class RecordingImageList final : public TDDrawScreenImageList {
public:
    explicit RecordingImageList(bool valid = true) : valid_(valid), bitmap_(4, 4)
    {
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x) bitmap_.setPixel(x, y, 0x0000FF);
    }
    void ValidateItems() override
    {
        calls.push_back("validate");
        if (!valid_) throw platform::Exception("ImageCollectionItem logo has no Bitmap.");
    }
    void CreateSurfaces(TDDrawScreen& screen) override
    {
        calls.push_back("create");
        DDCheck(screen.CreateSurfaceFromBitmap(surface, &bitmap_), "CreateSurfacefromImage");
    }
    void RestoreSurfaces() override
    {
        calls.push_back("restore");
        if (surface) surface->CopyBitmap(&bitmap_, 0, 0, 0, 0);
    }
    void ReleaseSurfaces() override
    {
        calls.push_back("release");
        if (surface) surface->ReleaseSurface();
    }
    void FreeSurfaces() override
    {
        calls.push_back("free");
        surface.reset();
    }
    void ScreenDestroyed() override { calls.push_back("gone"); }

    std::vector<std::string> calls;
    std::unique_ptr<TDDrawSurface> surface;

private:
    bool valid_;
    platform::gdi::Bitmap bitmap_;
};

class RecordingSpriteEngine final : public TDDrawScreenSpriteEngine {
public:
    explicit RecordingSpriteEngine(TDDrawScreen& s) : screen(&s) { s.SpriteEngines().push_back(this); }
    void ClearDrawScreen() override
    {
        std::erase(screen->SpriteEngines(), this);
        screen = nullptr;
    }
    TDDrawScreen* screen;
};

class LostDisplay : public testing::TestWithParam<int> {};
INSTANTIATE_TEST_SUITE_P(Versions, LostDisplay, testing::Values(1, 7));

TEST_P(LostDisplay, FocusLossInFullScreenLosesSurfacesUntilReactivation)
{
    RecordingImageList images;  // outlives the screen it is bound to
    HeadlessDisplay d(true, GetParam());
    d.screen.ImageLists().push_back(&images);
    int deactivated = 0, reactivated = 0;
    d.screen.OnDeActivate = [&] { ++deactivated; };
    d.screen.OnReActivate = [&] {
        ++reactivated;
        // Images are back before the game hears of it.
        EXPECT_EQ(nativeAt(*images.surface, 1, 1), 0xF800u);
    };
    d.screen.Initialize();
    ASSERT_TRUE(images.surface);
    EXPECT_EQ(nativeAt(*images.surface, 1, 1), 0xF800u);

    d.backend.loseFocus();
    d.app.processMessages();
    EXPECT_EQ(deactivated, 1);
    EXPECT_EQ(d.screen.BackBuffer()->Surface()->IsLost(), dd::DDERR_SURFACELOST);
    EXPECT_EQ(images.surface->Surface()->IsLost(), dd::DDERR_SURFACELOST);
    const int shown = d.backend.headlessVideo().presentedCount();
    d.screen.Flip();  // the restore fails while the display is away; nothing shows
    EXPECT_EQ(d.backend.headlessVideo().presentedCount(), shown);

    d.backend.gainFocus();
    d.app.processMessages();
    EXPECT_EQ(reactivated, 1);
    EXPECT_EQ(d.screen.BackBuffer()->Surface()->IsLost(), 0);
    EXPECT_EQ(images.calls.back(), "restore");
    images.surface->SetColorKey(0);
    d.screen.BackBuffer()->Draw(0, 0, {0, 0, 4, 4}, images.surface.get(), true);
    d.screen.Flip();
    EXPECT_EQ(d.backend.headlessVideo().pixel(2, 2), 0xFF0000u);
}

TEST_P(LostDisplay, MinimisingAWindowLosesSurfacesAndFlipRestoresThem)
{
    HeadlessDisplay d(false, GetParam());
    d.screen.Initialize();
    d.backend.minimize();
    d.app.processMessages();
    EXPECT_EQ(d.screen.BackBuffer()->Surface()->IsLost(), dd::DDERR_SURFACELOST);
    d.backend.restore();
    d.app.processMessages();
    // Back: the reactivation restored the primary and back buffer.
    EXPECT_EQ(d.screen.Primary()->Surface()->IsLost(), 0);
    EXPECT_EQ(d.screen.BackBuffer()->Surface()->IsLost(), 0);

    // Lost again behind the screen's back: one flip restores and shows
    // nothing, the next presents.
    d.screen.BackBuffer()->Surface()->markLost();
    const int shown = d.backend.headlessVideo().presentedCount();
    d.screen.Flip();
    EXPECT_EQ(d.backend.headlessVideo().presentedCount(), shown);
    d.screen.Flip();
    EXPECT_EQ(d.backend.headlessVideo().presentedCount(), shown + 1);
}

TEST(FocusLoss, InAWindowKeepsSurfaces)
{
    HeadlessDisplay d(false);
    d.screen.Initialize();
    d.backend.loseFocus();
    d.app.processMessages();
    EXPECT_EQ(d.screen.BackBuffer()->Surface()->IsLost(), 0);
}

TEST(Flip, RepeatsWhileTheBlitterIsBusy)
{
    for (bool fullScreen : {false, true}) {
        HeadlessDisplay d(fullScreen);
        d.screen.Initialize();
        const int shown = d.backend.headlessVideo().presentedCount();
        d.screen.Driver().options().stillDrawingFlips = 3;
        d.screen.Flip();
        EXPECT_EQ(d.backend.headlessVideo().presentedCount(), shown + 1);
        EXPECT_EQ(d.screen.Driver().options().stillDrawingFlips, 0);
    }
}

TEST(Initialize, TwiceRebuildsEverythingAndGivesImagesNewSurfaces)
{
    RecordingImageList images;
    HeadlessDisplay d(false);
    d.screen.ImageLists().push_back(&images);
    d.screen.Initialize();
    TDDrawSurface* firstImage = images.surface.get();
    d.screen.Initialize();
    EXPECT_EQ(images.calls, (std::vector<std::string>{"validate", "create", "release", "validate", "create"}));
    EXPECT_NE(images.surface.get(), nullptr);
    EXPECT_NE(images.surface.get(), firstImage);
    EXPECT_EQ(nativeAt(*images.surface, 0, 0), 0xF800u);
    EXPECT_TRUE(d.screen.IsInitialized());
}

TEST(Initialize, ToggleToWindowedAfterLeavingExclusiveMode)
{
    HeadlessDisplay d(true);
    d.screen.Initialize();
    EXPECT_TRUE(d.backend.headlessVideo().fullScreen());
    d.screen.FullScreen = false;
    ASSERT_TRUE(d.screen.RestoreNormalMode());
    d.screen.Initialize();
    EXPECT_FALSE(d.backend.headlessVideo().fullScreen());
    EXPECT_FALSE(d.screen.FullScreen);
    d.screen.FullScreen = true;
    d.screen.Initialize();
    EXPECT_TRUE(d.backend.headlessVideo().fullScreen());
}

TEST(Initialize, AnImageWithoutBitmapStopsBeforeTheModeIsTouched)
{
    RecordingImageList broken(false);
    HeadlessDisplay d(true);
    d.screen.ImageLists().push_back(&broken);
    EXPECT_THROW(d.screen.Initialize(), platform::Exception);
    EXPECT_FALSE(d.backend.headlessVideo().fullScreen());
    EXPECT_FALSE(d.screen.IsInitialized());
}

TEST(AppException, StopsTheFrameLoopLeavesExclusiveModeAndShowsTheError)
{
    HeadlessDisplay d(true);
    d.screen.Initialize();
    int frames = 0;
    d.app.setOnIdle([&](bool& done) {
        ++frames;
        done = false;
        throw EDDrawScreenError("Image logo does not exist.");
    });
    d.app.processMessages();
    EXPECT_EQ(frames, 1);
    EXPECT_FALSE(d.app.hasOnIdle());
    EXPECT_FALSE(d.screen.IsInitialized());
    EXPECT_FALSE(d.backend.headlessVideo().fullScreen());
    EXPECT_FALSE(d.app.hasOnException());  // later errors take the default path
    ASSERT_EQ(d.backend.errors().size(), 1u);
    EXPECT_EQ(d.backend.errors()[0], "EDDrawScreenError: Image logo does not exist.");
}

TEST(AppException, KeepsTheHandlerWhenExclusiveModeCannotBeLeft)
{
    HeadlessDisplay d;
    d.app.handleException(std::runtime_error("plain"));  // never initialised: no DirectDraw
    EXPECT_TRUE(d.app.hasOnException());
    EXPECT_EQ(d.backend.errors().at(0), "Exception: plain");
}

TEST(ScreenWindowProc, HandsEveryMessageOnToTheFormsOwnProcedure)
{
    struct KeyForm : platform::Form {
        using Form::Form;
        std::vector<int> keys;
        void formKeyDown(int key) override { keys.push_back(key); }
    };
    platform::HeadlessBackend backend;
    platform::Application app(backend);
    KeyForm form(app);
    {
        TDDrawScreen screen(app, form);
        screen.FullScreen = false;
        screen.Initialize();
        backend.keyDown(platform::dik::Escape);
        app.processMessages();
        EXPECT_EQ(form.keys, std::vector<int>{platform::vk::Escape});
    }
    // Destroyed: the form's own procedure is back and the handler is gone.
    EXPECT_FALSE(app.hasOnException());
    platform::Message m{platform::WM_KEYDOWN, platform::vk::F1, 0, 0};
    form.perform(m);
    EXPECT_EQ(form.keys.back(), platform::vk::F1);
}

TEST(Destruction, FreesImageSurfacesAndUnbindsEveryComponent)
{
    RecordingImageList images;
    platform::HeadlessBackend backend;
    platform::Application app(backend);
    platform::Form form(app);
    int destroyed = 0;
    std::unique_ptr<RecordingSpriteEngine> engineA, engineB;
    {
        TDDrawScreen screen(app, form);
        screen.FullScreen = false;
        screen.ImageLists().push_back(&images);
        engineA = std::make_unique<RecordingSpriteEngine>(screen);
        engineB = std::make_unique<RecordingSpriteEngine>(screen);
        screen.OnDestroy = [&] { ++destroyed; };
        screen.Initialize();
    }
    EXPECT_EQ(destroyed, 1);
    EXPECT_EQ(images.surface, nullptr);
    EXPECT_EQ(images.calls.back(), "gone");
    EXPECT_EQ(engineA->screen, nullptr);
    EXPECT_EQ(engineB->screen, nullptr);
}

TEST(CreateSurfaceFromBitmap, NeedsDirectDrawAndABitmapAndKeysBlack)
{
    HeadlessDisplay d;
    std::unique_ptr<TDDrawSurface> s;
    platform::gdi::Bitmap bmp(3, 2);
    EXPECT_EQ(d.screen.CreateSurfaceFromBitmap(s, &bmp), dd::E_INVALIDARG);
    d.screen.Initialize();
    EXPECT_EQ(d.screen.CreateSurfaceFromBitmap(s, nullptr), dd::E_INVALIDARG);
    ASSERT_EQ(d.screen.CreateSurfaceFromBitmap(s, &bmp), 0);
    EXPECT_EQ(s->Width, 3);
    EXPECT_EQ(s->Height, 2);
    EXPECT_EQ(s->ColorKey, 0);
    EXPECT_EQ(s->ColorKeyValue, 0u);
}

TEST(DDCheck, NamesTheContextAndTheDescription)
{
    EXPECT_NO_THROW(DDCheck(0, "SetColorKey"));
    try {
        DDCheck(dd::DDERR_DCALREADYCREATED, "ReleaseDC");
        FAIL();
    } catch (const platform::Exception& e) {
        EXPECT_STREQ(e.what(), "Error in: ReleaseDC\rA DC has already been returned for this surface. Only one DC "
                               "can be retrieved per surface.");
    }
    try {
        DDCheck(0x12345, "CreateSurfacefromImage");
        FAIL();
    } catch (const platform::Exception& e) {
        EXPECT_STREQ(e.what(), "Error in: CreateSurfacefromImage\r");
    }
}

}  // namespace

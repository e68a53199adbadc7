// The software DirectDraw: what the engine relies on from its surfaces.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/backends/headless/headless_backend.h"
#include "platform/win32/ddraw/ddraw.h"
#include "platform/win32/ddraw/ddraw_blit.h"
#include "platform/win32/ddraw/ddraw_errors.h"
#include "platform/win32/form.h"

namespace {

using namespace platform::ddraw;

struct Display {
    platform::HeadlessBackend backend;
    platform::Application app{backend};
    platform::Form form{app};
    DirectDrawDriver driver{app};
    std::shared_ptr<IDirectDraw> dd;

    explicit Display(uint32_t level = DDSCL_NORMAL)
    {
        EXPECT_EQ(driver.DirectDrawCreate(dd), DD_OK);
        EXPECT_EQ(dd->SetCooperativeLevel(&form.window(), level), DD_OK);
    }

    std::shared_ptr<DirectDrawSurface> offscreen(int w, int h, uint16_t fill = 0)
    {
        DDSURFACEDESC desc;
        desc.dwFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT;
        desc.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN;
        desc.dwWidth = uint32_t(w);
        desc.dwHeight = uint32_t(h);
        std::shared_ptr<DirectDrawSurface> s;
        EXPECT_EQ(dd->CreateSurface(desc, s), DD_OK);
        DDBLTFX fx;
        fx.dwFillColor = fill;
        s->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL, &fx);
        return s;
    }
    void flippingChain(std::shared_ptr<DirectDrawSurface>& primary, std::shared_ptr<DirectDrawSurface>& back);
};

// The primary of an exclusive display with one back buffer.
void Display::flippingChain(std::shared_ptr<DirectDrawSurface>& primary, std::shared_ptr<DirectDrawSurface>& back)
{
    DDSURFACEDESC desc;
    desc.dwFlags = DDSD_CAPS | DDSD_BACKBUFFERCOUNT;
    desc.dwBackBufferCount = 1;
    desc.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE | DDSCAPS_FLIP | DDSCAPS_COMPLEX;
    ASSERT_EQ(dd->CreateSurface(desc, primary), DD_OK);
    ASSERT_EQ(primary->GetAttachedSurface(DDSCAPS{DDSCAPS_BACKBUFFER}, back), DD_OK);
}

uint16_t at(DirectDrawSurface& s, int x, int y)
{
    DDSURFACEDESC d;
    const RECT r{x, y, x + 1, y + 1};
    if (s.Lock(&r, d, DDLOCK_WAIT) != DD_OK) return 0xDEAD;
    const uint16_t v = static_cast<uint8_t*>(d.lpSurface)[0] | static_cast<uint8_t*>(d.lpSurface)[1] << 8;
    s.Unlock(nullptr);
    return v;
}

TEST(DirectDrawObject, OffersVersionSevenUnlessToldOtherwise)
{
    Display d;
    std::shared_ptr<IDirectDraw7> seven;
    EXPECT_EQ(d.dd->QueryInterface(Iid::IDirectDraw7, seven), DD_OK);
    EXPECT_NE(seven, nullptr);
    d.driver.options().offerVersion7 = false;
    EXPECT_EQ(d.dd->QueryInterface(Iid::IDirectDraw7, seven), E_NOINTERFACE);
    EXPECT_EQ(seven, nullptr);
    EXPECT_EQ(d.driver.DirectDrawCreateEx(Iid::IDirectDraw7, seven), E_NOINTERFACE);
}

TEST(DirectDrawObject, EnumeratesEveryModeOnceAndStopsWhenAsked)
{
    Display d;
    int seen = 0;
    d.dd->EnumDisplayModes(0, nullptr, [&](const DDSURFACEDESC& m) {
        ++seen;
        EXPECT_GT(m.dwWidth, 0u);
        return DDENUMRET_OK;
    });
    EXPECT_EQ(seen, 12);
    int first = 0;
    d.dd->EnumDisplayModes(0, nullptr, [&](const DDSURFACEDESC&) { return ++first, DDENUMRET_CANCEL; });
    EXPECT_EQ(first, 1);
}

TEST(DirectDrawObject, RefusesBadSurfacesWithoutAllocating)
{
    Display d;
    DDSURFACEDESC desc;
    desc.dwFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT;
    desc.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN;
    std::shared_ptr<DirectDrawSurface> s;
    desc.dwWidth = 0;
    desc.dwHeight = 10;
    EXPECT_EQ(d.dd->CreateSurface(desc, s), DDERR_INVALIDPARAMS);
    desc.dwWidth = 0xFFFFFFFF;
    EXPECT_EQ(d.dd->CreateSurface(desc, s), DDERR_TOOBIGSIZE);
    desc.dwWidth = 100000;
    EXPECT_EQ(d.dd->CreateSurface(desc, s), DDERR_TOOBIGSIZE);
    desc.dwWidth = desc.dwHeight = 16000;
    EXPECT_EQ(d.dd->CreateSurface(desc, s), DDERR_OUTOFVIDEOMEMORY);
    // A second primary is refused while the first lives.
    DDSURFACEDESC primary;
    primary.dwFlags = DDSD_CAPS;
    primary.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE;
    std::shared_ptr<DirectDrawSurface> p1, p2;
    EXPECT_EQ(d.dd->CreateSurface(primary, p1), DD_OK);
    EXPECT_EQ(d.dd->CreateSurface(primary, p2), DDERR_PRIMARYSURFACEALREADYEXISTS);
    // A flipping chain needs exclusive mode.
    p1.reset();
    primary.dwFlags |= DDSD_BACKBUFFERCOUNT;
    primary.dwBackBufferCount = 1;
    primary.ddsCaps.dwCaps |= DDSCAPS_FLIP | DDSCAPS_COMPLEX;
    EXPECT_EQ(d.dd->CreateSurface(primary, p2), DDERR_NOEXCLUSIVEMODE);
}

TEST(Blt, FillsCopiesWithKeyAndStretchesInsideTheSurfaceOnly)
{
    Display d;
    auto dst = d.offscreen(10, 10, 0x1111);
    auto src = d.offscreen(4, 4, 0xF800);
    DDBLTFX fx;
    fx.dwFillColor = 0;
    const RECT corner{0, 0, 2, 2};
    src->Blt(&corner, nullptr, nullptr, DDBLT_COLORFILL, &fx);
    DDCOLORKEY key{0, 0};
    src->SetColorKey(DDCKEY_SRCBLT, &key);

    EXPECT_EQ(dst->BltFast(6, 6, src.get(), nullptr, DDBLTFAST_SRCCOLORKEY | DDBLTFAST_WAIT), DD_OK);
    EXPECT_EQ(at(*dst, 6, 6), 0x1111);  // key pixel skipped
    EXPECT_EQ(at(*dst, 9, 9), 0xF800);
    EXPECT_EQ(dst->BltFast(7, 7, src.get(), nullptr, 0), DDERR_INVALIDRECT);  // would cross the edge
    const RECT inverted{3, 0, 1, 4};
    EXPECT_EQ(dst->BltFast(0, 0, src.get(), &inverted, 0), DDERR_INVALIDRECT);

    const RECT big{0, 0, 8, 8};
    EXPECT_EQ(dst->Blt(&big, src.get(), nullptr, DDBLT_WAIT, nullptr), DD_OK);
    EXPECT_EQ(at(*dst, 3, 3), 0x0000);
    EXPECT_EQ(at(*dst, 4, 4), 0xF800);
    const RECT outside{5, 5, 11, 11};
    EXPECT_EQ(dst->Blt(&outside, nullptr, nullptr, DDBLT_COLORFILL, &fx), DDERR_INVALIDRECT);

    // Overlapping copy within one surface moves the rows intact.
    const RECT top{0, 0, 10, 5};
    EXPECT_EQ(dst->BltFast(0, 2, dst.get(), &top, 0), DD_OK);
    EXPECT_EQ(at(*dst, 5, 6), 0xF800);
}

TEST(Blt, KeyedCopiesOfEveryWidthSkipExactlyTheKeyPixels)
{
    Display d;
    for (int width : {1, 7, 8, 9, 13, 16, 31}) {
        auto src = d.offscreen(width, 2);
        auto dst = d.offscreen(width, 2, 0x5555);
        DDSURFACEDESC desc;
        ASSERT_EQ(src->Lock(nullptr, desc, DDLOCK_WAIT), DD_OK);
        auto* row = static_cast<uint8_t*>(desc.lpSurface);
        for (int x = 0; x < width; ++x) {
            const uint16_t v = x % 3 == 0 ? 0xF81F : uint16_t(x + 1);
            row[2 * x] = uint8_t(v);
            row[2 * x + 1] = uint8_t(v >> 8);
        }
        src->Unlock(nullptr);
        DDCOLORKEY key{0xF81F, 0xF81F};
        src->SetColorKey(DDCKEY_SRCBLT, &key);
        const RECT line{0, 0, width, 1};
        ASSERT_EQ(dst->BltFast(0, 1, src.get(), &line, DDBLTFAST_SRCCOLORKEY), DD_OK);
        for (int x = 0; x < width; ++x)
            EXPECT_EQ(at(*dst, x, 1), x % 3 == 0 ? 0x5555 : x + 1) << "width " << width << " x " << x;
    }
}

TEST(Blt, RepeatedKeyedCopiesFollowChangesToTheSourceAndItsKey)
{
    Display d;
    auto src = d.offscreen(6, 3, 0x07E0);
    DDBLTFX fx;
    fx.dwFillColor = 0;
    const RECT hole{1, 1, 3, 2};
    src->Blt(&hole, nullptr, nullptr, DDBLT_COLORFILL, &fx);
    DDCOLORKEY black{0, 0};
    src->SetColorKey(DDCKEY_SRCBLT, &black);
    auto dst = d.offscreen(10, 10, 0x1111);
    const RECT part{1, 0, 5, 3};
    for (int i = 0; i < 4; ++i) {  // the same picture, drawn again and again
        ASSERT_EQ(dst->BltFast(i, 0, src.get(), &part, DDBLTFAST_SRCCOLORKEY), DD_OK);
        EXPECT_EQ(at(*dst, i, 1), i < 2 ? 0x1111 : 0x07E0) << i;  // the hole shows what lies below
        EXPECT_EQ(at(*dst, i + 2, 1), 0x07E0) << i;
    }
    fx.dwFillColor = 0xF800;  // the picture changes...
    src->Blt(&hole, nullptr, nullptr, DDBLT_COLORFILL, &fx);
    dst->BltFast(0, 5, src.get(), &part, DDBLTFAST_SRCCOLORKEY);
    EXPECT_EQ(at(*dst, 0, 6), 0xF800);
    DDCOLORKEY green{0x07E0, 0x07E0};  // ...and so does its key
    src->SetColorKey(DDCKEY_SRCBLT, &green);
    dst->BltFast(0, 5, src.get(), &part, DDBLTFAST_SRCCOLORKEY);
    dst->BltFast(4, 5, src.get(), &part, DDBLTFAST_SRCCOLORKEY);
    EXPECT_EQ(at(*dst, 4, 6), 0xF800);
    EXPECT_EQ(at(*dst, 6, 6), 0x1111);  // green is the key now: skipped
}

TEST(SurfaceState, DeviceContextAndLocksKeepBlitsOut)
{
    Display d;
    auto s = d.offscreen(8, 8);
    auto src = d.offscreen(2, 2);
    platform::gdi::HDC dc = nullptr;
    ASSERT_EQ(s->GetDC(dc), DD_OK);
    platform::gdi::HDC second = nullptr;
    EXPECT_EQ(s->GetDC(second), DDERR_DCALREADYCREATED);
    EXPECT_EQ(s->BltFast(0, 0, src.get(), nullptr, 0), DDERR_SURFACEBUSY);
    DDSURFACEDESC desc;
    EXPECT_EQ(s->Lock(nullptr, desc, DDLOCK_WAIT), DDERR_SURFACEBUSY);
    EXPECT_EQ(s->ReleaseDC(second), DDERR_INVALIDPARAMS);
    EXPECT_EQ(s->ReleaseDC(dc), DD_OK);
    EXPECT_EQ(s->ReleaseDC(dc), DDERR_NODC);
    ASSERT_EQ(s->Lock(nullptr, desc, DDLOCK_WAIT), DD_OK);
    EXPECT_EQ(desc.dwWidth, 8u);
    EXPECT_EQ(desc.ddpfPixelFormat.dwRBitMask, 0xF800u);
    EXPECT_EQ(s->GetDC(dc), DDERR_SURFACEBUSY);
    EXPECT_EQ(s->Unlock(nullptr), DD_OK);
    EXPECT_EQ(s->Unlock(nullptr), DDERR_NOTLOCKED);
}

TEST(SurfaceState, ContentVersionMovesOnlyWhenThePixelsMayChange)
{
    Display d;
    auto s = d.offscreen(4, 4);
    auto other = d.offscreen(4, 4);
    uint64_t v = s->contentVersion();
    other->BltFast(0, 0, s.get(), nullptr, 0);  // read as a source
    EXPECT_EQ(s->contentVersion(), v);
    s->BltFast(0, 0, other.get(), nullptr, 0);
    EXPECT_GT(s->contentVersion(), v);
    v = s->contentVersion();
    DDSURFACEDESC desc;
    s->Lock(nullptr, desc, DDLOCK_WAIT);
    s->Unlock(nullptr);
    EXPECT_GT(s->contentVersion(), v);
    v = s->contentVersion();
    platform::gdi::HDC dc = nullptr;
    s->GetDC(dc);
    s->ReleaseDC(dc);
    EXPECT_GT(s->contentVersion(), v);
}

TEST(SurfaceState, ExclusiveFocusLossLosesUntilActiveAgain)
{
    Display d(DDSCL_FULLSCREEN | DDSCL_EXCLUSIVE);
    ASSERT_EQ(d.dd->SetDisplayMode(800, 600, 16), DD_OK);
    EXPECT_EQ(d.dd->SetDisplayMode(800, 600, 12), DDERR_INVALIDMODE);
    auto s = d.offscreen(8, 8, 0x1234);
    d.backend.loseFocus();
    d.app.processMessages();
    EXPECT_EQ(s->IsLost(), DDERR_SURFACELOST);
    EXPECT_EQ(s->Restore(), DDERR_NOEXCLUSIVEMODE);
    DDSURFACEDESC desc;
    EXPECT_EQ(s->Lock(nullptr, desc, 0), DDERR_SURFACELOST);
    d.backend.gainFocus();
    d.app.processMessages();
    EXPECT_EQ(s->IsLost(), DDERR_SURFACELOST);  // until restored
    std::shared_ptr<IDirectDraw7> seven;
    ASSERT_EQ(d.dd->QueryInterface(Iid::IDirectDraw7, seven), DD_OK);
    EXPECT_EQ(seven->RestoreAllSurfaces(), DD_OK);
    EXPECT_EQ(s->IsLost(), DD_OK);
    EXPECT_EQ(at(*s, 0, 0), 0);  // the memory came back empty
    // Leaving exclusive mode changes the mode: surfaces made in it are lost
    // and cannot come back in the desktop's format.
    d.driver.options().desktopBitsPerPixel = 32;
    d.dd->SetCooperativeLevel(&d.form.window(), DDSCL_NORMAL);
    EXPECT_EQ(s->Restore(), DDERR_WRONGMODE);
}

TEST(FlippingChain, FlipSwapsBuffersAndPresents)
{
    Display d(DDSCL_FULLSCREEN | DDSCL_EXCLUSIVE);
    ASSERT_EQ(d.dd->SetDisplayMode(640, 480, 32), DD_OK);
    std::shared_ptr<DirectDrawSurface> primary, back;
    ASSERT_NO_FATAL_FAILURE(d.flippingChain(primary, back));
    EXPECT_EQ(back->Flip(nullptr, 0), DDERR_NOTFLIPPABLE);
    DDBLTFX fx;
    fx.dwFillColor = 0x00336699;
    back->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL, &fx);
    ASSERT_EQ(primary->Flip(nullptr, 0), DD_OK);
    const auto& video = d.backend.headlessVideo();
    EXPECT_EQ(video.frameWidth(), 640);
    EXPECT_EQ(video.pixel(5, 5), 0x336699u);
    d.driver.options().stillDrawingFlips = 1;
    EXPECT_EQ(primary->Flip(nullptr, 0), DDERR_WASSTILLDRAWING);
    std::shared_ptr<DirectDrawGammaControl> gamma;
    EXPECT_EQ(primary->QueryInterface(Iid::IDirectDrawGammaControl, gamma), DD_OK);
    EXPECT_EQ(back->QueryInterface(Iid::IDirectDrawGammaControl, gamma), E_NOINTERFACE);
}

// The window skips frames that repeat the last one; it must never be told
// a frame repeats when any pixel of the primary may differ.
TEST(Present, AFrameIsMarkedUnchangedOnlyWhenThePrimaryHoldsTheSamePixels)
{
    Display d;
    DDSURFACEDESC desc;
    desc.dwFlags = DDSD_CAPS;
    desc.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE;
    std::shared_ptr<DirectDrawSurface> primary;
    ASSERT_EQ(d.dd->CreateSurface(desc, primary), DD_OK);
    const int w = primary->width(), h = primary->height();
    auto back = d.offscreen(w, h, 0x1234);
    const auto& video = d.backend.headlessVideo();
    const auto present = [&] { return primary->Blt(nullptr, back.get(), nullptr, DDBLT_WAIT, nullptr); };

    ASSERT_EQ(present(), DD_OK);
    EXPECT_FALSE(video.lastFrameUnchanged());
    ASSERT_EQ(present(), DD_OK);
    EXPECT_TRUE(video.lastFrameUnchanged());
    EXPECT_EQ(video.pixel(w - 1, h - 1), video.pixel(0, 0));

    // One pixel in the last row differs.
    DDBLTFX fx;
    fx.dwFillColor = 0x4321;
    const RECT corner{w - 1, h - 1, w, h};
    back->Blt(&corner, nullptr, nullptr, DDBLT_COLORFILL, &fx);
    ASSERT_EQ(present(), DD_OK);
    EXPECT_FALSE(video.lastFrameUnchanged());
    EXPECT_NE(video.pixel(w - 1, h - 1), video.pixel(0, 0));
    ASSERT_EQ(primary->BltFast(0, 0, back.get(), nullptr, 0), DD_OK);
    EXPECT_TRUE(video.lastFrameUnchanged());

    // Anything that may have written into the primary makes the next frame new.
    DDSURFACEDESC locked;
    ASSERT_EQ(primary->Lock(nullptr, locked, DDLOCK_WAIT), DD_OK);
    primary->Unlock(nullptr);
    ASSERT_EQ(present(), DD_OK);
    EXPECT_FALSE(video.lastFrameUnchanged());
    ASSERT_EQ(present(), DD_OK);
    EXPECT_TRUE(video.lastFrameUnchanged());
    // A copy with a key cannot tell in advance what it writes.
    DDCOLORKEY key{0x1234, 0x1234};
    back->SetColorKey(DDCKEY_SRCBLT, &key);
    ASSERT_EQ(primary->BltFast(0, 0, back.get(), nullptr, DDBLTFAST_SRCCOLORKEY), DD_OK);
    EXPECT_FALSE(video.lastFrameUnchanged());
    // A fill of the primary itself is new too.
    ASSERT_EQ(primary->Blt(&corner, nullptr, nullptr, DDBLT_COLORFILL, &fx), DD_OK);
    EXPECT_FALSE(video.lastFrameUnchanged());
}

TEST(Present, AFlipOfTheSamePictureIsMarkedUnchanged)
{
    Display d(DDSCL_FULLSCREEN | DDSCL_EXCLUSIVE);
    ASSERT_EQ(d.dd->SetDisplayMode(640, 480, 16), DD_OK);
    std::shared_ptr<DirectDrawSurface> primary, back;
    ASSERT_NO_FATAL_FAILURE(d.flippingChain(primary, back));
    const auto& video = d.backend.headlessVideo();
    DDBLTFX fx;
    const auto draw = [&](uint32_t colour) {
        fx.dwFillColor = colour;
        back->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL, &fx);
        return primary->Flip(nullptr, 0);
    };
    ASSERT_EQ(draw(0x00F8), DD_OK);
    EXPECT_FALSE(video.lastFrameUnchanged());
    ASSERT_EQ(draw(0x00F8), DD_OK);  // the game draws the same picture again
    EXPECT_TRUE(video.lastFrameUnchanged());
    ASSERT_EQ(draw(0x0700), DD_OK);
    EXPECT_FALSE(video.lastFrameUnchanged());
}

TEST(Fill, EveryDepthAndValueFillsExactlyTheRectangle)
{
    for (int bytes = 1; bytes <= 4; ++bytes)
        for (uint32_t value : {0u, 0xFFFFFFFFu, 0x12345678u, 0x00FF00FFu, 0x7F7F7F00u, 0x34561212u})
            for (bool wholeRows : {false, true}) {
                // Surface rows start on even addresses: pitches are multiples of 4.
            const int w = 5, h = 4, pitch = wholeRows ? w * bytes : (w * bytes + 3) / 4 * 4 + 4;
                std::vector<uint8_t> pixels(static_cast<std::size_t>(pitch) * h, 0xA5);
                const platform::Rect rect = wholeRows ? platform::Rect{0, 1, w, 3} : platform::Rect{1, 1, 4, 3};
                fillArea({pixels.data(), pitch, bytes}, rect, value);
                for (int y = 0; y < h; ++y)
                    for (int i = 0; i < pitch; ++i) {
                        const int x = i / bytes;
                        const bool inside = i < w * bytes && x >= rect.left && x < rect.right && y >= rect.top &&
                                            y < rect.bottom;
                        const auto expected = inside ? static_cast<uint8_t>(value >> (8 * (i % bytes))) : uint8_t{0xA5};
                        ASSERT_EQ(pixels[static_cast<std::size_t>(y) * pitch + i], expected)
                            << bytes << " bytes, value " << std::hex << value << ", byte " << i << " of row " << y;
                    }
            }
}

TEST(ResultCodes, CarryThePublishedValuesAndDescriptions)
{
    EXPECT_EQ(uint32_t(DDERR_SURFACELOST), 0x887601C2u);
    EXPECT_EQ(uint32_t(DDERR_WASSTILLDRAWING), 0x8876021Cu);
    EXPECT_EQ(DDErrorDescription(DDERR_OUTOFMEMORY), "DirectDraw does not have enough memory to perform the operation.");
    EXPECT_EQ(DDErrorName(DDERR_SURFACELOST), "DDERR_SURFACELOST");
    EXPECT_EQ(DDErrorDescription(0x7777), "");
}

}  // namespace

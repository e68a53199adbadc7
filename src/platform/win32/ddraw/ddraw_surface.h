#pragma once
// A software DirectDraw surface: a pixel buffer in the display's format with
// the calls the engine makes on it. Both interface generations use this one
// class; they differ only in the description records they pass.
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "platform/backends/video.h"
#include "platform/win32/ddraw/ddraw_blit.h"
#include "platform/win32/ddraw/ddraw_objects.h"
#include "platform/win32/ddraw/ddraw_types.h"
#include "platform/win32/gdi/gdi_dc.h"
#include "platform/win32/pixel_format.h"

namespace platform::ddraw {

class DisplayDevice;

// How a surface of this format describes its pixels to the game.
DDPIXELFORMAT describe(const SurfaceFormat& format);

class DirectDrawSurface : public std::enable_shared_from_this<DirectDrawSurface> {
public:
    DirectDrawSurface(std::shared_ptr<DisplayDevice> device, int width, int height, uint32_t caps);
    ~DirectDrawSurface();
    DirectDrawSurface(const DirectDrawSurface&) = delete;
    DirectDrawSurface& operator=(const DirectDrawSurface&) = delete;

    // Blits. A missing destination rectangle means the whole surface; so
    // does a missing source rectangle for the source.
    HRESULT Blt(const RECT* dst, DirectDrawSurface* source, const RECT* src, uint32_t flags, const DDBLTFX* fx);
    HRESULT BltFast(int x, int y, DirectDrawSurface* source, const RECT* src, uint32_t flags);
    HRESULT Flip(DirectDrawSurface* override, uint32_t flags);
    HRESULT GetAttachedSurface(const DDSCAPS& caps, std::shared_ptr<DirectDrawSurface>& out);
    HRESULT GetAttachedSurface(const DDSCAPS2& caps, std::shared_ptr<DirectDrawSurface>& out);

    HRESULT Lock(const RECT* rect, DDSURFACEDESC& desc, uint32_t flags);
    HRESULT Lock(const RECT* rect, DDSURFACEDESC2& desc, uint32_t flags);
    HRESULT Unlock(const void* address);
    HRESULT GetSurfaceDesc(DDSURFACEDESC& desc) const;
    HRESULT GetSurfaceDesc(DDSURFACEDESC2& desc) const;
    HRESULT GetPixelFormat(DDPIXELFORMAT& format) const;

    HRESULT GetDC(gdi::HDC& dc);
    HRESULT ReleaseDC(gdi::HDC dc);

    HRESULT SetColorKey(uint32_t flags, const DDCOLORKEY* key);
    HRESULT GetColorKey(uint32_t flags, DDCOLORKEY& key) const;
    HRESULT SetPalette(std::shared_ptr<DirectDrawPalette> palette);
    HRESULT SetClipper(std::shared_ptr<DirectDrawClipper> clipper);
    HRESULT GetClipper(std::shared_ptr<DirectDrawClipper>& clipper) const;

    HRESULT IsLost() const;
    HRESULT Restore();

    HRESULT QueryInterface(Iid iid, std::shared_ptr<DirectDrawGammaControl>& out);

    // For the device and the presenters.
    void markLost();
    std::size_t byteSize() const { return pixels_.size(); }
    FrameView frameView() const;
    int width() const { return width_; }
    int height() const { return height_; }
    const SurfaceFormat& format() const { return format_; }
    uint32_t caps() const { return caps_; }
    void attachBackBuffer(std::shared_ptr<DirectDrawSurface> back);
    // Changes whenever the pixels may have changed (blits into the surface,
    // locks, device contexts, flips, loss and restore), so a cache built from
    // the pixels (such as opaque runs for keyed copies) knows when to rebuild.
    uint64_t contentVersion() const { return version_; }
    // The palette attached to this surface, if any (00RRGGBB entries).
    const uint32_t* ownPalette() const;

private:
    template <typename Desc>
    HRESULT lockInto(const RECT* rect, Desc& desc);
    template <typename Desc>
    void describeInto(Desc& desc) const;
    HRESULT usable() const;
    bool isPrimary() const { return caps_ & DDSCAPS_PRIMARYSURFACE; }
    const uint32_t* paletteColors() const;
    PixelArea area();
    // Ends a blit or fill onto this surface; a blit that found its target
    // already holding the same pixels passes `changed` false.
    HRESULT finishPrimaryBlit(bool changed = true);
    // The pixels may have changed: caches built from them and the picture
    // last presented no longer match.
    void touch();
    // Whether an unkeyed 1:1 copy of `src` of `source` to (x, y) of this
    // primary would write the pixels it already holds (a menu presenting
    // the same picture again).
    bool copyChangesNothing(int x, int y, DirectDrawSurface& source, const Rect& src);
    // Copies `src` of this surface to (x, y) of `to` from cached opaque runs;
    // false when no cache is available (the caller copies pixel by pixel).
    bool copyKeyedFromRuns(const PixelArea& to, int x, int y, const Rect& src, uint32_t key);
    struct RunCache;

    std::shared_ptr<DisplayDevice> device_;
    int width_;
    int height_;
    uint32_t caps_;
    SurfaceFormat format_;
    int pitch_;
    std::vector<uint8_t> pixels_;
    bool lost_ = false;
    uint64_t version_ = 0;
    bool sameAsPresented_ = false;
    int locks_ = 0;
    std::unique_ptr<gdi::DeviceContext> dc_;
    std::optional<DDCOLORKEY> colorKey_;
    std::shared_ptr<DirectDrawPalette> palette_;
    std::shared_ptr<DirectDrawClipper> clipper_;
    std::shared_ptr<DirectDrawSurface> backBuffer_;
    std::unique_ptr<RunCache> runs_;
};

using IDirectDrawSurface = DirectDrawSurface;
using IDirectDrawSurface7 = DirectDrawSurface;

}  // namespace platform::ddraw

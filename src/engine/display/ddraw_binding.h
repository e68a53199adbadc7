#pragma once
// The DirectDraw object as the display screen uses it, one class per
// interface generation. Creating one creates the DirectDraw object and
// raises "Error in: DDraw Create" when that fails.
#include <cstdint>
#include <memory>

#include "engine/display/dd_surface.h"
#include "platform/win32/ddraw/ddraw.h"
#include "platform/win32/form.h"

class TDDraw {
public:
    virtual ~TDDraw() = default;
    TDDraw(const TDDraw&) = delete;
    TDDraw& operator=(const TDDraw&) = delete;

    virtual void ReleaseDirectDraw() = 0;
    virtual HRESULT FlipToGDISurface() = 0;
    virtual HRESULT SetCooperativeLevel(platform::Window* window, uint32_t flags) = 0;
    virtual HRESULT SetDisplayMode(int width, int height, int bits) = 0;
    virtual HRESULT RestoreAllSurfaces() = 0;
    virtual HRESULT WaitForVerticalBlank() = 0;
    virtual HRESULT CreateClipper(std::shared_ptr<platform::ddraw::DirectDrawClipper>& clipper) = 0;
    virtual HRESULT CreatePalette(const platform::ddraw::PALETTEENTRY* entries,
                                  std::shared_ptr<platform::ddraw::DirectDrawPalette>& palette) = 0;
    virtual HRESULT CreateWindowedSurfaces(TDDrawSurface& primary, TDDrawSurface& back, platform::Form& form) = 0;
    virtual HRESULT CreateFullScreenSurfaces(TDDrawSurface& primary, TDDrawSurface& back) = 0;
    virtual HRESULT CreateOffscreenSurface(TDDrawSurface& surface) = 0;
    virtual bool HasPrimaryGamma() = 0;
    virtual int32_t GetFreeVideoMemory() = 0;

protected:
    TDDraw() = default;
};

class TDDraw1 final : public TDDraw {
public:
    explicit TDDraw1(platform::ddraw::DirectDrawDriver& driver);

    void ReleaseDirectDraw() override { FDirectDraw.reset(); }
    HRESULT FlipToGDISurface() override;
    HRESULT SetCooperativeLevel(platform::Window* window, uint32_t flags) override;
    HRESULT SetDisplayMode(int width, int height, int bits) override;
    HRESULT RestoreAllSurfaces() override { return 0; }
    HRESULT WaitForVerticalBlank() override;
    HRESULT CreateClipper(std::shared_ptr<platform::ddraw::DirectDrawClipper>& clipper) override;
    HRESULT CreatePalette(const platform::ddraw::PALETTEENTRY* entries,
                          std::shared_ptr<platform::ddraw::DirectDrawPalette>& palette) override;
    HRESULT CreateWindowedSurfaces(TDDrawSurface& primary, TDDrawSurface& back, platform::Form& form) override;
    HRESULT CreateFullScreenSurfaces(TDDrawSurface& primary, TDDrawSurface& back) override;
    HRESULT CreateOffscreenSurface(TDDrawSurface& surface) override;
    bool HasPrimaryGamma() override;
    int32_t GetFreeVideoMemory() override { return -1; }

private:
    std::shared_ptr<platform::ddraw::IDirectDraw> FDirectDraw;
};

class TDDraw7 final : public TDDraw {
public:
    explicit TDDraw7(platform::ddraw::DirectDrawDriver& driver);

    void ReleaseDirectDraw() override { FDirectDraw.reset(); }
    HRESULT FlipToGDISurface() override;
    HRESULT SetCooperativeLevel(platform::Window* window, uint32_t flags) override;
    HRESULT SetDisplayMode(int width, int height, int bits) override;
    HRESULT RestoreAllSurfaces() override;
    HRESULT WaitForVerticalBlank() override;
    HRESULT CreateClipper(std::shared_ptr<platform::ddraw::DirectDrawClipper>& clipper) override;
    HRESULT CreatePalette(const platform::ddraw::PALETTEENTRY* entries,
                          std::shared_ptr<platform::ddraw::DirectDrawPalette>& palette) override;
    HRESULT CreateWindowedSurfaces(TDDrawSurface& primary, TDDrawSurface& back, platform::Form& form) override;
    HRESULT CreateFullScreenSurfaces(TDDrawSurface& primary, TDDrawSurface& back) override;
    HRESULT CreateOffscreenSurface(TDDrawSurface& surface) override;
    bool HasPrimaryGamma() override;
    int32_t GetFreeVideoMemory() override;

private:
    std::shared_ptr<platform::ddraw::IDirectDraw7> FDirectDraw;
};

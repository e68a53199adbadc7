#pragma once
// The display screen: the one way the game reaches the video hardware. It
// picks the DirectDraw generation, checks the machine, opens an exclusive
// full-screen display with a flipping chain or a window with a clipped
// primary surface, owns the back buffer everything draws on, presents it
// once per frame, and brings surfaces and images back after the display was
// taken away. It also handles every error that escapes a frame.
#include <array>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/display/dd_surface.h"
#include "engine/display/ddraw_binding.h"
#include "engine/display/display_modes.h"
#include "platform/errors.h"
#include "platform/win32/application.h"
#include "platform/win32/form.h"

using EPlatformError = platform::Exception;
BRINDLECOG_ERROR_CLASS(EDDrawScreenError, EPlatformError);

class TDDrawScreen;

// What the screen asks of an image list bound to it (the image list sets
// itself into ImageLists when its DrawScreen is set).
class TDDrawScreenImageList {
public:
    virtual void ValidateItems() = 0;                    // raises for an item without a usable bitmap
    virtual void CreateSurfaces(TDDrawScreen& screen) = 0;
    virtual void RestoreSurfaces() = 0;                  // copy every bitmap into its surface again
    virtual void ReleaseSurfaces() = 0;                  // ReleaseSurface of every item's surface
    virtual void FreeSurfaces() = 0;                     // free every item's surface object
    virtual void ScreenDestroyed() = 0;                  // forget the screen without touching ImageLists

protected:
    ~TDDrawScreenImageList() = default;
};

// What the screen asks of a sprite engine bound to it.
class TDDrawScreenSpriteEngine {
public:
    // Clears the engine's DrawScreen, which takes it out of SpriteEngines.
    virtual void ClearDrawScreen() = 0;

protected:
    ~TDDrawScreenSpriteEngine() = default;
};

class TDDrawScreen {
public:
    using NotifyEvent = std::function<void()>;

    // Installs AppException as the application's error handler, keeps the
    // form's window procedure, makes the form stay on top with a fixed border.
    TDDrawScreen(platform::Application& app, platform::Form& form);
    ~TDDrawScreen();
    TDDrawScreen(const TDDrawScreen&) = delete;
    TDDrawScreen& operator=(const TDDrawScreen&) = delete;

    // Published settings and events.
    bool AutoInitialize = true;
    bool ForceDirectX7 = false;
    bool AllowReboot = true;
    bool FullScreen = true;
    NotifyEvent OnReActivate;
    NotifyEvent OnDeActivate;
    NotifyEvent OnInitialize;
    NotifyEvent OnDestroy;
    TDisplayMode DisplayMode() const { return FDisplayMode; }
    void SetDisplayMode(int32_t mode);

    // After the owning form has been loaded: initialises when AutoInitialize.
    void Loaded();
    // Brings the display up, or rebuilds it when it was up. Raises on failure.
    void Initialize();
    bool IsInitialized() const { return Initialized; }
    void Clear();
    void Flip();
    bool RestoreNormalMode();
    // A new surface of the run's generation holding `bitmap`, black as key.
    HRESULT CreateSurfaceFromBitmap(std::unique_ptr<TDDrawSurface>& surface, HBITMAP bitmap);

    // The application's error handler and the form's window procedure.
    void AppException(const std::exception& error);
    void ScreenWindowProc(platform::Message& message);

    TDDrawSurface* BackBuffer() const { return FBackBuffer.get(); }
    TDDrawSurface* Primary() const { return FPrimary.get(); }
    TDDraw* DDraw() const { return FDDraw.get(); }
    int32_t DXVersion() const { return FDXVersion; }
    int32_t Width() const { return FWidth; }
    int32_t Height() const { return FHeight; }
    int32_t BitCount() const { return FBitCount; }
    int32_t PrimaryFormat() const { return FPrimaryFormat; }
    const TRect& ScreenRect() const { return FScreenRect; }
    bool GammaSupported() const { return FGammaSupported; }
    const std::vector<std::string>& DisplayModes() const { return FDisplayModes; }
    std::vector<TDDrawScreenImageList*>& ImageLists() { return FImageLists; }
    std::vector<TDDrawScreenSpriteEngine*>& SpriteEngines() { return FSpriteEngines; }
    // The software DirectDraw this screen creates its objects with.
    platform::ddraw::DirectDrawDriver& Driver() { return FDriver; }

private:
    int32_t DetectDirectXVersion();
    void Finalize();
    HRESULT SetupFullScreen();
    HRESULT SetupWindowed();
    void UpdateScreenRect();
    HRESULT CreateDefaultPalette();
    void RestoreAfterLoss();
    std::unique_ptr<TDDrawSurface> NewSurface() const;
    platform::Window& window() { return FForm.window(); }

    platform::Application& FApp;
    platform::Form& FForm;
    platform::ddraw::DirectDrawDriver FDriver;
    bool Initialized = false;
    int32_t FDXVersion = -1;
    std::vector<std::string> FDisplayModes;
    std::shared_ptr<platform::ddraw::DirectDrawPalette> FPalette;
    std::array<platform::ddraw::PALETTEENTRY, 256> PaletteEntries{};
    std::unique_ptr<TDDraw> FDDraw;
    std::unique_ptr<TDDrawSurface> FPrimary;
    std::unique_ptr<TDDrawSurface> FBackBuffer;
    platform::Form::WindowProc OldWindowProc;
    TRect FScreenRect;
    TDisplayMode FDisplayMode = m0800x600x16;
    int32_t FWidth = 800;
    int32_t FHeight = 600;
    int32_t FBitCount = 16;
    int32_t FPrimaryFormat = -1;
    bool FGammaSupported = false;
    std::vector<TDDrawScreenImageList*> FImageLists;
    std::vector<TDDrawScreenSpriteEngine*> FSpriteEngines;
};

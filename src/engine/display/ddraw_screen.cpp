#include "engine/display/ddraw_screen.h"

#include <algorithm>
#include <cctype>

#include "engine/display/dd_check.h"

namespace dd = platform::ddraw;

namespace {

bool sameText(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

}  // namespace

TDDrawScreen::TDDrawScreen(platform::Application& app, platform::Form& form) : FApp(app), FForm(form), FDriver(app)
{
    FApp.setOnException([this](const std::exception& e) { AppException(e); });
    OldWindowProc = FForm.windowProc();
    FForm.setStayOnTop(true);
    if (FForm.borderStyle() == platform::BorderStyle::Sizeable) FForm.setBorderStyle(platform::BorderStyle::Single);
}

TDDrawScreen::~TDDrawScreen()
{
    FForm.setWindowProc(OldWindowProc);
    FApp.setOnException(nullptr);
    if (FDDraw && Initialized) FDDraw->FlipToGDISurface();
    for (auto* list : FImageLists) list->FreeSurfaces();
    FBackBuffer.reset();
    FPrimary.reset();
    if (FBitCount == 8) FPalette.reset();
    FDDraw.reset();
    Initialized = false;
    if (OnDestroy) OnDestroy();

    // Copies: the bound components take themselves out of the lists.
    for (auto* list : std::vector<TDDrawScreenImageList*>(FImageLists)) list->ScreenDestroyed();
    FImageLists.clear();
    const auto engines = FSpriteEngines;
    for (auto it = engines.rbegin(); it != engines.rend(); ++it) (*it)->ClearDrawScreen();
    FSpriteEngines.clear();
}

void TDDrawScreen::SetDisplayMode(int32_t mode)
{
    FDisplayMode = NormalizeDisplayMode(mode);
    const TDisplayModeSize size = DisplayModeSize(FDisplayMode);
    FWidth = size.Width;
    FHeight = size.Height;
    FBitCount = size.BitCount;
}

void TDDrawScreen::Loaded()
{
    if (AutoInitialize) Initialize();
}

int32_t TDDrawScreen::DetectDirectXVersion()
{
    int32_t result = 1;
    std::shared_ptr<dd::IDirectDraw> probe;
    if (FDriver.DirectDrawCreate(probe) != 0) return result;
    std::shared_ptr<dd::IDirectDraw7> probe7;
    if (probe->QueryInterface(dd::Iid::IDirectDraw7, probe7) == 0) result = 7;
    FDisplayModes.clear();
    probe->EnumDisplayModes(0, nullptr, [this](const dd::DDSURFACEDESC& d) {
        FDisplayModes.push_back(DisplayModeText(int32_t(d.dwWidth), int32_t(d.dwHeight),
                                                int32_t(d.ddpfPixelFormat.dwRGBBitCount)));
        return dd::DDENUMRET_OK;
    });
    return result;
}

std::unique_ptr<TDDrawSurface> TDDrawScreen::NewSurface() const
{
    if (FDXVersion == 7) return std::make_unique<TDDrawSurface7>();
    return std::make_unique<TDDrawSurface1>();
}

void TDDrawScreen::Initialize()
{
    Initialized = false;
    Finalize();
    FDXVersion = DetectDirectXVersion();
    if (ForceDirectX7 && FDXVersion < 7)
        throw EDDrawScreenError("The DirectX version on your system is too old.\rDirectX7 or higher should be "
                                "installed. Please install \ra newer version first.");
    if (FApp.backend().video().displayConflict())
        throw EDDrawScreenError("Multimonitor system detected. Please disable all secondary monitors in \rthe "
                                "Windows control panel (to prevent bad behaviour).");
    const std::string mode = DisplayModeText(FWidth, FHeight, FBitCount);
    if (!FDisplayModes.empty() &&
        std::none_of(FDisplayModes.begin(), FDisplayModes.end(), [&](const std::string& m) { return sameText(m, mode); }))
        throw EDDrawScreenError("Video card does not support video mode " + mode);
    for (auto* list : FImageLists) list->ValidateItems();

    if (FDXVersion == 7) FDDraw = std::make_unique<TDDraw7>(FDriver);
    else FDDraw = std::make_unique<TDDraw1>(FDriver);
    FPrimary = NewSurface();
    FBackBuffer = NewSurface();
    FPrimary->Width = FBackBuffer->Width = FWidth;
    FPrimary->Height = FBackBuffer->Height = FHeight;

    if (!FullScreen) FScreenRect = window().bounds();
    if (FullScreen) {
        if (SetupFullScreen() != 0)
            throw EDDrawScreenError("Video card couldn't create fullscreen display.\r(Probably not enough video-memory.)");
    } else if (SetupWindowed() != 0) {
        throw EDDrawScreenError("Video card couldn't create windowed display.\r(Probably not enough video-memory.)");
    }
    FPrimaryFormat = FPrimary->GetPixelFormat();
    if (FBitCount == 8) CreateDefaultPalette();

    FDDraw->FlipToGDISurface();
    Clear();
    Flip();
    Clear();
    FDDraw->FlipToGDISurface();

    for (auto* list : FImageLists) list->CreateSurfaces(*this);
    if (FDDraw->HasPrimaryGamma()) {
        FGammaSupported = true;
        FPrimary->InitGammaControl();
    }
    FForm.setWindowProc([this](platform::Message& m) { ScreenWindowProc(m); });
    Initialized = true;
    if (OnInitialize) OnInitialize();
}

void TDDrawScreen::Finalize()
{
    if (FDXVersion != -1)
        for (auto* list : FImageLists) list->ReleaseSurfaces();
    FBackBuffer.reset();
    FPrimary.reset();
    if (FBitCount == 8) FPalette.reset();
    if (FDDraw) {
        FDDraw->SetCooperativeLevel(&window(), dd::DDSCL_NORMAL);
        FDDraw.reset();
    }
}

bool TDDrawScreen::RestoreNormalMode()
{
    if (!FDDraw) return false;
    const bool normal = FDDraw->SetCooperativeLevel(&window(), dd::DDSCL_NORMAL) == 0;
    const bool gdi = FDDraw->FlipToGDISurface() == 0;
    return normal && gdi;
}

void TDDrawScreen::AppException(const std::exception& error)
{
    FApp.setOnIdle(nullptr);
    window().setBusyCursor(false);
    Initialized = false;
    if (RestoreNormalMode()) FApp.setOnException(nullptr);
    const auto* own = dynamic_cast<const platform::Exception*>(&error);
    ShowErrorMessage(FApp.backend(), own ? own->className() : "Exception", error.what());
}

HRESULT TDDrawScreen::CreateSurfaceFromBitmap(std::unique_ptr<TDDrawSurface>& surface, HBITMAP bitmap)
{
    if (!FDDraw || !bitmap) return dd::E_INVALIDARG;
    surface = NewSurface();
    surface->Width = bitmap->width();
    surface->Height = bitmap->height();
    if (HRESULT hr = FDDraw->CreateOffscreenSurface(*surface); hr != 0) return hr;
    if (HRESULT hr = surface->CopyBitmap(bitmap, 0, 0, 0, 0); hr != 0) return hr;
    surface->SetColorKey(0);
    return 0;
}

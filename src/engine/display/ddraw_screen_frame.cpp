// The per-frame work of the screen and its window procedure.
#include "engine/display/ddraw_screen.h"

namespace dd = platform::ddraw;

void TDDrawScreen::Clear()
{
    if (!FBackBuffer) return;
    dd::DDBLTFX fx;
    fx.dwFillColor = 0;
    FBackBuffer->Blt(nullptr, nullptr, nullptr, dd::DDBLT_COLORFILL, &fx);
}

void TDDrawScreen::RestoreAfterLoss()
{
    if (FDXVersion == 7) {
        FDDraw->RestoreAllSurfaces();
        return;
    }
    // The version 1 interface restores one surface at a time; a windowed
    // back buffer is no part of the primary's chain and needs its own call,
    // or it would stay lost for good.
    if (FPrimary && FPrimary->Surface()) FPrimary->Surface()->Restore();
    if (FBackBuffer && FBackBuffer->Surface()) FBackBuffer->Surface()->Restore();
}

void TDDrawScreen::Flip()
{
    if (!FPrimary || !FBackBuffer) return;
    HRESULT result;
    do {
        if (FullScreen) result = FPrimary->Flip();
        else result = FPrimary->Blt(&FScreenRect, FBackBuffer.get(), nullptr, dd::DDBLT_WAIT, nullptr);
        if (result == dd::DDERR_SURFACELOST) RestoreAfterLoss();
    } while (result == dd::DDERR_WASSTILLDRAWING);
}

void TDDrawScreen::ScreenWindowProc(platform::Message& message)
{
    if (message.msg == platform::WM_MOVE) {
        UpdateScreenRect();
        message.result = 0;
    } else if (message.msg == platform::WM_ACTIVATEAPP) {
        if (message.wParam != 0) {
            if (FDDraw) RestoreAfterLoss();
            for (auto* list : FImageLists) list->RestoreSurfaces();
            if (OnReActivate) OnReActivate();
        } else if (OnDeActivate) {
            OnDeActivate();
        }
    }
    if (OldWindowProc) OldWindowProc(message);
}

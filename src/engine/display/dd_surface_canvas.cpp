#include "engine/display/dd_surface.h"

bool TDDrawSurfaceCanvas::acquireFrom(platform::ddraw::DirectDrawSurface* surface)
{
    if (!surface) return false;
    HDC dc = nullptr;
    if (surface->GetDC(dc) != 0) return false;
    FDC = dc;
    SetHandle(FDC);
    return true;
}

void TDDrawSurfaceCanvas::releaseTo(platform::ddraw::DirectDrawSurface* surface)
{
    SetHandle(nullptr);
    if (surface && FDC) surface->ReleaseDC(FDC);
    FDC = nullptr;
}

TDDrawSurfaceCanvas1::TDDrawSurfaceCanvas1(std::shared_ptr<platform::ddraw::IDirectDrawSurface> surface)
    : FSurface(std::move(surface))
{
}

TDDrawSurfaceCanvas1::~TDDrawSurfaceCanvas1() { ReleaseDC(); }

TDDrawSurfaceCanvas7::TDDrawSurfaceCanvas7(std::shared_ptr<platform::ddraw::IDirectDrawSurface7> surface)
    : FSurface(std::move(surface))
{
}

TDDrawSurfaceCanvas7::~TDDrawSurfaceCanvas7() { ReleaseDC(); }

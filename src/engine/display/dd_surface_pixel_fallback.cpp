// Stand-ins for the software pixel routines, used only while the image code
// that provides them is not part of the build.
#if !__has_include("engine/display/pixel_routines.h")
#include "engine/display/dd_surface.h"

HRESULT SoftwareAlphaBlend(TDDrawSurface&, int, int, int32_t, uint32_t, bool, const TRect*, TDDrawSurface&)
{
    return platform::ddraw::DDERR_UNSUPPORTED;
}

bool SoftwarePixelCollision(TDDrawSurface&, TDDrawSurface&, int width, int height, const TRect&, const TRect&)
{
    return width > 0 && height > 0;
}
#endif

#include "platform/win32/ddraw/ddraw_errors.h"

#include <algorithm>
#include <iterator>

namespace platform::ddraw {
namespace {

struct Entry {
    HRESULT code;
    const char* name;
    const char* text;
};

// Sorted by nothing in particular; the table is short enough to walk.
constexpr Entry kEntries[] = {
    {DD_OK, "DD_OK", "The request completed successfully."},
    {makeDDResult(5), "DDERR_ALREADYINITIALIZED", "This object is already initialized"},
    {makeDDResult(10), "DDERR_CANNOTATTACHSURFACE", "This surface can not be attached to the requested surface."},
    {makeDDResult(20), "DDERR_CANNOTDETACHSURFACE", "This surface can not be detached from the requested surface."},
    {makeDDResult(40), "DDERR_CURRENTLYNOTAVAIL", "Support is currently not available."},
    {makeDDResult(55), "DDERR_EXCEPTION", "An exception was encountered while performing the requested operation"},
    {DDERR_GENERIC, "DDERR_GENERIC", "Generic failure."},
    {makeDDResult(90), "DDERR_HEIGHTALIGN", "Height of rectangle provided is not a multiple of reqd alignment"},
    {makeDDResult(95), "DDERR_INCOMPATIBLEPRIMARY",
     "Unable to match primary surface creation request with existing primary surface."},
    {DDERR_INVALIDCAPS, "DDERR_INVALIDCAPS", "One or more of the caps bits passed to the callback are incorrect."},
    {makeDDResult(110), "DDERR_INVALIDCLIPLIST", "DirectDraw does not support provided Cliplist."},
    {DDERR_INVALIDMODE, "DDERR_INVALIDMODE", "DirectDraw does not support the requested mode"},
    {DDERR_INVALIDOBJECT, "DDERR_INVALIDOBJECT", "DirectDraw received a pointer that was an invalid DIRECTDRAW object."},
    {DDERR_INVALIDPARAMS, "DDERR_INVALIDPARAMS", "One or more of the parameters passed to the method are incorrect."},
    {DDERR_INVALIDPIXELFORMAT, "DDERR_INVALIDPIXELFORMAT", "pixel format was invalid as specified"},
    {DDERR_INVALIDRECT, "DDERR_INVALIDRECT", "Rectangle provided was invalid."},
    {makeDDResult(160), "DDERR_LOCKEDSURFACES", "Operation could not be carried out because one or more surfaces are locked"},
    {DDERR_NOCOOPERATIVELEVELSET, "DDERR_NOCOOPERATIVELEVELSET",
     "Create function called without DirectDraw object method SetCooperativeLevel being called."},
    {DDERR_NOCOLORKEY, "DDERR_NOCOLORKEY", "Surface doesn't currently have a color key"},
    {DDERR_NODIRECTDRAWSUPPORT, "DDERR_NODIRECTDRAWSUPPORT", "There is no DirectDraw support possible with the current display driver"},
    {DDERR_NOEXCLUSIVEMODE, "DDERR_NOEXCLUSIVEMODE",
     "Operation requires the application to have exclusive mode but the application does not have exclusive mode."},
    {DDERR_NOTFOUND, "DDERR_NOTFOUND", "Requested item was not found"},
    {DDERR_OUTOFMEMORY, "DDERR_OUTOFMEMORY", "DirectDraw does not have enough memory to perform the operation."},
    {DDERR_OUTOFVIDEOMEMORY, "DDERR_OUTOFVIDEOMEMORY",
     "DirectDraw does not have enough display memory to perform the operation."},
    {makeDDResult(387), "DDERR_PALETTEBUSY", "Access to this palette is being refused because the palette is already locked by another thread."},
    {makeDDResult(400), "DDERR_COLORKEYNOTSET", "No src color key specified for this operation."},
    {makeDDResult(410), "DDERR_SURFACEALREADYATTACHED", "This surface is already attached to the surface it is being attached to."},
    {DDERR_SURFACEBUSY, "DDERR_SURFACEBUSY",
     "Access to this surface is being refused because the surface is already locked by another thread."},
    {makeDDResult(435), "DDERR_CANTLOCKSURFACE",
     "Access to this surface is being refused because no driver exists which can supply a pointer to the surface."},
    {DDERR_SURFACELOST, "DDERR_SURFACELOST",
     "Access to this surface is being refused because the surface memory is gone. The DirectDrawSurface object "
     "representing this surface should have Restore called on it."},
    {DDERR_SURFACENOTATTACHED, "DDERR_SURFACENOTATTACHED", "The requested surface is not attached."},
    {DDERR_TOOBIGSIZE, "DDERR_TOOBIGSIZE", "Size requested by DirectDraw is too large."},
    {DDERR_UNSUPPORTED, "DDERR_UNSUPPORTED", "Action not supported."},
    {makeDDResult(510), "DDERR_UNSUPPORTEDFORMAT", "FOURCC format requested is unsupported by DirectDraw"},
    {DDERR_WASSTILLDRAWING, "DDERR_WASSTILLDRAWING",
     "Informs DirectDraw that the previous Blt which is transfering information to or from this Surface is incomplete."},
    {DDERR_PRIMARYSURFACEALREADYEXISTS, "DDERR_PRIMARYSURFACEALREADYEXISTS",
     "This process already has created a primary surface"},
    {DDERR_NOCLIPPERATTACHED, "DDERR_NOCLIPPERATTACHED", "No clipper object attached to surface object"},
    {DDERR_NOHWND, "DDERR_NOHWND",
     "Clipper notification requires an HWND or no HWND has previously been set as the CooperativeLevel HWND."},
    {DDERR_NOPALETTEATTACHED, "DDERR_NOPALETTEATTACHED", "No palette object attached to this surface."},
    {DDERR_EXCLUSIVEMODEALREADYSET, "DDERR_EXCLUSIVEMODEALREADYSET",
     "An attempt was made to set the cooperative level when it was already set to exclusive."},
    {DDERR_NOTFLIPPABLE, "DDERR_NOTFLIPPABLE", "An attempt has been made to flip a surface that is not flippable."},
    {DDERR_NOTLOCKED, "DDERR_NOTLOCKED", "Surface was not locked.  An attempt to unlock a surface that was not locked at all, or by this process, has been attempted."},
    {DDERR_CANTCREATEDC, "DDERR_CANTCREATEDC", "Windows can not create any more DCs, or a DC was requested for a palette-indexed surface when the surface had no palette AND the display mode was not palette-indexed (in this case DirectDraw cannot select a proper palette into the DC)"},
    {DDERR_NODC, "DDERR_NODC", "No DC was ever created for this surface."},
    {DDERR_WRONGMODE, "DDERR_WRONGMODE", "This surface can not be restored because it was created in a different mode."},
    {DDERR_NOTPALETTIZED, "DDERR_NOTPALETTIZED", "The surface being used is not a palette-based surface"},
    {DDERR_UNSUPPORTEDMODE, "DDERR_UNSUPPORTEDMODE", "The display is currently in an unsupported mode"},
    {DDERR_DCALREADYCREATED, "DDERR_DCALREADYCREATED",
     "A DC has already been returned for this surface. Only one DC can be retrieved per surface."},
    {DDERR_NOTINITIALIZED, "DDERR_NOTINITIALIZED",
     "An attempt was made to invoke an interface member of a DirectDraw object created by CoCreateInstance() before it was initialized."},
};

const Entry* find(HRESULT result)
{
    const auto it = std::find_if(std::begin(kEntries), std::end(kEntries),
                                 [result](const Entry& e) { return e.code == result; });
    return it == std::end(kEntries) ? nullptr : &*it;
}

}  // namespace

std::string DDErrorDescription(HRESULT result)
{
    const Entry* e = find(result);
    return e ? e->text : "";
}

std::string DDErrorName(HRESULT result)
{
    const Entry* e = find(result);
    return e ? e->name : "";
}

}  // namespace platform::ddraw

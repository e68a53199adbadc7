#pragma once
// DirectDraw's own words for its result codes, as error messages print them.
#include <string>

#include "platform/win32/ddraw/ddraw_types.h"

namespace platform::ddraw {

// The published description of `result`; empty for codes without one.
std::string DDErrorDescription(HRESULT result);
// The symbolic name ("DDERR_SURFACELOST"); empty for unknown codes.
std::string DDErrorName(HRESULT result);

}  // namespace platform::ddraw

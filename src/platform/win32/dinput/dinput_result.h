#pragma once
// Turning DirectInput result codes into the texts players see.
#include <string>

#include "platform/win32/dinput/dinput_types.h"

namespace platform::dinput {

// The published description of a result code; empty for codes without one.
std::string describeResult(HRESULT result);

// Set-up calls must succeed: a failure raises platform::Exception with
// "Error in: " + context + CR + the description, the same text every other
// DirectX set-up failure shows.
void checkResult(HRESULT result, const std::string& context);

}  // namespace platform::dinput

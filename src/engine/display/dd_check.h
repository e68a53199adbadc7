#pragma once
// Set-up calls into DirectDraw are checked here: a failure becomes an error
// naming where it happened and what DirectDraw said.
#include <string>

#include "platform/backends/backend.h"
#include "platform/errors.h"
#include "platform/win32/ddraw/ddraw_types.h"

// Raises platform::Exception "Error in: " + context + "\r" + the description
// of `result` when `result` is not 0.
void DDCheck(platform::ddraw::HRESULT result, const std::string& context);

// The error dialog's text: class name, ": ", message, shown through the backend.
void ShowErrorMessage(platform::Backend& backend, const std::string& className, const std::string& message);

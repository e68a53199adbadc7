#include "engine/display/dd_check.h"

#include "platform/backends/backend.h"
#include "platform/win32/ddraw/ddraw_errors.h"

void DDCheck(platform::ddraw::HRESULT result, const std::string& context)
{
    if (result == 0) return;
    throw platform::Exception("Error in: " + context + "\r" + platform::ddraw::DDErrorDescription(result));
}

void ShowErrorMessage(platform::Backend& backend, const std::string& className, const std::string& message)
{
    backend.showError("Brindlecog", className + ": " + message);
}

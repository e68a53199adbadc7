#include "platform/win32/dinput/dinput_result.h"

#include "platform/errors.h"

namespace platform::dinput {

std::string describeResult(HRESULT result)
{
    switch (result) {
    case DI_OK: return "The operation completed successfully.";
    case DI_NOEFFECT: return "The operation had no effect.";
    case DI_POLLEDDEVICE: return "The device is a polled device.";
    case DIERR_OLDDIRECTINPUTVERSION:
        return "The application requires a newer version of DirectInput.";
    case DIERR_BETADIRECTINPUTVERSION:
        return "The application was written for an unsupported prerelease version of DirectInput.";
    case DIERR_BADDRIVERVER:
        return "The object could not be created due to an incompatible driver version or mismatched or "
               "incomplete driver components.";
    case DIERR_DEVICENOTREG: return "The device or device instance is not registered with DirectInput.";
    case DIERR_NOTFOUND: return "The requested object does not exist.";
    case DIERR_INVALIDPARAM:
        return "An invalid parameter was passed to the returning function, or the object was not in a "
               "state that permitted the function to be called.";
    case DIERR_NOINTERFACE: return "The specified interface is not supported by the object.";
    case DIERR_GENERIC: return "An undetermined error occurred inside the DirectInput subsystem.";
    case DIERR_OUTOFMEMORY: return "The DirectInput subsystem couldn't allocate sufficient memory to complete the call.";
    case DIERR_UNSUPPORTED: return "The function called is not supported at this time.";
    case DIERR_NOTINITIALIZED: return "This object has not been initialized.";
    case DIERR_ALREADYINITIALIZED: return "This object is already initialized.";
    case DIERR_NOAGGREGATION: return "This object does not support aggregation.";
    case DIERR_OTHERAPPHASPRIO: return "Another application has a higher priority level, preventing this call from succeeding.";
    case DIERR_INPUTLOST: return "Access to the input device has been lost. It must be reacquired.";
    case DIERR_ACQUIRED: return "The operation cannot be performed while the device is acquired.";
    case DIERR_NOTACQUIRED: return "The operation cannot be performed unless the device is acquired.";
    default: return {};
    }
}

void checkResult(HRESULT result, const std::string& context)
{
    if (succeeded(result)) return;
    throw Exception("Error in: " + context + "\r" + describeResult(result));
}

}  // namespace platform::dinput

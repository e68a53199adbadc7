#include "platform/win32/dsound/dsound_types.h"

namespace platform::dsound {

const char* ResultText(HRESULT hr)
{
    switch (hr) {
    case DS_OK: return "The request completed successfully.";
    case DSERR_ALLOCATED: return "The request failed because resources, such as a priority level, were already in use by another caller.";
    case DSERR_CONTROLUNAVAIL: return "The buffer control (volume, pan, and so on) requested by the caller is not available.";
    case DSERR_INVALIDPARAM: return "An invalid parameter was passed to the returning function.";
    case DSERR_INVALIDCALL: return "This function is not valid for the current state of this object.";
    case DSERR_GENERIC: return "An undetermined error occurred inside the DirectSound subsystem.";
    case DSERR_PRIOLEVELNEEDED: return "The caller does not have the priority level required for the function to succeed.";
    case DSERR_OUTOFMEMORY: return "The DirectSound subsystem could not allocate sufficient memory to complete the caller's request.";
    case DSERR_BADFORMAT: return "The specified wave format is not supported.";
    case DSERR_NODRIVER: return "No sound driver is available for use.";
    case DSERR_BUFFERLOST: return "The buffer memory has been lost and must be restored.";
    case DSERR_UNINITIALIZED: return "The Initialize method has not been called or has not been called successfully before other methods were called.";
    default: return "Unknown DirectSound error.";
    }
}

}  // namespace platform::dsound

#pragma once
// The sound components' error classes and the result check of DirectSound
// set-up calls.
#include <string>

#include "platform/errors.h"
#include "platform/win32/dsound/dsound_types.h"

class EDSoundPlayerError : public platform::Exception {
public:
    using platform::Exception::Exception;
    const char* className() const noexcept override { return "EDSoundPlayerError"; }
};

class EDSoundListError : public platform::Exception {
public:
    using platform::Exception::Exception;
    const char* className() const noexcept override { return "EDSoundListError"; }
};

// Raises "Error in: " + context + "\r" + the result's description on failure.
void DSCheck(platform::dsound::HRESULT result, const std::string& context);

#include "engine/sound/sound_errors.h"

void DSCheck(platform::dsound::HRESULT result, const std::string& context)
{
    if (platform::dsound::Succeeded(result)) return;
    throw EDSoundPlayerError("Error in: " + context + "\r" + platform::dsound::ResultText(result));
}

#include <memory>

#include "engine/sound/encrypt_simple.h"
#include "engine/sound/wav.h"

std::unique_ptr<TWav> TEncryptSimple::LoadWavFile(const std::string& fileName)
{
    std::ifstream stream = OpenPrefixed(fileName);
    auto wav = std::make_unique<TWav>();
    wav->LoadFromStream(stream);  // the file closes on the way out, error or not
    return wav;
}

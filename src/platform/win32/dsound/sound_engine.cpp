#include "platform/win32/dsound/sound_engine.h"

namespace platform::dsound {

SoundEngine::SoundEngine() : mixer_(AudioFormat{}) {}

SoundEngine::~SoundEngine()
{
    device_.reset();  // stops the callback before the mixer goes
}

std::shared_ptr<SoundEngine> SoundEngine::open(AudioOutput& output)
{
    std::shared_ptr<SoundEngine> engine(new SoundEngine());
    SoundMixer* mixer = &engine->mixer_;
    engine->device_ = output.open(AudioFormat{}, [mixer](int16_t* out, int frames) { mixer->mix(out, frames); });
    if (!engine->device_) return nullptr;
    Guard guard(*engine);
    engine->mixer_.setOutput(engine->device_->format());
    return engine;
}

}  // namespace platform::dsound

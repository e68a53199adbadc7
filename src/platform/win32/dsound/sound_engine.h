#pragma once
// What a DirectSound object and its buffers share: the open audio device and
// the mixer its callback runs. Buffers keep it alive, so a buffer released
// after its device object is still safe to release.
#include <memory>

#include "platform/backends/audio.h"
#include "platform/win32/dsound/sound_mixer.h"

namespace platform::dsound {

class SoundEngine {
public:
    // Null when no device can be opened.
    static std::shared_ptr<SoundEngine> open(AudioOutput& output);

    SoundEngine(const SoundEngine&) = delete;
    SoundEngine& operator=(const SoundEngine&) = delete;
    ~SoundEngine();

    SoundMixer& mixer() { return mixer_; }

    // Holds the audio thread off while the main thread changes voices.
    class Guard {
    public:
        explicit Guard(SoundEngine& engine) : engine_(engine) { engine_.device_->lock(); }
        ~Guard() { engine_.device_->unlock(); }
        Guard(const Guard&) = delete;
        Guard& operator=(const Guard&) = delete;

    private:
        SoundEngine& engine_;
    };

private:
    SoundEngine();

    SoundMixer mixer_;
    std::unique_ptr<AudioDevice> device_;  // after the mixer: closed first
};

}  // namespace platform::dsound

#pragma once
// The sound card through SDL2's audio callback.
#include "platform/backends/audio.h"

namespace platform {

class SdlAudio final : public AudioOutput {
public:
    SdlAudio() = default;
    ~SdlAudio() override;
    SdlAudio(const SdlAudio&) = delete;
    SdlAudio& operator=(const SdlAudio&) = delete;

    std::vector<std::string> deviceNames() override;
    std::unique_ptr<AudioDevice> open(const AudioFormat& wanted, AudioMixCallback callback) override;

private:
    bool initSubsystem();
    bool initialised_ = false;
    bool failed_ = false;
};

}  // namespace platform

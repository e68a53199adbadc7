#pragma once
// Audio without a sound card: tests pull the mixed stream on demand.
#include <cstdint>
#include <vector>

#include "platform/audio.h"

namespace platform {

class HeadlessAudio final : public AudioOutput {
public:
    std::vector<std::string> deviceNames() override;
    std::unique_ptr<AudioDevice> open(const AudioFormat& wanted, AudioMixCallback callback) override;

    // Machines without a sound device are common; tests choose.
    void setDeviceAvailable(bool available) { available_ = available; }
    // Runs the open device's callback for `frames` frames.
    std::vector<int16_t> pull(int frames);

private:
    friend class HeadlessAudioDevice;
    bool available_ = false;
    AudioFormat format_;
    AudioMixCallback callback_;
    bool open_ = false;
};

}  // namespace platform

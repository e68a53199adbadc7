#pragma once
// Audio without a sound card: tests pull the mixed stream on demand, on their
// own thread, exactly as much as they want to hear.
#include <cstdint>
#include <mutex>
#include <vector>

#include "platform/backends/audio.h"

namespace platform {

class HeadlessAudio final : public AudioOutput {
public:
    std::vector<std::string> deviceNames() override;
    // One device at a time, like a card that cannot be shared.
    std::unique_ptr<AudioDevice> open(const AudioFormat& wanted, AudioMixCallback callback) override;

    // Machines without a sound device are common; tests choose (default: none).
    void setDeviceAvailable(bool available) { available_ = available; }
    // The format the device will run at whatever is asked, as some cards do;
    // frequency 0 means "as asked".
    void setDeviceFormat(AudioFormat format) { forced_ = format; }
    bool deviceOpen() const { return open_; }
    AudioFormat format() const { return format_; }

    // Runs the open device's callback for `frames` frames (silence when none is open).
    std::vector<int16_t> pull(int frames);

private:
    friend class HeadlessAudioDevice;
    bool available_ = false;
    AudioFormat forced_{0, 0};
    AudioFormat format_;
    AudioMixCallback callback_;
    bool open_ = false;
    std::recursive_mutex mutex_;  // the device lock; held while the callback runs
};

}  // namespace platform

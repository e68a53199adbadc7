#pragma once
// The sound card as the mixer sees it: a stream of 16-bit frames pulled
// through a callback.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace platform {

struct AudioFormat {
    int frequency = 44100;
    int channels = 2;  // interleaved signed 16-bit
};

// Fills `frames` frames (frames * channels samples) of output.
using AudioMixCallback = std::function<void(int16_t* out, int frames)>;

class AudioDevice {
public:
    virtual ~AudioDevice() = default;
    virtual AudioFormat format() const = 0;
    // Keeps the callback from running while the main thread changes what it reads.
    virtual void lock() = 0;
    virtual void unlock() = 0;
};

class AudioOutput {
public:
    virtual ~AudioOutput() = default;
    // Empty when the machine has no sound device.
    virtual std::vector<std::string> deviceNames() = 0;
    // Null when no device can be opened.
    virtual std::unique_ptr<AudioDevice> open(const AudioFormat& wanted, AudioMixCallback callback) = 0;
};

}  // namespace platform

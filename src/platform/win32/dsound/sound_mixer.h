#pragma once
// The software mixer behind DirectSound: sums every playing buffer into the
// output stream, resampling each to the output rate by linear interpolation,
// applying its volume and pan, and clipping the sum to 16 bits.
//
// Threading: mix() runs on the audio thread while the device lock is held;
// every other call, and every change to an attached voice, happens on the
// main thread under the same lock. mix() never allocates.
#include <array>
#include <cstdint>
#include <vector>

#include "platform/backends/audio.h"

namespace platform::dsound {

// One sound buffer as the mixer sees it. Positions are in frames, 32.32 fixed point.
struct MixerVoice {
    const uint8_t* data = nullptr;
    uint32_t frameCount = 0;
    uint16_t channels = 1;       // 1 or 2
    uint16_t bitsPerSample = 16; // 8 (unsigned) or 16 (signed)
    bool playing = false;
    bool looping = false;
    bool suspended = false;  // the main thread is writing its samples
    bool lost = false;
    uint64_t position = 0;
    uint64_t step = uint64_t{1} << 32;  // source frames per output frame
    float gainLeft = 1.0f;
    float gainRight = 1.0f;
};

class SoundMixer {
public:
    static constexpr int kChunkFrames = 256;

    explicit SoundMixer(AudioFormat output);

    AudioFormat output() const { return output_; }
    // The device may run at another rate than asked for.
    void setOutput(AudioFormat output) { output_ = output; }

    void attach(MixerVoice* voice);
    void detach(MixerVoice* voice);
    const std::vector<MixerVoice*>& voices() const { return voices_; }

    // Fills `frames` interleaved frames of the output format.
    void mix(int16_t* out, int frames) noexcept;

    // The per-output-frame step for a buffer played at `frequency` Hz.
    uint64_t stepFor(uint32_t frequency) const;

private:
    void mixChunk(int16_t* out, int frames) noexcept;

    AudioFormat output_;
    std::vector<MixerVoice*> voices_;
    std::array<float, kChunkFrames * 2> accumulator_{};
};

// DirectSound's volume and pan (hundredths of a decibel) as linear gains.
float GainFromHundredthsDb(int32_t hundredths);
void GainsFor(int32_t volume, int32_t pan, float& left, float& right);

}  // namespace platform::dsound

#include "platform/win32/dsound/sound_mixer.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/win32/dsound/dsound_types.h"

namespace platform::dsound {
namespace {

template <int Bits>
inline float sampleAt(const uint8_t* p)
{
    if constexpr (Bits == 8) {
        return static_cast<float>((static_cast<int>(*p) - 128) * 256);
    } else {
        int16_t s;
        std::memcpy(&s, p, sizeof s);  // little-endian data on little-endian hosts
        return static_cast<float>(s);
    }
}

// Mixes one voice into the accumulator. Templated on the source layout and the
// output channel count so the inner loop has no format branches.
template <int SrcChannels, int Bits, int OutChannels>
void mixVoice(MixerVoice& v, float* acc, int frames) noexcept
{
    constexpr int kBytes = Bits / 8;
    constexpr int kFrameBytes = kBytes * SrcChannels;
    const uint64_t length = uint64_t{v.frameCount} << 32;
    const uint32_t last = v.frameCount - 1;
    const float gl = v.gainLeft;
    const float gr = v.gainRight;
    uint64_t pos = v.position;

    for (int i = 0; i < frames; ++i) {
        if (pos >= length) {
            if (!v.looping) {
                v.playing = false;
                pos = 0;
                break;
            }
            pos %= length;
        }
        const uint32_t index = static_cast<uint32_t>(pos >> 32);
        const float frac = static_cast<float>(static_cast<uint32_t>(pos)) * (1.0f / 4294967296.0f);
        const uint32_t nextIndex = index < last ? index + 1 : (v.looping ? 0 : index);
        const uint8_t* a = v.data + std::size_t{index} * kFrameBytes;
        const uint8_t* b = v.data + std::size_t{nextIndex} * kFrameBytes;

        float left = sampleAt<Bits>(a);
        left += (sampleAt<Bits>(b) - left) * frac;
        float right = left;
        if constexpr (SrcChannels == 2) {
            right = sampleAt<Bits>(a + kBytes);
            right += (sampleAt<Bits>(b + kBytes) - right) * frac;
        }
        if constexpr (OutChannels == 2) {
            acc[2 * i] += left * gl;
            acc[2 * i + 1] += right * gr;
        } else {
            acc[i] += 0.5f * (left * gl + right * gr);
        }
        pos += v.step;
    }
    v.position = pos;
}

template <int OutChannels>
void mixAny(MixerVoice& v, float* acc, int frames) noexcept
{
    if (v.bitsPerSample == 8) {
        if (v.channels == 2) mixVoice<2, 8, OutChannels>(v, acc, frames);
        else mixVoice<1, 8, OutChannels>(v, acc, frames);
    } else {
        if (v.channels == 2) mixVoice<2, 16, OutChannels>(v, acc, frames);
        else mixVoice<1, 16, OutChannels>(v, acc, frames);
    }
}

}  // namespace

SoundMixer::SoundMixer(AudioFormat output) : output_(output) {}

void SoundMixer::attach(MixerVoice* voice)
{
    if (std::find(voices_.begin(), voices_.end(), voice) == voices_.end()) voices_.push_back(voice);
}

void SoundMixer::detach(MixerVoice* voice)
{
    voices_.erase(std::remove(voices_.begin(), voices_.end(), voice), voices_.end());
}

uint64_t SoundMixer::stepFor(uint32_t frequency) const
{
    const uint64_t rate = output_.frequency > 0 ? static_cast<uint64_t>(output_.frequency) : 44100;
    return (uint64_t{frequency} << 32) / rate;
}

void SoundMixer::mix(int16_t* out, int frames) noexcept
{
    const int channels = output_.channels == 1 ? 1 : 2;
    while (frames > 0) {
        const int n = std::min(frames, kChunkFrames);
        mixChunk(out, n);
        out += n * channels;
        frames -= n;
    }
}

void SoundMixer::mixChunk(int16_t* out, int frames) noexcept
{
    const int channels = output_.channels == 1 ? 1 : 2;
    float* acc = accumulator_.data();
    std::fill_n(acc, frames * channels, 0.0f);
    for (MixerVoice* v : voices_) {
        if (!v->playing || v->suspended || v->lost || v->frameCount == 0) continue;
        if (channels == 2) mixAny<2>(*v, acc, frames);
        else mixAny<1>(*v, acc, frames);
    }
    for (int i = 0; i < frames * channels; ++i) {
        const float s = std::clamp(acc[i], -32768.0f, 32767.0f);
        out[i] = static_cast<int16_t>(std::lrint(s));
    }
}

float GainFromHundredthsDb(int32_t hundredths)
{
    if (hundredths <= DSBVOLUME_MIN) return 0.0f;
    if (hundredths >= 0) return 1.0f;
    return static_cast<float>(std::pow(10.0, hundredths / 2000.0));
}

void GainsFor(int32_t volume, int32_t pan, float& left, float& right)
{
    const float gain = GainFromHundredthsDb(volume);
    // Pan attenuates the far side only, as DirectSound does.
    left = gain * (pan > 0 ? GainFromHundredthsDb(-pan) : 1.0f);
    right = gain * (pan < 0 ? GainFromHundredthsDb(pan) : 1.0f);
}

}  // namespace platform::dsound

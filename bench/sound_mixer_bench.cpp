// Cost of the software mixer: 16 voices of mixed formats summed into one
// second of 44.1 kHz stereo. Its time per iteration is the share of one
// core the mixing takes while playing in real time.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "platform/win32/dsound/sound_mixer.h"

namespace {

using platform::dsound::MixerVoice;
using platform::dsound::SoundMixer;

void BM_MixSixteenVoicesOneSecond(benchmark::State& state)
{
    SoundMixer mixer({44100, 2});
    const uint32_t rates[] = {11025, 22050, 32000, 44100, 48000};
    std::vector<std::vector<uint8_t>> data(16);
    std::vector<MixerVoice> voices(16);
    for (int i = 0; i < 16; ++i) {
        MixerVoice& v = voices[i];
        v.channels = uint16_t(1 + i % 2);
        v.bitsPerSample = uint16_t(i % 4 < 2 ? 16 : 8);
        const uint32_t frames = 20000 + 977 * i;
        data[i].resize(std::size_t{frames} * v.channels * v.bitsPerSample / 8);
        for (std::size_t b = 0; b < data[i].size(); ++b) data[i][b] = uint8_t(std::lround(127 + 100 * std::sin(b * 0.01)));
        v.data = data[i].data();
        v.frameCount = frames;
        v.playing = true;
        v.looping = true;
        v.step = mixer.stepFor(rates[i % 5]);
        v.gainLeft = 0.5f;
        v.gainRight = 0.25f;
        mixer.attach(&v);
    }
    std::vector<int16_t> out(44100 * 2);
    for (auto _ : state) {
        mixer.mix(out.data(), 44100);
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    state.counters["cpu_per_audio_second"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate |
                                                                                       benchmark::Counter::kInvert);
}
BENCHMARK(BM_MixSixteenVoicesOneSecond)->Unit(benchmark::kMillisecond);

}  // namespace

// Time from Play to the first mixed sample leaving the mixer on SDL's audio
// thread. Uses SDL's "disk" audio driver, which runs its callback in real
// time and writes the stream to a file, so it works without a sound card.
#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <thread>
#include <vector>

#include "platform/backends/headless/headless_window.h"
#include "platform/backends/sdl2/sdl_audio.h"
#include "platform/win32/dsound/direct_sound.h"

namespace {

using namespace platform::dsound;
using Clock = std::chrono::steady_clock;

// Passes the SDL stream through and notes when sound first comes out.
class TimedOutput final : public platform::AudioOutput {
public:
    explicit TimedOutput(platform::AudioOutput& inner) : inner_(inner) {}
    std::vector<std::string> deviceNames() override { return inner_.deviceNames(); }
    std::unique_ptr<platform::AudioDevice> open(const platform::AudioFormat& wanted,
                                                platform::AudioMixCallback callback) override
    {
        return inner_.open(wanted, [this, callback](int16_t* out, int frames) {
            callback(out, frames);
            for (int i = 0; i < frames * 2; ++i) {
                if (out[i] != 0) {
                    heard_.store(Clock::now().time_since_epoch().count());
                    break;
                }
            }
        });
    }
    void reset() { heard_.store(0); }
    Clock::rep heard() const { return heard_.load(); }

private:
    platform::AudioOutput& inner_;
    std::atomic<Clock::rep> heard_{0};
};

void BM_PlayToFirstSampleSdl(benchmark::State& state)
{
    const std::string path = (std::filesystem::temp_directory_path() / "brindlecog_latency.raw").string();
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", path.c_str(), 1);
    platform::SdlAudio sdl;
    TimedOutput audio(sdl);
    std::unique_ptr<DirectSound> device;
    if (DirectSoundCreate(audio, device) != DS_OK) {
        state.SkipWithError("SDL disk audio driver not available");
        return;
    }
    platform::HeadlessWindow window;  // the level wants a window; no screen is needed
    device->SetCooperativeLevel(&window, DSSCL_NORMAL);

    WaveFormat f{WAVE_FORMAT_PCM, 1, 44100, 88200, 2, 16, 0};
    std::vector<int16_t> tone(4410, 12000);
    BufferDesc desc{36, DSBCAPS_STATIC, uint32_t(tone.size() * 2), &f};
    std::unique_ptr<DirectSoundBuffer> buffer;
    device->CreateSoundBuffer(desc, buffer);
    void *p1, *p2;
    uint32_t n1, n2;
    buffer->Lock(0, 0, &p1, &n1, &p2, &n2, DSBLOCK_ENTIREBUFFER);
    std::memcpy(p1, tone.data(), n1);
    buffer->Unlock(p1, n1, p2, n2);

    double worst = 0;
    int iteration = 0;
    for (auto _ : state) {
        buffer->Stop();
        // Let silence through, and start at a different point of the callback period each time.
        std::this_thread::sleep_for(std::chrono::microseconds(30000 + 1700 * (iteration++ % 7)));
        audio.reset();
        const auto start = Clock::now();
        buffer->SetCurrentPosition(0);
        buffer->Play(0, 0, DSBPLAY_LOOPING);
        while (audio.heard() == 0) std::this_thread::sleep_for(std::chrono::microseconds(100));
        const double seconds = std::chrono::duration<double>(Clock::duration(audio.heard()) - start.time_since_epoch()).count();
        worst = std::max(worst, seconds);
        state.SetIterationTime(seconds);
    }
    state.counters["worst_ms"] = worst * 1000;
    buffer.reset();
    device.reset();
    std::remove(path.c_str());
}
BENCHMARK(BM_PlayToFirstSampleSdl)->UseManualTime()->Iterations(60)->Unit(benchmark::kMillisecond);

}  // namespace

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "platform/backends/headless/headless_backend.h"
#include "platform/win32/dsound/direct_sound.h"

using namespace platform::dsound;

// The audio thread mixes while the main thread creates, plays, changes and
// releases buffers; under the sanitizers this catches any buffer the mixer
// could still read after its release.
TEST(DirectSoundThreads, MixingWhileBuffersComeAndGo)
{
    platform::HeadlessBackend backend;
    backend.headlessAudio().setDeviceAvailable(true);
    std::unique_ptr<DirectSound> device;
    ASSERT_EQ(DirectSoundCreate(backend.audio(), device), DS_OK);
    device->SetCooperativeLevel(&backend.window(), DSSCL_NORMAL);

    std::atomic<bool> done{false};
    std::atomic<int> peak{0};
    std::thread audioThread([&] {
        while (!done) {
            for (int16_t s : backend.headlessAudio().pull(64)) peak = std::max<int>(peak, s);
        }
    });

    WaveFormat f{WAVE_FORMAT_PCM, 1, 22050, 44100, 2, 16, 0};
    BufferDesc desc{36, DSBCAPS_STATIC | DSBCAPS_CTRLVOLUME | DSBCAPS_CTRLFREQUENCY, 512, &f};
    for (int round = 0; round < 300; ++round) {
        std::unique_ptr<DirectSoundBuffer> a, b;
        ASSERT_EQ(device->CreateSoundBuffer(desc, a), DS_OK);
        ASSERT_EQ(device->CreateSoundBuffer(desc, b), DS_OK);
        void *p1, *p2;
        uint32_t n1, n2;
        a->Lock(0, 0, &p1, &n1, &p2, &n2, DSBLOCK_ENTIREBUFFER);
        std::fill_n(static_cast<int16_t*>(p1), n1 / 2, int16_t(100));
        a->Unlock(p1, n1, p2, n2);
        a->Play(0, 0, DSBPLAY_LOOPING);
        b->Play(0, 0, 0);
        a->SetVolume(-(round % 50) * 10);
        a->SetFrequency(11025 + round * 10);
        if (round % 3 == 0) a->Stop();
        std::this_thread::yield();
    }
    done = true;
    audioThread.join();
    EXPECT_LE(peak.load(), 100);
}

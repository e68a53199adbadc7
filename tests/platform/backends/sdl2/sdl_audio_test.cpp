#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/backends/headless/headless_window.h"
#include "platform/backends/sdl2/sdl_audio.h"
#include "platform/win32/dsound/direct_sound.h"
#include "support/scoped_env.h"

using namespace platform::dsound;

TEST(SdlAudio, WithoutADriverThereIsNoDevice)
{
    ScopedEnv env;
    env.set("SDL_AUDIODRIVER", "no-such-driver");
    platform::SdlAudio audio;
    EXPECT_TRUE(audio.deviceNames().empty());
    std::unique_ptr<DirectSound> device;
    EXPECT_EQ(DirectSoundCreate(audio, device), DSERR_NODRIVER);
}

// The disk driver writes the mixed stream to a file in real time: what we
// play must come out there, sample for sample.
TEST(SdlAudio, MixedStreamReachesTheDevice)
{
    const std::string path = (std::filesystem::temp_directory_path() / "brindlecog_sdl_audio_test.raw").string();
    {
        ScopedEnv env;
        env.set("SDL_AUDIODRIVER", "disk");
        env.set("SDL_DISKAUDIOFILE", path.c_str());
        platform::SdlAudio audio;
        ASSERT_FALSE(audio.deviceNames().empty());
        std::unique_ptr<DirectSound> device;
        ASSERT_EQ(DirectSoundCreate(audio, device), DS_OK);
        platform::HeadlessWindow window;
        ASSERT_EQ(device->SetCooperativeLevel(&window, DSSCL_NORMAL), DS_OK);
        ASSERT_EQ(device->outputFormat().frequency, 44100);

        WaveFormat f{WAVE_FORMAT_PCM, 1, 44100, 88200, 2, 16, 0};
        const int16_t samples[4] = {1000, 2000, 3000, 4000};
        BufferDesc desc{36, DSBCAPS_STATIC, sizeof samples, &f};
        std::unique_ptr<DirectSoundBuffer> buffer;
        ASSERT_EQ(device->CreateSoundBuffer(desc, buffer), DS_OK);
        void *p1, *p2;
        uint32_t n1, n2;
        ASSERT_EQ(buffer->Lock(0, 0, &p1, &n1, &p2, &n2, DSBLOCK_ENTIREBUFFER), DS_OK);
        std::memcpy(p1, samples, sizeof samples);
        buffer->Unlock(p1, n1, p2, n2);
        buffer->Play(0, 0, DSBPLAY_LOOPING);
        std::this_thread::sleep_for(std::chrono::milliseconds(60));
    }  // closing the device flushes the file

    std::ifstream in(path, std::ios::binary);
    std::vector<int16_t> stream;
    int16_t s;
    while (in.read(reinterpret_cast<char*>(&s), 2)) stream.push_back(s);
    in.close();  // Windows removes no file that is open
    std::filesystem::remove(path);
    const std::vector<int16_t> period = {1000, 1000, 2000, 2000, 3000, 3000, 4000, 4000};
    const auto at = std::search(stream.begin(), stream.end(), period.begin(), period.end());
    ASSERT_NE(at, stream.end());
    EXPECT_TRUE(std::equal(period.begin(), period.end(), at + 8));
}

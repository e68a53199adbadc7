#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <numbers>

#include "platform/backends/headless/headless_backend.h"
#include "platform/win32/dsound/direct_sound.h"

using namespace platform::dsound;

namespace {

WaveFormat pcm(uint16_t channels, uint32_t rate, uint16_t bits)
{
    WaveFormat f;
    f.formatTag = WAVE_FORMAT_PCM;
    f.channels = channels;
    f.samplesPerSec = rate;
    f.bitsPerSample = bits;
    f.blockAlign = uint16_t(channels * bits / 8);
    f.avgBytesPerSec = f.blockAlign * rate;
    return f;
}

class Mixer : public ::testing::Test {
protected:
    void SetUp() override
    {
        backend.headlessAudio().setDeviceAvailable(true);
        ASSERT_EQ(DirectSoundCreate(backend.audio(), device), DS_OK);
        ASSERT_EQ(device->SetCooperativeLevel(&backend.window(), DSSCL_NORMAL), DS_OK);
    }

    template <typename T>
    std::unique_ptr<DirectSoundBuffer> buffer(const WaveFormat& f, const std::vector<T>& samples)
    {
        BufferDesc desc;
        desc.flags = DSBCAPS_STATIC | DSBCAPS_CTRLVOLUME | DSBCAPS_CTRLPAN | DSBCAPS_CTRLFREQUENCY;
        desc.bufferBytes = uint32_t(samples.size() * sizeof(T));
        desc.format = &f;
        std::unique_ptr<DirectSoundBuffer> b;
        EXPECT_EQ(device->CreateSoundBuffer(desc, b), DS_OK);
        void *p1, *p2;
        uint32_t n1, n2;
        EXPECT_EQ(b->Lock(0, 0, &p1, &n1, &p2, &n2, DSBLOCK_ENTIREBUFFER), DS_OK);
        std::memcpy(p1, samples.data(), n1);
        EXPECT_EQ(b->Unlock(p1, n1, p2, n2), DS_OK);
        return b;
    }

    std::vector<int16_t> pull(int frames) { return backend.headlessAudio().pull(frames); }

    platform::HeadlessBackend backend;
    std::unique_ptr<DirectSound> device;
};

}  // namespace

TEST(DirectSoundDevice, NoDeviceMeansNothingEnumeratedAndNoDriver)
{
    platform::HeadlessBackend backend;
    int found = 0;
    EXPECT_EQ(DirectSoundEnumerate(backend.audio(), [&](const std::string&) { return ++found, true; }), DS_OK);
    EXPECT_EQ(found, 0);
    std::unique_ptr<DirectSound> device;
    EXPECT_EQ(DirectSoundCreate(backend.audio(), device), DSERR_NODRIVER);
    EXPECT_EQ(device, nullptr);
}

TEST_F(Mixer, TwoVoicesSumSampleBySampleAndClip)
{
    auto a = buffer<int16_t>(pcm(2, 44100, 16), {1000, -1000, 30000, -30000, 5, 6});
    auto b = buffer<int16_t>(pcm(2, 44100, 16), {234, 567, 30000, -30000, -5, -6});
    a->Play(0, 0, 0);
    b->Play(0, 0, 0);
    EXPECT_EQ(pull(4), (std::vector<int16_t>{1234, -433, 32767, -32768, 0, 0, 0, 0}));
}

TEST_F(Mixer, EightBitAndMonoSourcesFillBothChannels)
{
    auto a = buffer<uint8_t>(pcm(1, 44100, 8), {128, 255, 0, 129});
    a->Play(0, 0, 0);
    EXPECT_EQ(pull(4), (std::vector<int16_t>{0, 0, 32512, 32512, -32768, -32768, 256, 256}));
}

TEST_F(Mixer, ResamplesByInterpolation)
{
    // 22050 Hz played into 44100 Hz: every second output frame lies halfway.
    auto a = buffer<int16_t>(pcm(1, 22050, 16), {0, 1000, 3000, 3000});
    a->Play(0, 0, 0);
    const auto out = pull(6);
    const std::vector<int16_t> left = {out[0], out[2], out[4], out[6], out[8], out[10]};
    EXPECT_EQ(left, (std::vector<int16_t>{0, 500, 1000, 2000, 3000, 3000}));

    // Frequency control: twice the rate skips every other sample.
    a->SetFrequency(88200);
    a->SetCurrentPosition(0);
    a->Play(0, 0, 0);
    const auto fast = pull(3);
    EXPECT_EQ(fast[0], 0);
    EXPECT_EQ(fast[2], 3000);
    uint32_t status = 9;
    a->GetStatus(&status);
    EXPECT_EQ(status, 0u);  // ran off the end and stopped
}

TEST_F(Mixer, ASineSurvivesRateConversion)
{
    // 1 kHz at 48 kHz resampled to 44.1 kHz stays a 1 kHz sine within a few LSB.
    std::vector<int16_t> tone(4800);
    for (std::size_t i = 0; i < tone.size(); ++i) tone[i] = int16_t(std::lround(16000 * std::sin(2 * std::numbers::pi * 1000 * i / 48000.0)));
    auto a = buffer<int16_t>(pcm(1, 48000, 16), tone);
    a->Play(0, 0, DSBPLAY_LOOPING);
    const auto out = pull(4410);
    double worst = 0;
    for (int i = 0; i < 4410; ++i) {
        const double expected = 16000 * std::sin(2 * std::numbers::pi * 1000 * i / 44100.0);
        worst = std::max(worst, std::abs(out[2 * i] - expected));
    }
    EXPECT_LT(worst, 40.0);  // linear interpolation error at 1 kHz is about 0.2 %
}

TEST_F(Mixer, VolumeAndPanAttenuateInHundredthsOfADecibel)
{
    auto a = buffer<int16_t>(pcm(1, 44100, 16), std::vector<int16_t>(64, 20000));
    a->Play(0, 0, DSBPLAY_LOOPING);
    a->SetVolume(-600);  // -6 dB: about half
    auto out = pull(1);
    EXPECT_NEAR(out[0], 10024, 1);
    EXPECT_EQ(out[0], out[1]);
    a->SetVolume(0);
    a->SetPan(2000);  // right: the left side loses 20 dB
    out = pull(1);
    EXPECT_EQ(out[0], 2000);
    EXPECT_EQ(out[1], 20000);
    a->SetPan(DSBPAN_LEFT);
    out = pull(1);
    EXPECT_EQ(out[1], 0);
    EXPECT_EQ(a->SetVolume(1), DSERR_INVALIDPARAM);
    EXPECT_EQ(a->SetPan(-10001), DSERR_INVALIDPARAM);
}

TEST_F(Mixer, LoopingWrapsAndStopKeepsThePosition)
{
    auto a = buffer<int16_t>(pcm(1, 44100, 16), {1, 2, 3});
    a->Play(0, 0, DSBPLAY_LOOPING);
    uint32_t status = 0;
    a->GetStatus(&status);
    EXPECT_EQ(status, DSBSTATUS_PLAYING | DSBSTATUS_LOOPING);
    auto out = pull(5);
    EXPECT_EQ(out[8], 2);
    a->Stop();
    uint32_t play = 0, write = 0;
    a->GetCurrentPosition(&play, &write);
    EXPECT_EQ(play, 4u);  // frame 2, two bytes a frame
    EXPECT_EQ(pull(1), (std::vector<int16_t>{0, 0}));
    a->Play(0, 0, 0);
    EXPECT_EQ(pull(2), (std::vector<int16_t>{3, 3, 0, 0}));
}

TEST_F(Mixer, LockedBufferIsNotHeardAndLockRangesWrap)
{
    auto a = buffer<int16_t>(pcm(1, 44100, 16), {5, 5, 5, 5});
    a->Play(0, 0, DSBPLAY_LOOPING);
    void *p1, *p2;
    uint32_t n1, n2;
    ASSERT_EQ(a->Lock(6, 4, &p1, &n1, &p2, &n2, 0), DS_OK);
    EXPECT_EQ(n1, 2u);
    EXPECT_EQ(n2, 2u);
    EXPECT_EQ(pull(1), (std::vector<int16_t>{0, 0}));
    EXPECT_EQ(a->Unlock(p1, n1, p2, n2), DS_OK);
    EXPECT_EQ(pull(1), (std::vector<int16_t>{5, 5}));
    EXPECT_EQ(a->Lock(8, 2, &p1, &n1, &p2, &n2, 0), DSERR_INVALIDPARAM);
    int16_t outside = 0;
    EXPECT_EQ(a->Unlock(&outside, 2, nullptr, 0), DSERR_INVALIDPARAM);
}

TEST_F(Mixer, RefusesBuffersItCannotPlay)
{
    std::unique_ptr<DirectSoundBuffer> b;
    BufferDesc desc;
    desc.flags = DSBCAPS_STATIC;
    desc.bufferBytes = 64;
    WaveFormat f = pcm(6, 44100, 16);
    desc.format = &f;
    EXPECT_EQ(device->CreateSoundBuffer(desc, b), DSERR_BADFORMAT);
    f = pcm(1, 44100, 24);
    EXPECT_EQ(device->CreateSoundBuffer(desc, b), DSERR_BADFORMAT);
    f = pcm(1, 44100, 16);
    desc.bufferBytes = 0;
    EXPECT_EQ(device->CreateSoundBuffer(desc, b), DSERR_INVALIDPARAM);
    desc.bufferBytes = 64;
    ASSERT_EQ(device->CreateSoundBuffer(desc, b), DS_OK);
    EXPECT_EQ(b->SetVolume(-100), DSERR_CONTROLUNAVAIL);  // created without volume control
}

TEST_F(Mixer, PrimaryFormatNeedsPriorityLevel)
{
    BufferDesc desc;
    desc.flags = DSBCAPS_PRIMARYBUFFER;
    std::unique_ptr<DirectSoundBuffer> primary;
    ASSERT_EQ(device->CreateSoundBuffer(desc, primary), DS_OK);
    const WaveFormat f = pcm(2, 22050, 16);
    EXPECT_EQ(primary->SetFormat(&f), DSERR_PRIOLEVELNEEDED);
    device->SetCooperativeLevel(&backend.window(), DSSCL_PRIORITY);
    EXPECT_EQ(primary->SetFormat(&f), DS_OK);
    const WaveFormat bad = pcm(2, 5, 16);
    EXPECT_EQ(primary->SetFormat(&bad), DSERR_BADFORMAT);
}

TEST_F(Mixer, BuffersMayOutliveTheirDeviceObject)
{
    auto a = buffer<int16_t>(pcm(1, 44100, 16), {9, 9});
    a->Play(0, 0, 0);
    device.reset();
    EXPECT_EQ(pull(1), (std::vector<int16_t>{9, 9}));
    a.reset();
    EXPECT_FALSE(backend.headlessAudio().deviceOpen());
}

TEST(MixerRates, FollowsTheDevicesActualRate)
{
    platform::HeadlessBackend backend;
    backend.headlessAudio().setDeviceAvailable(true);
    backend.headlessAudio().setDeviceFormat({22050, 2});
    std::unique_ptr<DirectSound> device;
    ASSERT_EQ(DirectSoundCreate(backend.audio(), device), DS_OK);
    device->SetCooperativeLevel(&backend.window(), DSSCL_NORMAL);
    EXPECT_EQ(device->outputFormat().frequency, 22050);
    WaveFormat f = pcm(1, 44100, 16);
    BufferDesc desc{36, DSBCAPS_STATIC, 8, &f};
    std::unique_ptr<DirectSoundBuffer> b;
    ASSERT_EQ(device->CreateSoundBuffer(desc, b), DS_OK);
    void *p1, *p2;
    uint32_t n1, n2;
    b->Lock(0, 0, &p1, &n1, &p2, &n2, DSBLOCK_ENTIREBUFFER);
    const int16_t s[4] = {1, 2, 3, 4};
    std::memcpy(p1, s, 8);
    b->Unlock(p1, n1, p2, n2);
    b->Play(0, 0, 0);
    EXPECT_EQ(backend.headlessAudio().pull(3), (std::vector<int16_t>{1, 1, 3, 3, 0, 0}));
}

namespace {

std::shared_ptr<const std::vector<uint8_t>> samplesOf(const std::vector<int16_t>& values)
{
    auto bytes = std::make_shared<std::vector<uint8_t>>(values.size() * 2);
    std::memcpy(bytes->data(), values.data(), bytes->size());
    return bytes;
}

// Makes `b` a static 8-byte buffer of 16-bit mono over shared samples.
HRESULT SharedBuffer(DirectSound& device, std::shared_ptr<const std::vector<uint8_t>> samples,
                     std::unique_ptr<DirectSoundBuffer>& b)
{
    const WaveFormat f = pcm(1, 44100, 16);
    BufferDesc desc;
    desc.flags = DSBCAPS_STATIC;
    desc.bufferBytes = 8;
    desc.format = &f;
    return device.CreateSoundBuffer(desc, b, std::move(samples));
}

}  // namespace

// A static buffer made from a loaded sound plays that sound's memory; it
// must never write into it: not when locked, not when lost and restored.
TEST_F(Mixer, SharedSamplesAreNeverWrittenThroughTheBuffer)
{
    const auto samples = samplesOf({4, 5, 6, 7});
    const std::vector<uint8_t> original = *samples;
    std::unique_ptr<DirectSoundBuffer> b;
    ASSERT_EQ(SharedBuffer(*device, samples, b), DS_OK);
    b->Play(0, 0, 0);
    EXPECT_EQ(pull(2), (std::vector<int16_t>{4, 4, 5, 5}));

    // Writing gives the buffer its own copy first.
    void *p1, *p2;
    uint32_t n1, n2;
    ASSERT_EQ(b->Lock(0, 0, &p1, &n1, &p2, &n2, DSBLOCK_ENTIREBUFFER), DS_OK);
    EXPECT_NE(p1, samples->data());
    std::memset(p1, 0x11, n1);
    ASSERT_EQ(b->Unlock(p1, n1, p2, n2), DS_OK);
    EXPECT_EQ(*samples, original);
    EXPECT_EQ(pull(1), (std::vector<int16_t>{0x1111, 0x1111}));

    // Shared again, then lost: the memory that comes back is silent, and
    // the sound's samples are untouched.
    ASSERT_EQ(b->ShareSamples(samples), DS_OK);
    b->SetCurrentPosition(0);
    device->LoseBuffers();
    EXPECT_EQ(b->Play(0, 0, 0), DSERR_BUFFERLOST);
    EXPECT_EQ(b->ShareSamples(samples), DSERR_BUFFERLOST);
    ASSERT_EQ(b->Restore(), DS_OK);
    EXPECT_EQ(*samples, original);
    b->Play(0, 0, 0);
    EXPECT_EQ(pull(1), (std::vector<int16_t>{0, 0}));
}

TEST_F(Mixer, SharingNeedsSamplesOfTheBuffersSize)
{
    std::unique_ptr<DirectSoundBuffer> b;
    // Samples of another size are not taken: the buffer starts silent.
    ASSERT_EQ(SharedBuffer(*device, samplesOf({9, 9}), b), DS_OK);
    EXPECT_EQ(b->sizeBytes(), 8u);
    b->Play(0, 0, 0);
    EXPECT_EQ(pull(1), (std::vector<int16_t>{0, 0}));
    EXPECT_EQ(b->ShareSamples(samplesOf({1, 2, 3})), DSERR_INVALIDPARAM);
    EXPECT_EQ(b->ShareSamples(nullptr), DSERR_INVALIDPARAM);
    // Nor while somebody is writing into the buffer.
    void *p1, *p2;
    uint32_t n1, n2;
    ASSERT_EQ(b->Lock(0, 0, &p1, &n1, &p2, &n2, DSBLOCK_ENTIREBUFFER), DS_OK);
    EXPECT_EQ(b->ShareSamples(samplesOf({1, 2, 3, 4})), DSERR_INVALIDCALL);
    ASSERT_EQ(b->Unlock(p1, n1, p2, n2), DS_OK);
    EXPECT_EQ(b->ShareSamples(samplesOf({1, 2, 3, 4})), DS_OK);
}

#include <gtest/gtest.h>

#include <cstring>
#include <sstream>

#include "engine/sound/sound_list.h"
#include "engine/sound/sound_player.h"
#include "platform/backends/headless/headless_backend.h"
#include "wav_bytes.h"

namespace {

TWav makeWav(const std::vector<int16_t>& samples, uint16_t channels = 1)
{
    std::istringstream in(wavbytes::wav16(samples, channels));
    TWav wav;
    wav.LoadFromStream(in);
    return wav;
}

class SoundPlayer : public ::testing::Test {
protected:
    // The game's set-up: player initialised by hand, one list bound to it.
    void SetUp() override
    {
        player.AutoInitialize = false;
        list.SetSoundPlayer(&player);
    }
    TSoundCollectionItem& add(const std::string& name, const std::vector<int16_t>& samples, bool looped = false)
    {
        TSoundCollectionItem& item = list.Items().Add();
        item.SetWav(makeWav(samples));
        item.Name = name;
        item.Looped = looped;
        return item;
    }
    void withDevice()
    {
        backend.headlessAudio().setDeviceAvailable(true);
        player.Initialize();
        ASSERT_TRUE(player.Initialized());
    }
    // Left channel of the next `frames` mixed frames.
    std::vector<int16_t> hear(int frames)
    {
        const std::vector<int16_t> stereo = backend.headlessAudio().pull(frames);
        std::vector<int16_t> left;
        for (std::size_t i = 0; i < stereo.size(); i += 2) left.push_back(stereo[i]);
        return left;
    }

    platform::HeadlessBackend backend;
    TDSoundPlayer player{backend};
    TDSoundList list;
};

}  // namespace

TEST_F(SoundPlayer, WithoutADeviceEverythingIsSilentAndNothingFails)
{
    int initialized = 0;
    player.OnInitialize = [&](TDSoundPlayer&) { ++initialized; };
    TSoundCollectionItem& pick = add("pick", {1000, 1000});
    player.Initialize();
    EXPECT_FALSE(player.Initialized());
    EXPECT_FALSE(player.DeviceFound());
    EXPECT_EQ(player.Device(), nullptr);
    EXPECT_EQ(initialized, 0);
    EXPECT_EQ(pick.Buffer(), nullptr);
    pick.Play();
    EXPECT_FALSE(pick.IsPlaying());
    pick.Stop();
    list.StopAll();
}

TEST_F(SoundPlayer, FindIgnoresCaseAndNamesTheMissingSound)
{
    add("levelmusicloop1", {1});
    TSoundCollectionItem& second = add("pick", {2});
    EXPECT_EQ(&list.Items().Find("PICK"), &second);
    EXPECT_EQ(list.Items().Find("LEVELMUSICLOOP1").Name, "levelmusicloop1");
    try {
        list.Items().Find("approve");
        FAIL();
    } catch (const EDSoundListError& e) {
        EXPECT_STREQ(e.what(), "Sound approve does not exist.");
    }
}

TEST_F(SoundPlayer, PlaysOnceThenFallsSilent)
{
    TSoundCollectionItem& pick = add("pick", {100, 200, 300, 400});
    int initialized = 0;
    player.OnInitialize = [&](TDSoundPlayer&) { ++initialized; };
    withDevice();
    EXPECT_EQ(initialized, 1);
    EXPECT_FALSE(player.PrimaryBufferCreated());  // normal level leaves the format alone
    ASSERT_NE(pick.Buffer(), nullptr);
    EXPECT_FALSE(pick.IsPlaying());
    pick.Play();
    EXPECT_TRUE(pick.IsPlaying());
    EXPECT_EQ(hear(6), (std::vector<int16_t>{100, 200, 300, 400, 0, 0}));
    EXPECT_FALSE(pick.IsPlaying());
}

TEST_F(SoundPlayer, LoopedSoundRunsUntilStopped)
{
    TSoundCollectionItem& music = add("levelmusicloop2", {10, 20, 30}, true);
    TSoundCollectionItem& pick = add("pick", {1, 1, 1, 1, 1, 1, 1, 1});
    withDevice();
    music.Play();
    pick.Play();
    EXPECT_EQ(hear(7), (std::vector<int16_t>{11, 21, 31, 11, 21, 31, 11}));
    hear(3000);
    EXPECT_TRUE(music.IsPlaying());
    EXPECT_FALSE(pick.IsPlaying());
    list.StopAll();
    EXPECT_FALSE(music.IsPlaying());
    EXPECT_EQ(hear(3), (std::vector<int16_t>{0, 0, 0}));
}

TEST_F(SoundPlayer, PlayRestartsButTheGateOnIsPlayingDoesNotDouble)
{
    TSoundCollectionItem& pick = add("pick", {1, 2, 3, 4, 5, 6});
    withDevice();
    pick.Play();
    EXPECT_EQ(hear(3), (std::vector<int16_t>{1, 2, 3}));
    // How the game plays a sound: only when it is not playing already.
    if (!pick.IsPlaying()) pick.Play();
    EXPECT_EQ(hear(2), (std::vector<int16_t>{4, 5}));
    pick.Play();  // an explicit Play starts again from the beginning
    EXPECT_EQ(hear(2), (std::vector<int16_t>{1, 2}));
}

TEST_F(SoundPlayer, VolumeMapsHundredToFullAndZeroToThirtyDecibelsDown)
{
    TSoundCollectionItem& tone = add("tone", std::vector<int16_t>(8, 10000), true);
    withDevice();
    auto& buffer = *static_cast<TDSoundBuffer1*>(tone.Buffer());
    int32_t volume = 1;
    buffer.SetVolume(100);
    buffer.Interface()->GetVolume(&volume);
    EXPECT_EQ(volume, 0);
    EXPECT_EQ(buffer.Volume, 100);
    buffer.SetVolume(0);
    buffer.Interface()->GetVolume(&volume);
    EXPECT_EQ(volume, -3000);
    buffer.SetVolume(50);
    buffer.Interface()->GetVolume(&volume);
    EXPECT_EQ(volume, -1500);

    tone.Play();
    buffer.SetVolume(0);
    EXPECT_EQ(hear(1)[0], 316);  // 10000 * 10^(-30/20)
    buffer.SetVolume(100);
    EXPECT_EQ(hear(1)[0], 10000);
}

TEST_F(SoundPlayer, LostBufferIsRefilledAndPlaysNextTime)
{
    TSoundCollectionItem& pick = add("pick", {7, 8, 9});
    withDevice();
    player.Device()->Interface()->LoseBuffers();
    pick.Play();  // answered "lost": restored and refilled, silent this time
    EXPECT_FALSE(pick.IsPlaying());
    EXPECT_EQ(hear(3), (std::vector<int16_t>{0, 0, 0}));
    pick.Play();
    EXPECT_EQ(hear(3), (std::vector<int16_t>{7, 8, 9}));
}

TEST_F(SoundPlayer, BuffersPlayTheLoadedSamplesAndWritingThemLeavesTheSoundAlone)
{
    TSoundCollectionItem& pick = add("pick", {7, 8, 9});
    withDevice();
    auto& buffer = *static_cast<TDSoundBuffer1*>(pick.Buffer());
    void *p1 = nullptr, *p2 = nullptr;
    uint32_t n1 = 0, n2 = 0;
    ASSERT_EQ(buffer.Lock(0, 0, platform::dsound::DSBLOCK_ENTIREBUFFER, &p1, &n1, &p2, &n2), platform::dsound::DS_OK);
    std::vector<int16_t> written(n1 / 2, 1);
    std::memcpy(p1, written.data(), n1);
    buffer.Unlock(p1, n1, p2, n2);
    pick.Play();
    EXPECT_EQ(hear(3), (std::vector<int16_t>{1, 1, 1}));
    EXPECT_EQ(pick.Wav().Data()[0], 7) << "the sound itself is unchanged";
    // Once lost, the buffer gets the sound's own samples back.
    player.Device()->Interface()->LoseBuffers();
    pick.Play();
    pick.Play();
    EXPECT_EQ(hear(3), (std::vector<int16_t>{7, 8, 9}));
}

TEST_F(SoundPlayer, UnbuildableSoundFailsInitializeAndLeavesNoDevice)
{
    TSoundCollectionItem& good = add("good", {1, 2});
    list.Items().Add().Name = "empty";  // no samples: no buffer can hold it
    backend.headlessAudio().setDeviceAvailable(true);
    int initialized = 0;
    player.OnInitialize = [&](TDSoundPlayer&) { ++initialized; };
    player.Initialize();
    EXPECT_EQ(initialized, 1);  // fired after the caught error too
    EXPECT_FALSE(player.Initialized());
    EXPECT_EQ(player.Device(), nullptr);
    EXPECT_EQ(good.Buffer(), nullptr);
    EXPECT_FALSE(backend.headlessAudio().deviceOpen());

    // The error itself, as building one buffer raises it.
    TDSoundPlayer other(backend);
    TDSoundList otherList;
    otherList.SetSoundPlayer(&other);
    other.Initialize();
    try {
        other.BuildSoundBuffer(list.Items().Find("empty"));
        FAIL();
    } catch (const EDSoundPlayerError& e) {
        EXPECT_STREQ(e.what(), "Cannot create soundbuffer from Wav.");
    }
}

TEST_F(SoundPlayer, PriorityLevelCreatesThePrimaryBufferWithItsFormat)
{
    player.CooperationLevel = TCooperationLevel::clPriority;
    withDevice();
    ASSERT_TRUE(player.PrimaryBufferCreated());
    platform::dsound::WaveFormat f;
    static_cast<TDSoundBuffer1*>(player.PrimaryBuffer())->Interface()->GetFormat(&f);
    EXPECT_EQ(f.channels, 2);
    EXPECT_EQ(f.samplesPerSec, 44100u);
    EXPECT_EQ(f.bitsPerSample, 16);
    EXPECT_EQ(f.avgBytesPerSec, 176400u);
}

TEST_F(SoundPlayer, BindingMovesListsAndDestructionUnbinds)
{
    add("a", {1, 1});
    TDSoundList late;
    late.Items().Add().SetWav(makeWav({5, 5}));
    withDevice();
    late.SetSoundPlayer(&player);  // bound after Initialize: no buffers yet
    EXPECT_EQ(late.Items()[0].Buffer(), nullptr);
    player.Initialize();
    EXPECT_NE(late.Items()[0].Buffer(), nullptr);
    EXPECT_NE(list.Items()[0].Buffer(), nullptr);

    int destroyed = 0;
    {
        TDSoundPlayer second(backend);
        second.OnDestroy = [&](TDSoundPlayer&) { ++destroyed; };
        late.SetSoundPlayer(&second);
        EXPECT_NE(late.Items()[0].Buffer(), nullptr);  // buffers stay until released
    }
    EXPECT_EQ(destroyed, 1);
    EXPECT_EQ(late.SoundPlayer(), nullptr);
    EXPECT_EQ(late.Items()[0].Buffer(), nullptr);
}

TEST(SoundPlayerLifetime, ListMayOutliveOrPrecedeThePlayer)
{
    platform::HeadlessBackend backend;
    backend.headlessAudio().setDeviceAvailable(true);
    auto list = std::make_unique<TDSoundList>();
    {
        TDSoundPlayer player(backend);
        list->SetSoundPlayer(&player);
        list->Items().Add().SetWav(makeWav({3, 3}));
        player.Initialize();
        list->Items()[0].Play();
    }
    EXPECT_EQ(list->SoundPlayer(), nullptr);
    EXPECT_FALSE(list->Items()[0].IsPlaying());
    EXPECT_FALSE(backend.headlessAudio().deviceOpen());

    TDSoundPlayer player(backend);
    list->SetSoundPlayer(&player);
    player.Initialize();
    list->Items()[0].Play();
    list.reset();  // the list goes first: the player forgets it
    EXPECT_EQ(backend.headlessAudio().pull(2), (std::vector<int16_t>{0, 0, 0, 0}));
}

TEST(SoundItem, AssignCopiesSoundAndLoopButNotName)
{
    TSoundCollectionItem a, b;
    a.Name = "pick";
    a.Looped = true;
    a.SetWav(makeWav({1, 2}));
    b.Name = "old";
    b.Assign(a);
    EXPECT_TRUE(b.Looped);
    EXPECT_EQ(b.Wav().DataSize(), 4);
    EXPECT_EQ(b.Name, "");
    EXPECT_EQ(b.DisplayName(), "TSoundCollectionItem");
}

#include "engine/sound/dsound_wrappers.h"

#include "engine/sound/sound_errors.h"
#include "engine/sound/wav.h"

namespace ds = platform::dsound;

namespace {

constexpr uint32_t kSecondaryFlags =
    ds::DSBCAPS_CTRLFREQUENCY | ds::DSBCAPS_CTRLPAN | ds::DSBCAPS_CTRLVOLUME | ds::DSBCAPS_STATIC;

TDSoundBuffer1& generationOne(TDSoundBuffer& buffer)
{
    auto* one = dynamic_cast<TDSoundBuffer1*>(&buffer);
    if (!one) throw EDSoundPlayerError("A first-generation sound device needs first-generation buffers.");
    return *one;
}

}  // namespace

// ---- TDSound1 ----

TDSound1::TDSound1(platform::AudioOutput& output)
{
    DSCheck(ds::DirectSoundCreate(output, FDirectSound), "DSound Create");
}

ds::HRESULT TDSound1::SetCooperativeLevel(platform::Window* window, uint32_t level)
{
    return FDirectSound->SetCooperativeLevel(window, level);
}

ds::HRESULT TDSound1::CreatePrimaryBuffer(TDSoundBuffer& buffer)
{
    ds::BufferDesc desc;
    desc.flags = ds::DSBCAPS_PRIMARYBUFFER;
    return FDirectSound->CreateSoundBuffer(desc, generationOne(buffer).FBuffer);
}

ds::HRESULT TDSound1::CreateSecondaryBuffer(TDSoundBuffer& buffer, const TWav& wav)
{
    const ds::WaveFormat format = wav.Format();
    ds::BufferDesc desc;
    desc.flags = kSecondaryFlags;
    desc.bufferBytes = static_cast<uint32_t>(wav.DataSize());
    desc.format = &format;
    return FDirectSound->CreateSoundBuffer(desc, generationOne(buffer).FBuffer, wav.Samples());
}

// ---- TDSoundBuffer1 ----

ds::DirectSoundBuffer& TDSoundBuffer1::Required()
{
    if (!FBuffer) throw EDSoundPlayerError("The sound buffer was not created.");
    return *FBuffer;
}

bool TDSoundBuffer1::IsPlaying()
{
    uint32_t status = 0;
    if (!FBuffer || ds::Failed(FBuffer->GetStatus(&status))) return false;
    return (status & (ds::DSBSTATUS_PLAYING | ds::DSBSTATUS_LOOPING)) != 0;
}

uint32_t TDSoundBuffer1::GetFrequency()
{
    uint32_t value = 0;
    if (!FBuffer || ds::Failed(FBuffer->GetFrequency(&value))) return 0;
    return value;
}

void TDSoundBuffer1::SetFrequency(uint32_t value)
{
    if (FBuffer) FBuffer->SetFrequency(value);
}

int32_t TDSoundBuffer1::GetPan()
{
    int32_t value = 0;
    if (!FBuffer || ds::Failed(FBuffer->GetPan(&value))) return 0;
    return value;
}

void TDSoundBuffer1::SetPan(int32_t value)
{
    if (FBuffer) FBuffer->SetPan(value);
}

void TDSoundBuffer1::SetVolume(int value)
{
    if (FBuffer) FBuffer->SetVolume(value * 30 - 3000);
    Volume = value;
}

uint32_t TDSoundBuffer1::GetPlayPosition()
{
    uint32_t play = 0;
    if (!FBuffer || ds::Failed(FBuffer->GetCurrentPosition(&play, nullptr))) return 0;
    return play;
}

ds::HRESULT TDSoundBuffer1::Lock(uint32_t offset, uint32_t bytes, uint32_t flags, void** block1, uint32_t* bytes1,
                                 void** block2, uint32_t* bytes2)
{
    return Required().Lock(offset, bytes, block1, bytes1, block2, bytes2, flags);
}

ds::HRESULT TDSoundBuffer1::Unlock(void* block1, uint32_t bytes1, void* block2, uint32_t bytes2)
{
    return Required().Unlock(block1, bytes1, block2, bytes2);
}

ds::HRESULT TDSoundBuffer1::SetFormat(const ds::WaveFormat& format) { return Required().SetFormat(&format); }

void TDSoundBuffer1::Start(uint32_t flags)
{
    if (!FBuffer) return;
    FBuffer->Stop();
    FBuffer->SetCurrentPosition(0);
    if (FBuffer->Play(0, 0, flags) == ds::DSERR_BUFFERLOST) {
        // Not this time; but with its samples back it plays the next time.
        if (ds::Succeeded(FBuffer->Restore())) Refill();
    }
}

void TDSoundBuffer1::Refill()
{
    if (!FRefillSource) return;
    if (FBuffer && ds::Succeeded(FBuffer->ShareSamples(FRefillSource->Samples()))) return;
    FillSoundBuffer(*this, *FRefillSource);
}

void TDSoundBuffer1::Play() { Start(0); }
void TDSoundBuffer1::PlayLooped() { Start(ds::DSBPLAY_LOOPING); }

void TDSoundBuffer1::Stop()
{
    if (FBuffer) FBuffer->Stop();
}

// ---- filling ----

bool FillSoundBuffer(TDSoundBuffer& buffer, const TWav& wav)
{
    void* block1 = nullptr;
    void* block2 = nullptr;
    uint32_t bytes1 = 0, bytes2 = 0;
    if (ds::Failed(buffer.Lock(0, 0, ds::DSBLOCK_ENTIREBUFFER, &block1, &bytes1, &block2, &bytes2))) return false;
    wav.CopyTo(block1, bytes1);
    buffer.Unlock(block1, bytes1, block2, bytes2);
    return true;
}

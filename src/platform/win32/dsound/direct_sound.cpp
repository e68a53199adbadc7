#include "platform/win32/dsound/direct_sound.h"

#include "platform/win32/dsound/sound_engine.h"

namespace platform::dsound {
namespace {

// What a static secondary buffer can hold: the PCM layouts the mixer reads.
bool playableFormat(const WaveFormat& f)
{
    return f.formatTag == WAVE_FORMAT_PCM && (f.channels == 1 || f.channels == 2) &&
           (f.bitsPerSample == 8 || f.bitsPerSample == 16) && f.blockAlign == f.channels * f.bitsPerSample / 8 &&
           f.samplesPerSec >= DSBFREQUENCY_MIN && f.samplesPerSec <= DSBFREQUENCY_MAX;
}

}  // namespace

DirectSound::DirectSound(std::shared_ptr<SoundEngine> engine)
    : engine_(std::move(engine)), level_(std::make_shared<uint32_t>(0))
{
}

DirectSound::~DirectSound() = default;

AudioFormat DirectSound::outputFormat() const { return engine_->mixer().output(); }

HRESULT DirectSound::SetCooperativeLevel(Window* window, uint32_t level)
{
    if (!window || level < DSSCL_NORMAL || level > DSSCL_WRITEPRIMARY) return DSERR_INVALIDPARAM;
    *level_ = level;
    return DS_OK;
}

HRESULT DirectSound::CreateSoundBuffer(const BufferDesc& desc, std::unique_ptr<DirectSoundBuffer>& buffer,
                                       std::shared_ptr<const std::vector<uint8_t>> samples)
{
    buffer.reset();
    if (*level_ == 0) return DSERR_UNINITIALIZED;  // no cooperative level set yet
    if (desc.size != 36 && desc.size != 20) return DSERR_INVALIDPARAM;

    if (desc.flags & DSBCAPS_PRIMARYBUFFER) {
        if (desc.bufferBytes != 0 || desc.format) return DSERR_INVALIDPARAM;
        buffer.reset(new DirectSoundBuffer(engine_, desc, true, level_));
        return DS_OK;
    }

    if (!desc.format) return DSERR_INVALIDPARAM;
    if (!playableFormat(*desc.format)) return DSERR_BADFORMAT;
    if (desc.bufferBytes < DSBSIZE_MIN || desc.bufferBytes > DSBSIZE_MAX ||
        desc.bufferBytes < desc.format->blockAlign)
        return DSERR_INVALIDPARAM;

    std::unique_ptr<DirectSoundBuffer> created(new DirectSoundBuffer(engine_, desc, false, level_));
    if (samples && samples->size() != desc.bufferBytes) samples.reset();
    const HRESULT hr = created->allocate(desc.bufferBytes, std::move(samples));
    if (Failed(hr)) return hr;
    buffer = std::move(created);
    return DS_OK;
}

void DirectSound::LoseBuffers()
{
    SoundEngine::Guard guard(*engine_);
    for (MixerVoice* voice : engine_->mixer().voices()) {
        voice->lost = true;
        voice->playing = false;
    }
}

HRESULT DirectSoundEnumerate(AudioOutput& output, const DeviceEnumCallback& callback)
{
    if (!callback) return DSERR_INVALIDPARAM;
    for (const std::string& name : output.deviceNames()) {
        if (!callback(name)) break;
    }
    return DS_OK;
}

HRESULT DirectSoundCreate(AudioOutput& output, std::unique_ptr<DirectSound>& device)
{
    device.reset();
    std::shared_ptr<SoundEngine> engine = SoundEngine::open(output);
    if (!engine) return DSERR_NODRIVER;
    device.reset(new DirectSound(std::move(engine)));
    return DS_OK;
}

}  // namespace platform::dsound

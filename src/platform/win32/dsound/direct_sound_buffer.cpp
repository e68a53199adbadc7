#include "platform/win32/dsound/direct_sound_buffer.h"

#include <algorithm>
#include <new>

#include "platform/win32/dsound/sound_engine.h"

namespace platform::dsound {

DirectSoundBuffer::DirectSoundBuffer(std::shared_ptr<SoundEngine> engine, const BufferDesc& desc, bool primary,
                                     std::shared_ptr<const uint32_t> level)
    : engine_(std::move(engine)), level_(std::move(level)), primary_(primary), flags_(desc.flags)
{
    if (primary_) {
        const AudioFormat out = engine_->mixer().output();
        format_.formatTag = WAVE_FORMAT_PCM;
        format_.channels = static_cast<uint16_t>(out.channels);
        format_.samplesPerSec = static_cast<uint32_t>(out.frequency);
        format_.bitsPerSample = 16;
        format_.blockAlign = static_cast<uint16_t>(format_.channels * 2);
        format_.avgBytesPerSec = format_.blockAlign * format_.samplesPerSec;
    } else {
        format_ = *desc.format;
        format_.extraSize = 0;
        frequency_ = format_.samplesPerSec;
    }
}

DirectSoundBuffer::~DirectSoundBuffer()
{
    if (primary_) return;
    SoundEngine::Guard guard(*engine_);
    engine_->mixer().detach(&voice_);
}

HRESULT DirectSoundBuffer::allocate(uint32_t bytes, std::shared_ptr<const std::vector<uint8_t>> samples)
{
    size_ = bytes;
    if (samples) {
        shared_ = std::move(samples);
        voice_.data = shared_->data();
    } else if (HRESULT hr = ownMemory(silence()); Failed(hr)) {
        return hr;
    }
    voice_.frameCount = bytes / format_.blockAlign;
    voice_.channels = format_.channels;
    voice_.bitsPerSample = format_.bitsPerSample;
    voice_.step = engine_->mixer().stepFor(frequency_);
    updateGains();
    SoundEngine::Guard guard(*engine_);
    engine_->mixer().attach(&voice_);
    return DS_OK;
}

HRESULT DirectSoundBuffer::ownMemory(std::optional<uint8_t> fill)
{
    // Built before the mixer is told, so it never reads memory being filled.
    std::vector<uint8_t> memory;
    try {
        if (fill) memory.assign(size_, *fill);
        else memory = *shared_;
    } catch (const std::bad_alloc&) {
        return DSERR_OUTOFMEMORY;
    }
    SoundEngine::Guard guard(*engine_);
    data_ = std::move(memory);
    shared_.reset();
    voice_.data = data_.data();
    return DS_OK;
}

HRESULT DirectSoundBuffer::ShareSamples(std::shared_ptr<const std::vector<uint8_t>> samples)
{
    if (primary_) return DSERR_INVALIDCALL;
    if (!samples || samples->size() != size_) return DSERR_INVALIDPARAM;
    SoundEngine::Guard guard(*engine_);
    if (locks_ > 0) return DSERR_INVALIDCALL;
    if (voice_.lost) return DSERR_BUFFERLOST;
    shared_ = std::move(samples);
    voice_.data = shared_->data();
    data_ = {};
    return DS_OK;
}

void DirectSoundBuffer::updateGains()
{
    float left = 1.0f, right = 1.0f;
    GainsFor(volume_, pan_, left, right);
    SoundEngine::Guard guard(*engine_);
    voice_.gainLeft = left;
    voice_.gainRight = right;
}

HRESULT DirectSoundBuffer::GetFormat(WaveFormat* format) const
{
    if (!format) return DSERR_INVALIDPARAM;
    *format = format_;
    return DS_OK;
}

HRESULT DirectSoundBuffer::GetStatus(uint32_t* status) const
{
    if (!status) return DSERR_INVALIDPARAM;
    if (primary_) {
        *status = DSBSTATUS_PLAYING | DSBSTATUS_LOOPING;
        return DS_OK;
    }
    SoundEngine::Guard guard(*engine_);
    *status = 0;
    if (voice_.lost) *status |= DSBSTATUS_BUFFERLOST;
    if (voice_.playing) *status |= voice_.looping ? (DSBSTATUS_PLAYING | DSBSTATUS_LOOPING) : DSBSTATUS_PLAYING;
    return DS_OK;
}

HRESULT DirectSoundBuffer::GetCurrentPosition(uint32_t* playCursor, uint32_t* writeCursor) const
{
    if (primary_) return DSERR_PRIOLEVELNEEDED;
    uint64_t frame;
    bool playing;
    {
        SoundEngine::Guard guard(*engine_);
        frame = voice_.position >> 32;
        playing = voice_.playing;
    }
    const uint32_t play = static_cast<uint32_t>(frame) * format_.blockAlign;
    if (playCursor) *playCursor = play;
    if (writeCursor) {
        // The mixer reads one frame ahead while it interpolates.
        const uint32_t ahead = playing ? play + format_.blockAlign : play;
        *writeCursor = size_ == 0 ? 0 : ahead % size_;
    }
    return DS_OK;
}

HRESULT DirectSoundBuffer::SetCurrentPosition(uint32_t bytes)
{
    if (primary_) return DSERR_INVALIDCALL;
    if (bytes >= sizeBytes()) return DSERR_INVALIDPARAM;
    SoundEngine::Guard guard(*engine_);
    voice_.position = uint64_t{bytes / format_.blockAlign} << 32;
    return DS_OK;
}

HRESULT DirectSoundBuffer::GetFrequency(uint32_t* frequency) const
{
    if (!frequency) return DSERR_INVALIDPARAM;
    if (primary_ || !(flags_ & DSBCAPS_CTRLFREQUENCY)) return DSERR_CONTROLUNAVAIL;
    *frequency = frequency_;
    return DS_OK;
}

HRESULT DirectSoundBuffer::SetFrequency(uint32_t frequency)
{
    if (primary_ || !(flags_ & DSBCAPS_CTRLFREQUENCY)) return DSERR_CONTROLUNAVAIL;
    if (frequency == DSBFREQUENCY_ORIGINAL) frequency = format_.samplesPerSec;
    if (frequency < DSBFREQUENCY_MIN || frequency > DSBFREQUENCY_MAX) return DSERR_INVALIDPARAM;
    frequency_ = frequency;
    const uint64_t step = engine_->mixer().stepFor(frequency);
    SoundEngine::Guard guard(*engine_);
    voice_.step = step;
    return DS_OK;
}

HRESULT DirectSoundBuffer::GetPan(int32_t* pan) const
{
    if (!pan) return DSERR_INVALIDPARAM;
    if (!(flags_ & DSBCAPS_CTRLPAN)) return DSERR_CONTROLUNAVAIL;
    *pan = pan_;
    return DS_OK;
}

HRESULT DirectSoundBuffer::SetPan(int32_t pan)
{
    if (!(flags_ & DSBCAPS_CTRLPAN)) return DSERR_CONTROLUNAVAIL;
    if (pan < DSBPAN_LEFT || pan > DSBPAN_RIGHT) return DSERR_INVALIDPARAM;
    pan_ = pan;
    if (!primary_) updateGains();
    return DS_OK;
}

HRESULT DirectSoundBuffer::GetVolume(int32_t* volume) const
{
    if (!volume) return DSERR_INVALIDPARAM;
    if (!(flags_ & DSBCAPS_CTRLVOLUME)) return DSERR_CONTROLUNAVAIL;
    *volume = volume_;
    return DS_OK;
}

HRESULT DirectSoundBuffer::SetVolume(int32_t volume)
{
    if (!(flags_ & DSBCAPS_CTRLVOLUME)) return DSERR_CONTROLUNAVAIL;
    if (volume < DSBVOLUME_MIN || volume > DSBVOLUME_MAX) return DSERR_INVALIDPARAM;
    volume_ = volume;
    if (!primary_) updateGains();
    return DS_OK;
}

HRESULT DirectSoundBuffer::Lock(uint32_t offset, uint32_t bytes, void** block1, uint32_t* bytes1, void** block2,
                                uint32_t* bytes2, uint32_t flags)
{
    if (primary_) return DSERR_PRIOLEVELNEEDED;
    if (!block1 || !bytes1) return DSERR_INVALIDPARAM;
    const uint32_t size = sizeBytes();
    {
        SoundEngine::Guard guard(*engine_);
        if (voice_.lost) return DSERR_BUFFERLOST;
    }
    if (flags & DSBLOCK_FROMWRITECURSOR) GetCurrentPosition(nullptr, &offset);
    if (flags & DSBLOCK_ENTIREBUFFER) bytes = size;
    if (bytes == 0 || bytes > size || offset >= size) return DSERR_INVALIDPARAM;

    const uint32_t first = std::min(bytes, size - offset);
    const uint32_t second = bytes - first;
    if (second > 0 && (!block2 || !bytes2)) return DSERR_INVALIDPARAM;
    if (shared_)
        if (HRESULT hr = ownMemory(std::nullopt); Failed(hr)) return hr;
    *block1 = data_.data() + offset;
    *bytes1 = first;
    if (block2) *block2 = second > 0 ? data_.data() : nullptr;
    if (bytes2) *bytes2 = second;

    SoundEngine::Guard guard(*engine_);
    ++locks_;
    voice_.suspended = true;
    return DS_OK;
}

bool DirectSoundBuffer::ownsBlock(const void* block, uint32_t bytes) const
{
    const auto* p = static_cast<const uint8_t*>(block);
    return p >= data_.data() && bytes <= data_.size() && p + bytes <= data_.data() + data_.size();
}

HRESULT DirectSoundBuffer::Unlock(void* block1, uint32_t bytes1, void* block2, uint32_t bytes2)
{
    if (primary_) return DSERR_PRIOLEVELNEEDED;
    if (!block1 || !ownsBlock(block1, bytes1)) return DSERR_INVALIDPARAM;
    if (block2 && !ownsBlock(block2, bytes2)) return DSERR_INVALIDPARAM;
    SoundEngine::Guard guard(*engine_);
    if (locks_ == 0) return DSERR_INVALIDCALL;
    voice_.suspended = --locks_ > 0;
    return DS_OK;
}

HRESULT DirectSoundBuffer::Play(uint32_t /*reserved*/, uint32_t /*priority*/, uint32_t flags)
{
    if (primary_) return DS_OK;  // the primary buffer always plays
    SoundEngine::Guard guard(*engine_);
    if (voice_.lost) return DSERR_BUFFERLOST;
    voice_.looping = (flags & DSBPLAY_LOOPING) != 0;
    voice_.playing = true;
    return DS_OK;
}

HRESULT DirectSoundBuffer::Stop()
{
    if (primary_) return DS_OK;
    SoundEngine::Guard guard(*engine_);
    voice_.playing = false;
    return DS_OK;
}

HRESULT DirectSoundBuffer::SetFormat(const WaveFormat* format)
{
    if (!primary_) return DSERR_INVALIDCALL;
    if (!format) return DSERR_INVALIDPARAM;
    if (*level_ < DSSCL_PRIORITY) return DSERR_PRIOLEVELNEEDED;
    const bool pcm = format->formatTag == WAVE_FORMAT_PCM;
    const bool layout = (format->channels == 1 || format->channels == 2) &&
                        (format->bitsPerSample == 8 || format->bitsPerSample == 16) &&
                        format->blockAlign == format->channels * format->bitsPerSample / 8;
    const bool rate = format->samplesPerSec >= DSBFREQUENCY_MIN && format->samplesPerSec <= DSBFREQUENCY_MAX;
    if (!pcm || !layout || !rate) return DSERR_BADFORMAT;
    // The mixer keeps producing the device's own format; the primary format
    // only says what the program asked for, as a driver that converts would.
    format_ = *format;
    format_.extraSize = 0;
    return DS_OK;
}

HRESULT DirectSoundBuffer::Restore()
{
    if (primary_) return DS_OK;
    SoundEngine::Guard guard(*engine_);
    if (!voice_.lost) return DS_OK;
    // The memory comes back, its samples do not.
    if (shared_) {
        data_.assign(size_, silence());
        shared_.reset();
        voice_.data = data_.data();
    } else {
        std::fill(data_.begin(), data_.end(), silence());
    }
    voice_.lost = false;
    voice_.position = 0;
    return DS_OK;
}

}  // namespace platform::dsound

#pragma once
// A DirectSound buffer: a static secondary buffer holding PCM samples that the
// mixer plays, or the primary buffer that stands for the mixed output.
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/dsound/dsound_types.h"
#include "platform/dsound/sound_mixer.h"

namespace platform::dsound {

class SoundEngine;

class DirectSoundBuffer {
public:
    ~DirectSoundBuffer();
    DirectSoundBuffer(const DirectSoundBuffer&) = delete;
    DirectSoundBuffer& operator=(const DirectSoundBuffer&) = delete;

    HRESULT GetFormat(WaveFormat* format) const;
    HRESULT GetStatus(uint32_t* status) const;
    // Cursors in bytes; the write cursor is where it is safe to write next.
    HRESULT GetCurrentPosition(uint32_t* playCursor, uint32_t* writeCursor) const;
    HRESULT SetCurrentPosition(uint32_t bytes);

    HRESULT GetFrequency(uint32_t* frequency) const;
    HRESULT SetFrequency(uint32_t frequency);  // DSBFREQUENCY_ORIGINAL restores the format's rate
    HRESULT GetPan(int32_t* pan) const;
    HRESULT SetPan(int32_t pan);
    HRESULT GetVolume(int32_t* volume) const;
    HRESULT SetVolume(int32_t volume);

    // Hands out one or two blocks (the second when the range wraps). The
    // buffer stays silent until Unlock, so the mixer never reads half-written data.
    HRESULT Lock(uint32_t offset, uint32_t bytes, void** block1, uint32_t* bytes1, void** block2, uint32_t* bytes2,
                 uint32_t flags);
    HRESULT Unlock(void* block1, uint32_t bytes1, void* block2, uint32_t bytes2);

    HRESULT Play(uint32_t reserved, uint32_t priority, uint32_t flags);
    HRESULT Stop();

    // Primary buffer only, at priority level.
    HRESULT SetFormat(const WaveFormat* format);
    // Gives a lost buffer its memory back; the samples must be written again.
    HRESULT Restore();

    uint32_t sizeBytes() const { return static_cast<uint32_t>(data_.size()); }
    bool isPrimary() const { return primary_; }

private:
    friend class DirectSound;
    DirectSoundBuffer(std::shared_ptr<SoundEngine> engine, const BufferDesc& desc, bool primary,
                      std::shared_ptr<const uint32_t> level);
    HRESULT allocate(uint32_t bytes);
    void updateGains();
    bool ownsBlock(const void* block, uint32_t bytes) const;

    std::shared_ptr<SoundEngine> engine_;
    std::shared_ptr<const uint32_t> level_;  // the device object's cooperative level
    bool primary_;
    uint32_t flags_;
    WaveFormat format_;
    std::vector<uint8_t> data_;
    MixerVoice voice_;
    uint32_t frequency_ = 0;
    int32_t volume_ = 0;
    int32_t pan_ = 0;
    int locks_ = 0;
};

}  // namespace platform::dsound

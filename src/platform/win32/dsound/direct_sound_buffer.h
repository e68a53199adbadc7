#pragma once
// A DirectSound buffer: a static secondary buffer holding PCM samples that the
// mixer plays, or the primary buffer that stands for the mixed output.
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "platform/win32/dsound/dsound_types.h"
#include "platform/win32/dsound/sound_mixer.h"

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
    // Makes `samples` (exactly the buffer's size) the buffer's samples
    // without copying them: a static buffer filled from a sound that stays
    // loaded plays that sound's own memory. Locking the buffer later gives
    // it a copy of its own to write in.
    HRESULT ShareSamples(std::shared_ptr<const std::vector<uint8_t>> samples);

    uint32_t sizeBytes() const { return size_; }
    bool isPrimary() const { return primary_; }

private:
    friend class DirectSound;
    DirectSoundBuffer(std::shared_ptr<SoundEngine> engine, const BufferDesc& desc, bool primary,
                      std::shared_ptr<const uint32_t> level);
    HRESULT allocate(uint32_t bytes, std::shared_ptr<const std::vector<uint8_t>> samples);
    // Gives the buffer memory of its own holding `fill` bytes, or, for a
    // buffer sharing samples, a copy of them.
    HRESULT ownMemory(std::optional<uint8_t> fill);
    uint8_t silence() const { return format_.bitsPerSample == 8 ? 0x80 : 0; }
    void updateGains();
    bool ownsBlock(const void* block, uint32_t bytes) const;

    std::shared_ptr<SoundEngine> engine_;
    std::shared_ptr<const uint32_t> level_;  // the device object's cooperative level
    bool primary_;
    uint32_t flags_;
    WaveFormat format_;
    uint32_t size_ = 0;
    std::vector<uint8_t> data_;                        // the buffer's own memory, or
    std::shared_ptr<const std::vector<uint8_t>> shared_;  // samples it plays without owning
    MixerVoice voice_;
    uint32_t frequency_ = 0;
    int32_t volume_ = 0;
    int32_t pan_ = 0;
    int locks_ = 0;
};

}  // namespace platform::dsound

#pragma once
// The DirectSound device and buffer as the sound player uses them: an
// abstract form and the first-generation implementation behind it.
#include <cstdint>
#include <memory>

#include "platform/backends/audio.h"
#include "platform/win32/dsound/direct_sound.h"

class TWav;
namespace platform {
class Window;
}

class TDSoundBuffer;

class TDSound {
public:
    virtual ~TDSound() = default;
    virtual platform::dsound::HRESULT SetCooperativeLevel(platform::Window* window, uint32_t level) = 0;
    virtual platform::dsound::HRESULT CreatePrimaryBuffer(TDSoundBuffer& buffer) = 0;
    // A static buffer the size of the wav's samples, already holding them.
    virtual platform::dsound::HRESULT CreateSecondaryBuffer(TDSoundBuffer& buffer, const TWav& wav) = 0;
    // The device object itself, for tests and tools.
    virtual platform::dsound::DirectSound* Interface() = 0;
};

class TDSoundBuffer {
public:
    virtual ~TDSoundBuffer() = default;

    int Volume = 100;  // 0..100, as last given to SetVolume

    virtual bool IsPlaying() = 0;
    virtual uint32_t GetFrequency() = 0;
    virtual void SetFrequency(uint32_t value) = 0;
    virtual int32_t GetPan() = 0;
    virtual void SetPan(int32_t value) = 0;
    // 100 is full volume, 0 is 30 dB down.
    virtual void SetVolume(int value) = 0;
    virtual uint32_t GetPlayPosition() = 0;
    // These three need a created buffer and raise EDSoundPlayerError without one.
    virtual platform::dsound::HRESULT Lock(uint32_t offset, uint32_t bytes, uint32_t flags, void** block1,
                                           uint32_t* bytes1, void** block2, uint32_t* bytes2) = 0;
    virtual platform::dsound::HRESULT Unlock(void* block1, uint32_t bytes1, void* block2, uint32_t bytes2) = 0;
    virtual platform::dsound::HRESULT SetFormat(const platform::dsound::WaveFormat& format) = 0;
    // From the start; a lost buffer is restored (and refilled) instead.
    virtual void Play() = 0;
    virtual void PlayLooped() = 0;
    virtual void Stop() = 0;

    // Where a restored buffer gets its samples back from.
    void SetRefillSource(const TWav* wav) { FRefillSource = wav; }

protected:
    const TWav* FRefillSource = nullptr;
};

class TDSound1 final : public TDSound {
public:
    // Opens the default device; raises through DSCheck ("DSound Create").
    explicit TDSound1(platform::AudioOutput& output);
    platform::dsound::HRESULT SetCooperativeLevel(platform::Window* window, uint32_t level) override;
    platform::dsound::HRESULT CreatePrimaryBuffer(TDSoundBuffer& buffer) override;
    platform::dsound::HRESULT CreateSecondaryBuffer(TDSoundBuffer& buffer, const TWav& wav) override;
    platform::dsound::DirectSound* Interface() override { return FDirectSound.get(); }

private:
    std::unique_ptr<platform::dsound::DirectSound> FDirectSound;
};

class TDSoundBuffer1 final : public TDSoundBuffer {
public:
    bool IsPlaying() override;
    uint32_t GetFrequency() override;
    void SetFrequency(uint32_t value) override;
    int32_t GetPan() override;
    void SetPan(int32_t value) override;
    void SetVolume(int value) override;
    uint32_t GetPlayPosition() override;
    platform::dsound::HRESULT Lock(uint32_t offset, uint32_t bytes, uint32_t flags, void** block1, uint32_t* bytes1,
                                   void** block2, uint32_t* bytes2) override;
    platform::dsound::HRESULT Unlock(void* block1, uint32_t bytes1, void* block2, uint32_t bytes2) override;
    platform::dsound::HRESULT SetFormat(const platform::dsound::WaveFormat& format) override;
    void Play() override;
    void PlayLooped() override;
    void Stop() override;

    platform::dsound::DirectSoundBuffer* Interface() { return FBuffer.get(); }

private:
    friend class TDSound1;
    void Start(uint32_t flags);
    void Refill();
    platform::dsound::DirectSoundBuffer& Required();

    std::unique_ptr<platform::dsound::DirectSoundBuffer> FBuffer;
};

// Fills a created buffer with the wav's samples; false when it cannot be locked.
bool FillSoundBuffer(TDSoundBuffer& buffer, const TWav& wav);

#pragma once
// DirectSound over the backend's audio output: device enumeration, the device
// object with its cooperative level, and buffer creation. Without a sound
// device, enumeration finds nothing and creation answers DSERR_NODRIVER.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/backends/audio.h"
#include "platform/win32/dsound/direct_sound_buffer.h"
#include "platform/win32/dsound/dsound_types.h"

namespace platform {
class Window;
}

namespace platform::dsound {

class SoundEngine;

class DirectSound {
public:
    ~DirectSound();
    DirectSound(const DirectSound&) = delete;
    DirectSound& operator=(const DirectSound&) = delete;

    HRESULT SetCooperativeLevel(Window* window, uint32_t level);
    // A secondary buffer given `samples` of exactly its size starts out
    // playing them without a copy (see DirectSoundBuffer::ShareSamples);
    // otherwise it starts silent.
    HRESULT CreateSoundBuffer(const BufferDesc& desc, std::unique_ptr<DirectSoundBuffer>& buffer,
                              std::shared_ptr<const std::vector<uint8_t>> samples = nullptr);

    // What happens when another program takes the sound card: every buffer
    // loses its memory and answers DSERR_BUFFERLOST until restored.
    void LoseBuffers();

    uint32_t cooperativeLevel() const { return *level_; }
    AudioFormat outputFormat() const;

private:
    friend HRESULT DirectSoundCreate(AudioOutput& output, std::unique_ptr<DirectSound>& device);
    explicit DirectSound(std::shared_ptr<SoundEngine> engine);

    std::shared_ptr<SoundEngine> engine_;
    // Shared with the buffers, which check it for primary-buffer rights.
    std::shared_ptr<uint32_t> level_;
};

// Calls `callback` with each device's description until it returns false.
using DeviceEnumCallback = std::function<bool(const std::string& description)>;
HRESULT DirectSoundEnumerate(AudioOutput& output, const DeviceEnumCallback& callback);

// Opens the default device.
HRESULT DirectSoundCreate(AudioOutput& output, std::unique_ptr<DirectSound>& device);

}  // namespace platform::dsound

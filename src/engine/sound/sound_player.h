#pragma once
// TDSoundPlayer: owns the sound device (and, at priority level, the primary
// buffer) and builds the buffers of every sound list bound to it.
//
// Without a sound device, Initialize returns at once: the sounds then have no
// buffers and every play and stop does nothing.
//
// On a form: construct the player with the application's backend (which must
// outlive it), bind the list with DSoundList1.SetSoundPlayer(&DSoundPlayer1),
// fill the list, then call Initialize once. Player and list may be destroyed
// in either order; each unbinds itself from the other.
#include <functional>
#include <memory>
#include <vector>

#include "engine/sound/dsound_wrappers.h"
#include "engine/sound/sound_errors.h"

namespace platform {
class Backend;
}
class TDSoundList;
class TSoundCollectionItem;

enum class TCooperationLevel { clNormal = 0, clPriority = 1 };

class TDSoundPlayer {
public:
    using TNotifyEvent = std::function<void(TDSoundPlayer& sender)>;

    // The backend provides the sound card and the window the device belongs to.
    explicit TDSoundPlayer(platform::Backend& backend);
    ~TDSoundPlayer();
    TDSoundPlayer(const TDSoundPlayer&) = delete;
    TDSoundPlayer& operator=(const TDSoundPlayer&) = delete;

    bool AutoInitialize = true;
    TCooperationLevel CooperationLevel = TCooperationLevel::clNormal;
    TNotifyEvent OnInitialize;
    TNotifyEvent OnDestroy;

    // Call once the settings above are made: initialises when AutoInitialize.
    void Loaded();
    // Finds the device and builds every bound list's buffers. Errors are
    // caught here: afterwards the player is either initialised or has no device.
    void Initialize();

    bool Initialized() const { return FInitialized; }
    int Generation() const { return FGeneration; }
    bool DeviceFound() const { return FDeviceFound; }
    bool PrimaryBufferCreated() const { return FPrimaryBufferCreated; }
    TDSound* Device() { return FDSound.get(); }
    TDSoundBuffer* PrimaryBuffer() { return FPrimaryBuffer.get(); }

    // Only when the primary buffer exists (priority level).
    void SetPrimaryFormat(int channels, int samplesPerSec, int bitsPerSample);
    void ReleaseAllBuffers();
    // Builds one sound's buffer from its wav; nothing without a device.
    // Raises EDSoundPlayerError "Cannot create soundbuffer from Wav.".
    void BuildSoundBuffer(TSoundCollectionItem& item);

private:
    friend class TDSoundList;
    void Bind(TDSoundList& list);
    void Unbind(TDSoundList& list);
    void DetectGeneration();
    void FreeDevice();

    platform::Backend& FBackend;
    bool FInitialized = false;
    int FGeneration = -1;
    std::unique_ptr<TDSound> FDSound;
    std::unique_ptr<TDSoundBuffer> FPrimaryBuffer;
    bool FPrimaryBufferCreated = false;
    bool FDeviceFound = false;
    int FPrimaryChannels = 2;
    int FPrimarySamplesPerSec = 44100;
    int FPrimaryBitsPerSample = 16;
    std::vector<TDSoundList*> FLists;  // bound lists, in binding order; not owned
};

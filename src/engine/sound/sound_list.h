#pragma once
// TDSoundList: named sounds, each a wav and, once the bound player has
// initialised, its own sound buffer.
#include <memory>
#include <string>
#include <vector>

#include "engine/sound/dsound_wrappers.h"
#include "engine/sound/sound_errors.h"
#include "engine/sound/wav.h"

class TDSoundList;
class TDSoundPlayer;

class TSoundCollectionItem {
public:
    std::string Name;
    bool Looped = false;

    const TWav& Wav() const { return FWav; }
    void SetWav(const TWav& wav) { FWav.Assign(&wav); }
    // The name, or the collection's default for an unnamed item.
    std::string DisplayName() const;
    // Copies the wav and Looped; the name is cleared and the buffer dropped.
    void Assign(const TSoundCollectionItem& source);

    // None until the player builds it.
    TDSoundBuffer* Buffer() { return FBuffer.get(); }
    void SetBuffer(std::unique_ptr<TDSoundBuffer> buffer) { FBuffer = std::move(buffer); }
    void FreeBuffer() { FBuffer.reset(); }

    // Without a buffer these do nothing (and IsPlaying is false).
    bool IsPlaying();
    // From the start, looped or once as the item says.
    void Play();
    void Stop();

private:
    TWav FWav;
    std::unique_ptr<TDSoundBuffer> FBuffer;
};

class TSoundCollection {
public:
    explicit TSoundCollection(TDSoundList& owner) : FOwner(owner) {}
    TSoundCollection(const TSoundCollection&) = delete;
    TSoundCollection& operator=(const TSoundCollection&) = delete;

    TSoundCollectionItem& Add();
    int Count() const { return static_cast<int>(FItems.size()); }
    TSoundCollectionItem& Items(int index) { return *FItems.at(static_cast<std::size_t>(index)); }
    TSoundCollectionItem& operator[](int index) { return Items(index); }
    // First item whose name matches, ignoring case; raises EDSoundListError
    // "Sound %s does not exist." otherwise.
    TSoundCollectionItem& Find(const std::string& name);
    void Clear() { FItems.clear(); }
    TDSoundList& Owner() { return FOwner; }

private:
    TDSoundList& FOwner;
    std::vector<std::unique_ptr<TSoundCollectionItem>> FItems;
};

class TDSoundList {
public:
    TDSoundList();
    ~TDSoundList();
    TDSoundList(const TDSoundList&) = delete;
    TDSoundList& operator=(const TDSoundList&) = delete;

    TDSoundPlayer* SoundPlayer() const { return FSoundPlayer; }
    // Moves the list from its player (if any) to `player` (may be null).
    void SetSoundPlayer(TDSoundPlayer* player);
    TSoundCollection& Items() { return FItems; }

    void StopAll();

private:
    friend class TDSoundPlayer;
    TDSoundPlayer* FSoundPlayer = nullptr;
    TSoundCollection FItems;
};

#include "engine/sound/sound_player.h"

#include <algorithm>

#include "engine/sound/sound_list.h"
#include "platform/backends/backend.h"

namespace ds = platform::dsound;

TDSoundPlayer::TDSoundPlayer(platform::Backend& backend) : FBackend(backend) {}

TDSoundPlayer::~TDSoundPlayer()
{
    ReleaseAllBuffers();
    FreeDevice();
    FInitialized = false;
    if (OnDestroy) OnDestroy(*this);
    for (TDSoundList* list : FLists) list->FSoundPlayer = nullptr;
    FLists.clear();
}

void TDSoundPlayer::Loaded()
{
    if (AutoInitialize) Initialize();
}

void TDSoundPlayer::DetectGeneration()
{
    FDeviceFound = false;
    ds::DirectSoundEnumerate(FBackend.audio(), [this](const std::string&) {
        FDeviceFound = true;
        return true;
    });
    // Only the first generation exists; opening the device once more mirrors
    // what a newer generation probe costs, and its answer does not matter.
    if (FDeviceFound && !FDSound) {
        std::unique_ptr<ds::DirectSound> probe;
        ds::DirectSoundCreate(FBackend.audio(), probe);
    }
    FGeneration = 1;
}

void TDSoundPlayer::FreeDevice()
{
    FPrimaryBuffer.reset();
    FDSound.reset();
    FPrimaryBufferCreated = false;
}

void TDSoundPlayer::Initialize()
{
    FInitialized = false;
    try {
        DetectGeneration();
        if (!FDeviceFound) return;

        // A second Initialize starts from a clean device: the old buffers
        // belong to the old one.
        ReleaseAllBuffers();
        FreeDevice();
        FDSound = std::make_unique<TDSound1>(FBackend.audio());
        FPrimaryBuffer = std::make_unique<TDSoundBuffer1>();

        platform::Window* window = &FBackend.window();
        if (CooperationLevel == TCooperationLevel::clPriority) {
            FDSound->SetCooperativeLevel(window, ds::DSSCL_PRIORITY);
            DSCheck(FDSound->CreatePrimaryBuffer(*FPrimaryBuffer), "Create PrimarySoundBuffer");
            FPrimaryBufferCreated = true;
            SetPrimaryFormat(FPrimaryChannels, FPrimarySamplesPerSec, FPrimaryBitsPerSample);
        } else {
            FDSound->SetCooperativeLevel(window, ds::DSSCL_NORMAL);
        }

        for (TDSoundList* list : FLists) {
            TSoundCollection& items = list->Items();
            for (int i = 0; i < items.Count(); ++i) BuildSoundBuffer(items.Items(i));
        }
        FInitialized = true;
    } catch (const std::exception&) {
        // A half-built player would play some sounds and not others: without
        // its device it plays none.
        ReleaseAllBuffers();
        FreeDevice();
    }
    if (OnInitialize) OnInitialize(*this);
}

void TDSoundPlayer::SetPrimaryFormat(int channels, int samplesPerSec, int bitsPerSample)
{
    if (!FPrimaryBufferCreated || !FPrimaryBuffer) return;
    ds::WaveFormat format;
    format.formatTag = ds::WAVE_FORMAT_PCM;
    format.channels = static_cast<uint16_t>(channels);
    format.samplesPerSec = static_cast<uint32_t>(samplesPerSec);
    format.blockAlign = static_cast<uint16_t>(channels * bitsPerSample / 8);
    format.avgBytesPerSec = format.blockAlign * format.samplesPerSec;
    format.bitsPerSample = static_cast<uint16_t>(bitsPerSample);
    format.extraSize = 0;
    DSCheck(FPrimaryBuffer->SetFormat(format), "Set Format PrimaryBuffer");
}

void TDSoundPlayer::ReleaseAllBuffers()
{
    for (TDSoundList* list : FLists) {
        TSoundCollection& items = list->Items();
        for (int i = 0; i < items.Count(); ++i) items.Items(i).FreeBuffer();
    }
}

void TDSoundPlayer::BuildSoundBuffer(TSoundCollectionItem& item)
{
    if (!FDSound) return;
    item.FreeBuffer();
    auto buffer = std::make_unique<TDSoundBuffer1>();
    // The buffer plays the wav's own samples; nothing is copied.
    bool created = false;
    try {
        created = platform::dsound::Succeeded(FDSound->CreateSecondaryBuffer(*buffer, item.Wav()));
    } catch (const std::exception&) {
    }
    if (!created) throw EDSoundPlayerError("Cannot create soundbuffer from Wav.");
    buffer->SetRefillSource(&item.Wav());
    item.SetBuffer(std::move(buffer));
}

void TDSoundPlayer::Bind(TDSoundList& list) { FLists.push_back(&list); }

void TDSoundPlayer::Unbind(TDSoundList& list) { FLists.erase(std::remove(FLists.begin(), FLists.end(), &list), FLists.end()); }

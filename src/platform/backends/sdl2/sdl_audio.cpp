#include "platform/backends/sdl2/sdl_audio.h"

#include <SDL.h>

#include "platform/system/system_shell.h"

namespace platform {
namespace {

class SdlAudioDevice final : public AudioDevice {
public:
    SdlAudioDevice(AudioMixCallback callback) : callback_(std::move(callback)) {}
    ~SdlAudioDevice() override
    {
        if (id_) SDL_CloseAudioDevice(id_);
    }
    bool open(const AudioFormat& wanted)
    {
        SDL_AudioSpec want{}, have{};
        want.freq = wanted.frequency;
        want.format = AUDIO_S16SYS;
        want.channels = static_cast<Uint8>(wanted.channels);
        want.samples = 512;
        want.callback = &SdlAudioDevice::trampoline;
        want.userdata = this;
        id_ = SDL_OpenAudioDevice(nullptr, 0, &want, &have, SDL_AUDIO_ALLOW_FREQUENCY_CHANGE);
        if (!id_) return false;
        format_ = {have.freq, have.channels};
        SDL_PauseAudioDevice(id_, 0);
        return true;
    }
    AudioFormat format() const override { return format_; }
    void lock() override { SDL_LockAudioDevice(id_); }
    void unlock() override { SDL_UnlockAudioDevice(id_); }

private:
    static void SDLCALL trampoline(void* userdata, Uint8* stream, int len)
    {
        auto* self = static_cast<SdlAudioDevice*>(userdata);
        const int frames = len / (2 * self->format_.channels);
        self->callback_(reinterpret_cast<int16_t*>(stream), frames);
    }

    AudioMixCallback callback_;
    AudioFormat format_;
    SDL_AudioDeviceID id_ = 0;
};

}  // namespace

SdlAudio::~SdlAudio()
{
    if (initialised_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlAudio::initSubsystem()
{
    if (initialised_) return true;
    if (failed_) return false;
    initialised_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    failed_ = !initialised_;
    return initialised_;
}

std::vector<std::string> SdlAudio::deviceNames()
{
    if (!initSubsystem()) return {};
    std::vector<std::string> names;
    const int count = SDL_GetNumAudioDevices(0);
    for (int i = 0; i < count; ++i) {
        const char* name = SDL_GetAudioDeviceName(i, 0);
        names.emplace_back(name ? name : "Sound device");
    }
    // Some drivers cannot list devices but still have a default one: try it
    // where the system lets a device be opened just to look.
    const bool unlisted = count < 0 || (count == 0 && SDL_GetCurrentAudioDriver());
    if (unlisted && !soundDeviceMayBeProbed()) {
        names.emplace_back("Default sound device");
    } else if (unlisted) {
        SDL_AudioSpec want{};
        want.freq = 44100;
        want.format = AUDIO_S16SYS;
        want.channels = 2;
        want.samples = 512;
        const SDL_AudioDeviceID probe = SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
        if (probe) {
            SDL_CloseAudioDevice(probe);
            names.emplace_back("Default sound device");
        }
    }
    return names;
}

std::unique_ptr<AudioDevice> SdlAudio::open(const AudioFormat& wanted, AudioMixCallback callback)
{
    if (!initSubsystem()) return nullptr;
    auto device = std::make_unique<SdlAudioDevice>(std::move(callback));
    if (!device->open(wanted)) return nullptr;
    return device;
}

}  // namespace platform

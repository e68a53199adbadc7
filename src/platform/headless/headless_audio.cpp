#include "platform/headless/headless_audio.h"

namespace platform {

class HeadlessAudioDevice final : public AudioDevice {
public:
    explicit HeadlessAudioDevice(HeadlessAudio& owner) : owner_(owner) {}
    ~HeadlessAudioDevice() override
    {
        owner_.open_ = false;
        owner_.callback_ = nullptr;
    }
    AudioFormat format() const override { return owner_.format_; }
    void lock() override {}
    void unlock() override {}

private:
    HeadlessAudio& owner_;
};

std::vector<std::string> HeadlessAudio::deviceNames()
{
    if (!available_) return {};
    return {"Headless audio"};
}

std::unique_ptr<AudioDevice> HeadlessAudio::open(const AudioFormat& wanted, AudioMixCallback callback)
{
    if (!available_ || open_) return nullptr;
    format_ = wanted;
    callback_ = std::move(callback);
    open_ = true;
    return std::make_unique<HeadlessAudioDevice>(*this);
}

std::vector<int16_t> HeadlessAudio::pull(int frames)
{
    std::vector<int16_t> out(static_cast<std::size_t>(frames) * format_.channels, 0);
    if (open_ && callback_ && frames > 0) callback_(out.data(), frames);
    return out;
}

}  // namespace platform

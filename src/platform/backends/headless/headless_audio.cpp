#include "platform/backends/headless/headless_audio.h"

namespace platform {

class HeadlessAudioDevice final : public AudioDevice {
public:
    explicit HeadlessAudioDevice(HeadlessAudio& owner) : owner_(owner) {}
    ~HeadlessAudioDevice() override
    {
        std::lock_guard guard(owner_.mutex_);
        owner_.open_ = false;
        owner_.callback_ = nullptr;
    }
    AudioFormat format() const override { return owner_.format_; }
    void lock() override { owner_.mutex_.lock(); }
    void unlock() override { owner_.mutex_.unlock(); }

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
    std::lock_guard guard(mutex_);
    if (!available_ || open_) return nullptr;
    format_ = forced_.frequency > 0 ? forced_ : wanted;
    callback_ = std::move(callback);
    open_ = true;
    return std::make_unique<HeadlessAudioDevice>(*this);
}

std::vector<int16_t> HeadlessAudio::pull(int frames)
{
    std::lock_guard guard(mutex_);
    std::vector<int16_t> out(static_cast<std::size_t>(frames > 0 ? frames : 0) * format_.channels, 0);
    if (open_ && callback_ && frames > 0) callback_(out.data(), frames);
    return out;
}

}  // namespace platform

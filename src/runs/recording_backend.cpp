#include "runs/recording_backend.h"

#include "runs/raw_input_codec.h"

namespace recording {

class RecordingBackend::Clock final : public platform::Clock {
public:
    Clock(platform::Clock& inner, RecordingBackend& owner) : inner_(inner), owner_(owner) {}

    uint32_t milliseconds() override
    {
        const uint32_t now = inner_.milliseconds();
        owner_.write(RecordType::Milliseconds, static_cast<int32_t>(now - lastMs_),
                     [](ByteWriter& out, int32_t delta) { out.svarint(delta); });
        lastMs_ = now;
        return now;
    }
    bool performanceFrequency(int64_t& countsPerSecond) override
    {
        return owner_.write(RecordType::Frequency, inner_.performanceFrequency(countsPerSecond),
                            [&](ByteWriter& out, bool has) { PutFrequency(out, has, countsPerSecond); });
    }
    int64_t performanceCounter() override
    {
        const int64_t now = inner_.performanceCounter();
        owner_.write(RecordType::Counter, static_cast<int64_t>(static_cast<uint64_t>(now) - static_cast<uint64_t>(lastCounter_)),
                     [](ByteWriter& out, int64_t delta) { out.svarint(delta); });
        lastCounter_ = now;
        return now;
    }
    uint64_t randomSeed() override
    {
        return owner_.write(RecordType::RandomSeed, inner_.randomSeed(), [](ByteWriter& out, uint64_t seed) { out.u64(seed); });
    }

private:
    platform::Clock& inner_;
    RecordingBackend& owner_;
    uint32_t lastMs_ = 0;
    int64_t lastCounter_ = 0;
};

class RecordingBackend::Window final : public platform::Window {
public:
    Window(platform::Window& inner, RecordingBackend& owner) : inner_(inner), owner_(owner) {}

    // What the game sets, and reads back as it set it, passes straight through.
    void setCaption(const std::string& caption) override { inner_.setCaption(caption); }
    std::string caption() const override { return inner_.caption(); }
    void setBounds(const platform::Rect& outer) override { inner_.setBounds(outer); }
    void setClientSize(int width, int height) override { inner_.setClientSize(width, height); }
    void centre() override { inner_.centre(); }
    void setBorderStyle(platform::BorderStyle style) override { inner_.setBorderStyle(style); }
    platform::BorderStyle borderStyle() const override { return inner_.borderStyle(); }
    void setStayOnTop(bool onTop) override { inner_.setStayOnTop(onTop); }
    bool stayOnTop() const override { return inner_.stayOnTop(); }
    void setColor(uint32_t bgrColor) override { inner_.setColor(bgrColor); }
    void show() override { inner_.show(); }
    void minimize() override { inner_.minimize(); }
    void setCursorVisible(bool visible) override { inner_.setCursorVisible(visible); }
    void setBusyCursor(bool busy) override { inner_.setBusyCursor(busy); }
    void warpMouse(int screenX, int screenY) override { inner_.warpMouse(screenX, screenY); }
    void setMouseConfined(bool confined) override { inner_.setMouseConfined(confined); }

    // What the desktop decides is written down.
    platform::Rect bounds() const override { return owner_.write(RecordType::Bounds, inner_.bounds(), PutRect); }
    platform::Rect clientRect() const override
    {
        return owner_.write(RecordType::ClientRect, inner_.clientRect(), PutRect);
    }
    bool visible() const override { return owner_.write(RecordType::Visible, inner_.visible(), PutBool); }
    bool minimized() const override { return owner_.write(RecordType::Minimized, inner_.minimized(), PutBool); }
    bool hasFocus() const override { return owner_.write(RecordType::HasFocus, inner_.hasFocus(), PutBool); }

private:

    platform::Window& inner_;
    RecordingBackend& owner_;
};

class RecordingBackend::Video final : public platform::VideoOutput {
public:
    Video(platform::VideoOutput& inner, RecordingBackend& owner) : inner_(inner), owner_(owner) {}

    bool setFullScreen(bool fullScreen) override
    {
        return owner_.write(RecordType::SetFullScreen, inner_.setFullScreen(fullScreen), PutBool);
    }
    bool fullScreen() const override { return owner_.write(RecordType::FullScreen, inner_.fullScreen(), PutBool); }
    std::vector<platform::DisplayModeInfo> displayModes() const override
    {
        return owner_.write(RecordType::DisplayModes, inner_.displayModes(), PutModes);
    }
    platform::DisplayModeInfo desktopMode() const override
    {
        return owner_.write(RecordType::DesktopMode, inner_.desktopMode(), PutMode);
    }
    int displayCount() const override
    {
        return owner_.write(RecordType::DisplayCount, inner_.displayCount(), [](ByteWriter& out, int n) { out.svarint(n); });
    }
    platform::Rect workArea() const override { return owner_.write(RecordType::WorkArea, inner_.workArea(), PutRect); }
    bool displayConflict() const override
    {
        return owner_.write(RecordType::DisplayConflict, inner_.displayConflict(), PutBool);
    }
    void present(const platform::FrameView& frame) override { inner_.present(frame); }

private:

    platform::VideoOutput& inner_;
    RecordingBackend& owner_;
};

class RecordingBackend::Audio final : public platform::AudioOutput {
public:
    Audio(platform::AudioOutput& inner, RecordingBackend& owner) : inner_(inner), owner_(owner) {}

    std::vector<std::string> deviceNames() override
    {
        return owner_.write(RecordType::AudioDevices, inner_.deviceNames(), PutNames);
    }
    std::unique_ptr<platform::AudioDevice> open(const platform::AudioFormat& wanted,
                                                platform::AudioMixCallback callback) override
    {
        auto device = inner_.open(wanted, std::move(callback));
        owner_.write(RecordType::AudioOpen, device ? std::optional(device->format()) : std::nullopt, PutAudioOpen);
        if (!device) return nullptr;
        return std::make_unique<Device>(std::move(device), owner_);
    }

private:
    // The real device; its format is written down each time it is asked.
    class Device final : public platform::AudioDevice {
    public:
        Device(std::unique_ptr<platform::AudioDevice> inner, RecordingBackend& owner)
            : inner_(std::move(inner)), owner_(owner) {}
        platform::AudioFormat format() const override
        {
            return owner_.write(RecordType::AudioFormat, inner_->format(), PutAudioFormat);
        }
        void lock() override { inner_->lock(); }
        void unlock() override { inner_->unlock(); }

    private:
        std::unique_ptr<platform::AudioDevice> inner_;
        RecordingBackend& owner_;
    };

    platform::AudioOutput& inner_;
    RecordingBackend& owner_;
};

RecordingBackend::RecordingBackend(platform::Backend& inner, RecordingWriter& writer)
    : inner_(inner),
      writer_(writer),
      clock_(std::make_unique<Clock>(inner.clock(), *this)),
      window_(std::make_unique<Window>(inner.window(), *this)),
      video_(std::make_unique<Video>(inner.video(), *this)),
      audio_(std::make_unique<Audio>(inner.audio(), *this))
{
}

RecordingBackend::~RecordingBackend() = default;

platform::Clock& RecordingBackend::clock() { return *clock_; }
platform::Window& RecordingBackend::window() { return *window_; }
platform::VideoOutput& RecordingBackend::video() { return *video_; }
platform::AudioOutput& RecordingBackend::audio() { return *audio_; }

bool RecordingBackend::pollEvent(platform::Event& event)
{
    const auto before = EncodeRawInput(inner_.input());
    const bool got = inner_.pollEvent(event);
    ByteWriter out;
    PutEvent(out, got ? std::optional(event) : std::nullopt);
    writer_.add(RecordType::Poll, out);
    inputChangedSince(before);
    return got;
}

void RecordingBackend::waitEvents(uint32_t timeoutMs)
{
    const auto before = EncodeRawInput(inner_.input());
    inner_.waitEvents(timeoutMs);
    ByteWriter out;
    out.varint(timeoutMs);
    writer_.add(RecordType::Wait, out);
    inputChangedSince(before);
}

void RecordingBackend::rescanDevices()
{
    const auto before = EncodeRawInput(inner_.input());
    inner_.rescanDevices();
    writer_.add(RecordType::Rescan, {});
    inputChangedSince(before);
}

void RecordingBackend::showError(const std::string& title, const std::string& text)
{
    // The dialog may stay up until the player gives up on it: what led to
    // it is on disk first.
    writer_.flush();
    inner_.showError(title, text);
}

void RecordingBackend::frameDone(uint64_t number, uint64_t digest)
{
    ByteWriter out;
    PutFrame(out, {number, digest});
    writer_.add(RecordType::Frame, out);
}

void RecordingBackend::inputChangedSince(const std::vector<uint8_t>& before)
{
    const auto after = EncodeRawInput(inner_.input());
    if (after == before) return;
    const auto diff = DiffBytes(before, after);
    writer_.add(RecordType::Input, diff);
}

}  // namespace recording

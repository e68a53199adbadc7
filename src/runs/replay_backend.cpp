#include "runs/replay_backend.h"

#include <cstdio>

#include "platform/backends/headless/headless_window.h"
#include "runs/raw_input_codec.h"

namespace recording {
namespace {

bool ReadDelta(ByteReader& in, int64_t& delta) { return in.svarint(delta); }

}  // namespace

class ReplayBackend::Clock final : public platform::Clock {
public:
    explicit Clock(ReplayBackend& owner) : owner_(owner) {}

    uint32_t milliseconds() override
    {
        ms_ += static_cast<uint32_t>(owner_.answer(RecordType::Milliseconds, int64_t{0}, ReadDelta));
        return ms_;
    }
    bool performanceFrequency(int64_t& countsPerSecond) override
    {
        hasCounter_ = owner_.answer(RecordType::Frequency, hasCounter_,
                                    [this](ByteReader& in, bool& has) { return GetFrequency(in, has, frequency_); });
        countsPerSecond = frequency_;
        return hasCounter_;
    }
    int64_t performanceCounter() override
    {
        const int64_t delta = owner_.answer(RecordType::Counter, int64_t{0}, ReadDelta);
        counter_ = static_cast<int64_t>(static_cast<uint64_t>(counter_) + static_cast<uint64_t>(delta));
        return counter_;
    }
    uint64_t randomSeed() override
    {
        return owner_.answer(RecordType::RandomSeed, uint64_t{0}, [](ByteReader& in, uint64_t& v) { return in.u64(v); });
    }

private:
    ReplayBackend& owner_;
    uint32_t ms_ = 0;
    int64_t counter_ = 0;
    bool hasCounter_ = true;
    int64_t frequency_ = 1'000'000;
};

class ReplayBackend::Window final : public platform::Window {
public:
    explicit Window(ReplayBackend& owner) : owner_(owner) {}

    // What the game sets it reads back as set.
    void setCaption(const std::string& caption) override { echo_.setCaption(caption); }
    std::string caption() const override { return echo_.caption(); }
    void setBounds(const platform::Rect& outer) override { echo_.setBounds(outer); }
    void setClientSize(int width, int height) override { echo_.setClientSize(width, height); }
    void centre() override { echo_.centre(); }
    void setBorderStyle(platform::BorderStyle style) override { echo_.setBorderStyle(style); }
    platform::BorderStyle borderStyle() const override { return echo_.borderStyle(); }
    void setStayOnTop(bool onTop) override { echo_.setStayOnTop(onTop); }
    bool stayOnTop() const override { return echo_.stayOnTop(); }
    void setColor(uint32_t bgrColor) override { echo_.setColor(bgrColor); }
    void show() override { echo_.show(); }
    void minimize() override { echo_.minimize(); }
    void setCursorVisible(bool visible) override { echo_.setCursorVisible(visible); }
    void setBusyCursor(bool busy) override { echo_.setBusyCursor(busy); }
    void warpMouse(int screenX, int screenY) override { echo_.warpMouse(screenX, screenY); }
    void setMouseConfined(bool confined) override { echo_.setMouseConfined(confined); }

    // What the desktop decided comes from the recording.
    platform::Rect bounds() const override { return owner_.answer(RecordType::Bounds, echo_.bounds(), GetRect); }
    platform::Rect clientRect() const override
    {
        return owner_.answer(RecordType::ClientRect, echo_.clientRect(), GetRect);
    }
    bool visible() const override { return owner_.answer(RecordType::Visible, echo_.visible(), GetBool); }
    bool minimized() const override { return owner_.answer(RecordType::Minimized, echo_.minimized(), GetBool); }
    bool hasFocus() const override { return owner_.answer(RecordType::HasFocus, echo_.hasFocus(), GetBool); }

private:

    ReplayBackend& owner_;
    platform::HeadlessWindow echo_;
};

class ReplayBackend::Video final : public platform::VideoOutput {
public:
    explicit Video(ReplayBackend& owner) : owner_(owner) {}

    bool setFullScreen(bool) override { return owner_.answer(RecordType::SetFullScreen, false, GetBool); }
    bool fullScreen() const override { return owner_.answer(RecordType::FullScreen, false, GetBool); }
    std::vector<platform::DisplayModeInfo> displayModes() const override
    {
        return owner_.answer(RecordType::DisplayModes, std::vector<platform::DisplayModeInfo>{}, GetModes);
    }
    platform::DisplayModeInfo desktopMode() const override
    {
        return owner_.answer(RecordType::DesktopMode, platform::DisplayModeInfo{800, 600, 16, 60}, GetMode);
    }
    int displayCount() const override
    {
        return owner_.answer(RecordType::DisplayCount, int32_t{1}, [](ByteReader& in, int32_t& n) { return in.int32(n); });
    }
    platform::Rect workArea() const override
    {
        return owner_.answer(RecordType::WorkArea, platform::Rect{0, 0, 800, 600}, GetRect);
    }
    bool displayConflict() const override { return owner_.answer(RecordType::DisplayConflict, false, GetBool); }
    // Nobody is looking.
    void present(const platform::FrameView&) override {}

private:

    ReplayBackend& owner_;
};

class ReplayBackend::Audio final : public platform::AudioOutput {
public:
    explicit Audio(ReplayBackend& owner) : owner_(owner) {}

    std::vector<std::string> deviceNames() override
    {
        return owner_.answer(RecordType::AudioDevices, std::vector<std::string>{}, GetNames);
    }
    std::unique_ptr<platform::AudioDevice> open(const platform::AudioFormat&, platform::AudioMixCallback) override
    {
        const auto opened = owner_.answer(RecordType::AudioOpen, std::optional<platform::AudioFormat>{}, GetAudioOpen);
        if (!opened) return nullptr;
        return std::make_unique<Device>(*opened, owner_);
    }

private:
    // A device that was there when the game was played; it never asks for
    // sound, which changes nothing the game does.
    class Device final : public platform::AudioDevice {
    public:
        Device(platform::AudioFormat format, ReplayBackend& owner) : format_(format), owner_(owner) {}
        platform::AudioFormat format() const override
        {
            format_ = owner_.answer(RecordType::AudioFormat, format_, GetAudioFormat);
            return format_;
        }
        void lock() override {}
        void unlock() override {}

    private:
        mutable platform::AudioFormat format_;
        ReplayBackend& owner_;
    };

    ReplayBackend& owner_;
};

ReplayBackend::ReplayBackend(const Recording& recording)
    : recording_(recording),
      inputBytes_(EncodeRawInput(input_)),
      clock_(std::make_unique<Clock>(*this)),
      window_(std::make_unique<Window>(*this)),
      video_(std::make_unique<Video>(*this)),
      audio_(std::make_unique<Audio>(*this))
{
    const auto records = std::span(recording_.records).first(recording_.replayEnd);
    RecordCursor cursor(records);
    RecordType type{};
    std::span<const uint8_t> payload;
    while (cursor.next(type, payload) && type == RecordType::File) {
        ByteReader in(payload);
        RecordedFile file;
        if (GetFile(in, file)) files_.push_back(std::move(file));
        at_ = cursor.position();
    }
}

ReplayBackend::~ReplayBackend() = default;

platform::Clock& ReplayBackend::clock() { return *clock_; }
platform::Window& ReplayBackend::window() { return *window_; }
platform::VideoOutput& ReplayBackend::video() { return *video_; }
platform::AudioOutput& ReplayBackend::audio() { return *audio_; }

bool ReplayBackend::peek(RecordType& type, std::span<const uint8_t>& payload, std::size_t& length) const
{
    if (at_ >= recording_.replayEnd) return false;
    RecordCursor cursor(std::span(recording_.records).first(recording_.replayEnd).subspan(at_));
    if (!cursor.next(type, payload)) return false;
    length = cursor.position();
    return true;
}

std::optional<std::span<const uint8_t>> ReplayBackend::take(RecordType type)
{
    if (ended_) return std::nullopt;
    RecordType next{};
    std::span<const uint8_t> payload;
    std::size_t length = 0;
    if (!peek(next, payload, length)) {
        // A recording cut short ends after its last whole frame.
        end();
        return std::nullopt;
    }
    if (next == RecordType::End) {
        diverge(std::string("the recorded game ended here, but this game went on and asked for ") +
                DescribeRecord(type));
        return std::nullopt;
    }
    if (next != type) {
        diverge(std::string("this game asked for ") + DescribeRecord(type) + " where the recording has " +
                DescribeRecord(next));
        return std::nullopt;
    }
    at_ += length;
    return payload;
}

bool ReplayBackend::atReplayEnd() const
{
    RecordType next{};
    std::span<const uint8_t> payload;
    std::size_t length = 0;
    return !peek(next, payload, length) || next == RecordType::End;
}

void ReplayBackend::end()
{
    if (ended_) return;
    ended_ = true;
    if (onEnd_) onEnd_();
}

void ReplayBackend::diverge(const std::string& what)
{
    if (divergence_.empty())
        divergence_ = what + " (after frame " + std::to_string(framesMarked_) + ")";
    end();
}

bool ReplayBackend::pollEvent(platform::Event& event)
{
    const auto recorded = answer(RecordType::Poll, std::optional<platform::Event>{}, GetEvent);
    applyInputChange();
    if (!recorded) return false;
    event = *recorded;
    return true;
}

void ReplayBackend::waitEvents(uint32_t timeoutMs)
{
    const uint64_t recorded =
        answer(RecordType::Wait, uint64_t{timeoutMs}, [](ByteReader& in, uint64_t& ms) { return in.varint(ms); });
    if (recorded != timeoutMs)
        diverge("this game waited " + std::to_string(timeoutMs) + " ms where the recorded one waited " +
                std::to_string(recorded) + " ms");
    applyInputChange();
}

void ReplayBackend::rescanDevices()
{
    take(RecordType::Rescan);
    applyInputChange();
}

void ReplayBackend::showError(const std::string& title, const std::string& text)
{
    std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
}

void ReplayBackend::frameDone(uint64_t number, uint64_t digest)
{
    if (ended_) return;
    const FrameMark mark = answer(RecordType::Frame, FrameMark{number, digest}, GetFrame);
    if (ended_) return;
    if (mark.number != number) {
        diverge("this game counts frame " + std::to_string(number) + " where the recording has frame " +
                std::to_string(mark.number));
        return;
    }
    if (mark.digest != digest) {
        diverge("the game differs from the recording in frame " + std::to_string(number));
        return;
    }
    framesMarked_ = number;
}

void ReplayBackend::gameEnded()
{
    if (ended_) return;
    if (!atReplayEnd()) diverge("this game ended before the recorded one did");
    ended_ = true;
}

void ReplayBackend::applyInputChange()
{
    RecordType next{};
    std::span<const uint8_t> diff;
    std::size_t length = 0;
    if (ended_ || !peek(next, diff, length) || next != RecordType::Input) return;
    at_ += length;
    // The game read and cleared the state since; the change applies to that.
    inputBytes_ = EncodeRawInput(input_);
    if (!ApplyDiff(diff, inputBytes_) || !DecodeRawInput(inputBytes_, input_))
        diverge("a change of the raw input does not fit this game's input state");
}

}  // namespace recording

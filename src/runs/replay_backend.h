#pragma once
// A backend that answers the game from a recording: every clock reading,
// window and display answer, sound card answer, event and raw input change
// is served in the order it was recorded. Nothing is shown or heard, and no
// time is waited for, so a recorded game replays as fast as it can run.
//
// When the recording runs out (or the game asks for something other than
// what comes next, which means it went another way), the replay ends: the
// end handler is called once, and from then on every question gets a
// harmless answer so that the game can shut down in order.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/backends/backend.h"
#include "runs/recording_file.h"

namespace recording {

class ReplayBackend final : public platform::Backend {
public:
    // Reads the recorded files at the start; `recording` must outlive the backend.
    explicit ReplayBackend(const Recording& recording);
    ~ReplayBackend() override;

    // The files of the game folder as the recorded game found them.
    const std::vector<RecordedFile>& files() const { return files_; }
    // Called once when the replay ends; at once when it ended already (the
    // game may leave the recording while it is still being set up).
    void setOnEnd(std::function<void()> onEnd)
    {
        onEnd_ = std::move(onEnd);
        if (ended_ && onEnd_) onEnd_();
    }

    platform::Clock& clock() override;
    platform::Window& window() override;
    platform::VideoOutput& video() override;
    platform::AudioOutput& audio() override;
    platform::RawInput& input() override { return input_; }
    bool pollEvent(platform::Event& event) override;
    void waitEvents(uint32_t timeoutMs) override;
    void rescanDevices() override;
    void showError(const std::string& title, const std::string& text) override;

    // After each frame: the recording's mark for it must come next and
    // carry the same digest.
    void frameDone(uint64_t number, uint64_t digest);
    // The game has shut down: the recording must have got to its end too.
    void gameEnded();

    // The replay has stopped taking answers from the recording.
    bool ended() const { return ended_; }
    // Every record up to the replay's end was used, and nothing differed.
    bool matched() const { return ended_ && atReplayEnd() && divergence_.empty(); }
    // The first difference from the recording, in one line; empty when none.
    const std::string& divergence() const { return divergence_; }
    uint64_t framesMarked() const { return framesMarked_; }

    // For the wrappers below: the payload of the next record, which must be
    // of `type`; none once the replay has ended.
    std::optional<std::span<const uint8_t>> take(RecordType type);
    // The next record's value read by `get`, or `fallback` once the replay
    // has ended.
    template <class T, class Get>
    T answer(RecordType type, T fallback, Get get)
    {
        if (auto payload = take(type)) {
            ByteReader in(*payload);
            T value = fallback;
            if (get(in, value) && in.atEnd()) return value;
        }
        return fallback;
    }

private:
    class Clock;
    class Window;
    class Video;
    class Audio;

    // The next record within the replay's end and its whole length; false when there is none.
    bool peek(RecordType& type, std::span<const uint8_t>& payload, std::size_t& length) const;
    bool atReplayEnd() const;
    void end();
    void diverge(const std::string& what);
    // After an event, a wait or a look for pads: the raw input's change, if any.
    void applyInputChange();

    const Recording& recording_;
    std::size_t at_ = 0;
    bool ended_ = false;
    std::string divergence_;
    uint64_t framesMarked_ = 0;
    std::function<void()> onEnd_;
    std::vector<RecordedFile> files_;
    platform::RawInput input_;
    std::vector<uint8_t> inputBytes_;
    std::unique_ptr<Clock> clock_;
    std::unique_ptr<Window> window_;
    std::unique_ptr<Video> video_;
    std::unique_ptr<Audio> audio_;
};

}  // namespace recording

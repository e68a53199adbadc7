#pragma once
// A backend standing in front of another: everything passes through to the
// real one, and every answer the game takes from it (clock readings, the
// window's and the display's state, the sound card, events and raw input)
// is written to the recording in the order it was taken.
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/backends/backend.h"
#include "runs/recording_file.h"

namespace recording {

class RecordingBackend final : public platform::Backend {
public:
    RecordingBackend(platform::Backend& inner, RecordingWriter& writer);
    ~RecordingBackend() override;

    platform::Clock& clock() override;
    platform::Window& window() override;
    platform::VideoOutput& video() override;
    platform::AudioOutput& audio() override;
    // The real backend's state: the game reads and clears it in place, and
    // each call that may change it writes down what changed.
    platform::RawInput& input() override { return inner_.input(); }
    bool pollEvent(platform::Event& event) override;
    void waitEvents(uint32_t timeoutMs) override;
    void rescanDevices() override;
    void showError(const std::string& title, const std::string& text) override;

    // After each frame: its number and the game's digest then.
    void frameDone(uint64_t number, uint64_t digest);

    // For the wrappers below: writes `value` as a record of `type` made by
    // `put`, and gives it back.
    template <class T, class Put>
    T write(RecordType type, T value, Put put)
    {
        ByteWriter out;
        put(out, value);
        writer_.add(type, out);
        return value;
    }

private:
    class Clock;
    class Window;
    class Video;
    class Audio;

    // Writes what the call changed in the raw input, if anything.
    void inputChangedSince(const std::vector<uint8_t>& before);

    platform::Backend& inner_;
    RecordingWriter& writer_;
    std::unique_ptr<Clock> clock_;
    std::unique_ptr<Window> window_;
    std::unique_ptr<Video> video_;
    std::unique_ptr<Audio> audio_;
};

}  // namespace recording

#pragma once
// The headless backend without its pictures: frames are counted but not
// converted and kept. A soak watches the game's state, not its pixels, and
// converting every frame would take most of its time.
#include <functional>
#include <string>

#include "platform/backends/headless/headless_backend.h"

class QuietBackend final : public platform::Backend {
public:
    explicit QuietBackend(platform::HeadlessBackend& inner) : inner_(inner), video_(inner.headlessVideo()) {}

    platform::Clock& clock() override { return inner_.clock(); }
    platform::Window& window() override { return inner_.window(); }
    platform::VideoOutput& video() override { return video_; }
    platform::AudioOutput& audio() override { return inner_.audio(); }
    platform::RawInput& input() override { return inner_.input(); }
    bool pollEvent(platform::Event& event) override { return inner_.pollEvent(event); }
    void waitEvents(uint32_t timeoutMs) override { inner_.waitEvents(timeoutMs); }
    void rescanDevices() override { inner_.rescanDevices(); }
    void showError(const std::string& title, const std::string& text) override
    {
        inner_.showError(title, text);
        if (onError) onError(text);
    }

    // Told of every error the game shows, as it shows it.
    std::function<void(const std::string&)> onError;
    uint64_t presented() const { return video_.presented; }

private:
    class Video final : public platform::VideoOutput {
    public:
        explicit Video(platform::VideoOutput& inner) : inner_(inner) {}
        bool setFullScreen(bool fullScreen) override { return inner_.setFullScreen(fullScreen); }
        bool fullScreen() const override { return inner_.fullScreen(); }
        std::vector<platform::DisplayModeInfo> displayModes() const override { return inner_.displayModes(); }
        platform::DisplayModeInfo desktopMode() const override { return inner_.desktopMode(); }
        int displayCount() const override { return inner_.displayCount(); }
        platform::Rect workArea() const override { return inner_.workArea(); }
        bool displayConflict() const override { return inner_.displayConflict(); }
        void present(const platform::FrameView&) override { ++presented; }

        uint64_t presented = 0;

    private:
        platform::VideoOutput& inner_;
    };

    platform::HeadlessBackend& inner_;
    Video video_;
};

#include "platform/backends/sdl2/sdl_backend.h"

#include <SDL.h>

#include <chrono>
#include <cstdio>
#include <deque>

#include "platform/backends/sdl2/sdl_audio.h"
#include "platform/backends/sdl2/sdl_input.h"
#include "platform/backends/sdl2/sdl_video.h"
#include "platform/backends/sdl2/sdl_window.h"
#include "platform/errors.h"
#include "platform/system/stop_signals.h"
#include "platform/system/system_shell.h"

namespace platform {
namespace {

class SdlClock final : public Clock {
public:
    uint32_t milliseconds() override { return SDL_GetTicks(); }
    bool performanceFrequency(int64_t& countsPerSecond) override
    {
        countsPerSecond = static_cast<int64_t>(SDL_GetPerformanceFrequency());
        return countsPerSecond > 0;
    }
    int64_t performanceCounter() override { return static_cast<int64_t>(SDL_GetPerformanceCounter()); }
    uint64_t randomSeed() override
    {
        return static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    }
};

// SDL is started before any member that needs it and stopped after them.
struct SdlSession {
    SdlSession()
    {
        if (const std::string missing = missingDisplay(); !missing.empty())
            throw Exception("No display available: " + missing);
        SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "1");
        // Stop signals are ours: they must also reach the game while an
        // error dialog is up.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
        if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0)
            throw Exception(std::string("No display available: ") + SDL_GetError());
        // SDL falls back to an invisible driver when there is no desktop; a
        // player would see nothing, so only an explicit request may use it.
        const std::string driver = SDL_GetCurrentVideoDriver() ? SDL_GetCurrentVideoDriver() : "";
        const char* requested = SDL_getenv("SDL_VIDEODRIVER");
        if ((driver == "offscreen" || driver == "dummy") && !(requested && *requested)) {
            SDL_Quit();
            throw Exception("No display available: no X11 or Wayland desktop was found (is DISPLAY set?)");
        }
    }
    ~SdlSession()
    {
        SDL_Quit();
        announceGameEnded();
    }
    SdlSession(const SdlSession&) = delete;
    SdlSession& operator=(const SdlSession&) = delete;
};

class SdlBackend final : public Backend {
public:
    SdlBackend() : video_(window_), input_(raw_)
    {
        input_.rescanDevices();
        input_.setFollowPointer(!pointerMayBePinned());
        watchStopSignals();
    }

    Clock& clock() override { return clock_; }
    Window& window() override { return window_; }
    VideoOutput& video() override { return video_; }
    AudioOutput& audio() override { return audio_; }
    RawInput& input() override { return raw_; }
    void rescanDevices() override { input_.rescanDevices(); }

    bool pollEvent(Event& event) override
    {
        if (stopRequested() && !stopTaken_) {
            stopTaken_ = true;
            event = {EventType::Close};
            return true;
        }
        input_.settle();
        SDL_Event e;
        while (pending_.empty() && SDL_PollEvent(&e)) translate(e);
        if (pending_.empty()) return false;
        event = pending_.front();
        pending_.pop_front();
        return true;
    }

    void waitEvents(uint32_t timeoutMs) override
    {
        if (!pending_.empty()) return;
        // A frame waiting for the display's next refresh goes out even when
        // the game presents nothing newer.
        if (video_.pending() && video_.millisecondsUntilPending() < timeoutMs) {
            waitForEvents(video_.millisecondsUntilPending());
            video_.presentPending();
            return;
        }
        waitForEvents(timeoutMs);
    }

    void showError(const std::string& title, const std::string& text) override
    {
        std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
        if (showSystemError(title, text)) return;
        // Give the pointer back so the player can press the dialog's button.
        SDL_SetRelativeMouseMode(SDL_FALSE);
        runStoppableDialog(
            [&] { SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, title.c_str(), text.c_str(), window_.handle()); });
    }

private:
    void translate(const SDL_Event& e)
    {
        if (e.type == SDL_MOUSEMOTION) input_.setPointerMapping(video_.pictureMapping());
        input_.handle(e);
        for (Event key; input_.takePadKey(key);) pending_.push_back(key);
        switch (e.type) {
        case SDL_QUIT: pending_.push_back({EventType::Close}); break;
        case SDL_KEYDOWN:
        case SDL_KEYUP: {
            const uint8_t code = sdlScancodeToDik(e.key.keysym.scancode);
            if (!code) break;
            pending_.push_back({e.type == SDL_KEYDOWN ? EventType::KeyDown : EventType::KeyUp, code,
                                e.key.repeat != 0});
            break;
        }
        case SDL_JOYDEVICEADDED:
        case SDL_JOYDEVICEREMOVED:
        case SDL_CONTROLLERDEVICEADDED:
        case SDL_CONTROLLERDEVICEREMOVED: pending_.push_back({EventType::DevicesChanged}); break;
        case SDL_WINDOWEVENT: windowEvent(e.window); break;
        default: break;
        }
    }

    void windowEvent(const SDL_WindowEvent& w)
    {
        switch (w.event) {
        case SDL_WINDOWEVENT_SHOWN:
        case SDL_WINDOWEVENT_EXPOSED:
        case SDL_WINDOWEVENT_SIZE_CHANGED:
        case SDL_WINDOWEVENT_MAXIMIZED: video_.invalidate(); break;
        case SDL_WINDOWEVENT_FOCUS_GAINED:
            video_.invalidate();
            window_.focusChanged(true);
            pending_.push_back({EventType::FocusGained});
            break;
        case SDL_WINDOWEVENT_FOCUS_LOST:
            window_.focusChanged(false);
            input_.releaseAll();
            pending_.push_back({EventType::FocusLost});
            break;
        case SDL_WINDOWEVENT_MINIMIZED: pending_.push_back({EventType::Minimized}); break;
        case SDL_WINDOWEVENT_RESTORED:
            video_.invalidate();
            pending_.push_back({EventType::Restored});
            break;
        case SDL_WINDOWEVENT_MOVED: pending_.push_back({EventType::Moved, 0, false, w.data1, w.data2}); break;
        case SDL_WINDOWEVENT_CLOSE: pending_.push_back({EventType::Close}); break;
        default: break;
        }
    }

    SdlSession session_;
    SdlClock clock_;
    SdlWindow window_;
    SdlVideo video_;
    SdlAudio audio_;
    RawInput raw_;
    SdlInput input_;
    std::deque<Event> pending_;
    bool stopTaken_ = false;
};

}  // namespace

std::unique_ptr<Backend> createSdlBackend() { return std::make_unique<SdlBackend>(); }

}  // namespace platform

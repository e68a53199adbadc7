#pragma once
// The application object: runs the message loop, calls the idle handler while
// it wants more time, tells hooks about activation, and catches what escapes.
#include <cstdint>
#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "platform/backends/backend.h"
#include "platform/win32/messages.h"

namespace platform {

class Application {
public:
    // Called whenever the message queue is empty; sets `done` to false to be
    // called again at once (or after the wait it asked for with idleWait).
    using IdleHandler = std::function<void(bool& done)>;
    using ExceptionHandler = std::function<void(const std::exception&)>;
    // Sees every message before the form; returning true consumes it.
    using MessageHook = std::function<bool(Message&)>;

    explicit Application(Backend& backend);
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    Backend& backend() { return backend_; }
    Clock& clock() { return backend_.clock(); }

    void setMainForm(MessageTarget* form) { mainForm_ = form; }
    MessageTarget* mainForm() const { return mainForm_; }

    // The idle handler (one at a time, like the platform's OnIdle).
    void setOnIdle(IdleHandler handler) { onIdle_ = std::move(handler); }
    bool hasOnIdle() const { return static_cast<bool>(onIdle_); }
    // From inside the idle handler: nothing to do for `ms`, so the loop may
    // wait that long for events instead of calling again at once.
    void idleWait(uint32_t ms) { idleWaitMs_ = ms; }

    void setOnException(ExceptionHandler handler) { onException_ = std::move(handler); }
    bool hasOnException() const { return static_cast<bool>(onException_); }
    void handleException(const std::exception& error);

    int hookMainWindow(MessageHook hook);
    void unhookMainWindow(int id);

    bool active() const { return active_; }
    bool terminated() const { return terminated_; }
    void terminate() { terminated_ = true; }
    void minimize();

    // Folder of the game's files with a trailing slash (platform/system/paths.h);
    // tests point it elsewhere.
    const std::string& gameFolder() const { return gameFolder_; }
    void setGameFolder(std::string folder);

    // Runs until terminate().
    void run();
    // One round: dispatch pending events, then idle or wait.
    void processMessages();
    // Delivers a message to the hooks and then the main form.
    void dispatch(Message& message);

private:
    void dispatchEvent(const Event& event);
    void setActive(bool active);
    // Windows tells a window it moved also when the program itself moved it;
    // the backends report only moves the desktop made. Program moves (such
    // as centring after leaving full screen) are noticed here, so the
    // display screen knows where its frames go.
    void noticeProgramMove();
    void dispatchMove(int x, int y);

    struct Hook {
        int id;
        MessageHook fn;
    };

    Backend& backend_;
    MessageTarget* mainForm_ = nullptr;
    IdleHandler onIdle_;
    ExceptionHandler onException_;
    std::vector<Hook> hooks_;
    int nextHookId_ = 1;
    uint32_t idleWaitMs_ = 0;
    bool active_ = true;
    bool terminated_ = false;
    std::string gameFolder_;
    Point clientOrigin_;
};

}  // namespace platform

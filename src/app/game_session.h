#pragma once
// One run of the game on a backend: the application object, the main form,
// the message loop, and an orderly end. main() and the end-to-end tests both
// start the game through this.
#include <functional>
#include <memory>
#include <string>

#include "platform/backends/backend.h"
#include "platform/win32/application.h"

class TfrmMain;

class GameSession {
public:
    // `appFolder` replaces the executable's folder (tests run in a temp dir).
    explicit GameSession(platform::Backend& backend, std::string appFolder = {});
    ~GameSession();

    platform::Application& application() { return app_; }
    // Creates the form, runs the loop until the application ends, destroys
    // the form; returns the process exit code.
    int run();
    // The form while run() is running (scripted test actions look at it).
    TfrmMain* form() const { return form_; }
    // Called after every frame of the game run() plays.
    void setOnFrame(std::function<void(TfrmMain&)> onFrame) { onFrame_ = std::move(onFrame); }

private:
    platform::Application app_;
    TfrmMain* form_ = nullptr;
    std::function<void(TfrmMain&)> onFrame_;
};

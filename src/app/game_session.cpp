#include "app/game_session.h"

#include "app/main_form.h"

GameSession::GameSession(platform::Backend& backend, std::string appFolder) : app_(backend)
{
    if (!appFolder.empty()) app_.setGameFolder(std::move(appFolder));
}

GameSession::~GameSession() = default;

int GameSession::run()
{
    auto form = std::make_unique<TfrmMain>(app_);
    form_ = form.get();
    if (onFrame_) form->OnFrameDone = [this] { onFrame_(*form_); };
    bool started = true;
    try {
        form->FormCreate();
    } catch (const std::exception& error) {
        // As on the original platform: the error is shown and the program
        // stays until closed, with no frames drawn.
        started = false;
        app_.handleException(error);
    }
    app_.run();
    form.reset();
    form_ = nullptr;
    return started ? 0 : 1;
}

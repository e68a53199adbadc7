#include "app/game_session.h"

GameSession::GameSession(platform::Backend& backend, std::string appFolder) : app_(backend)
{
    if (!appFolder.empty()) app_.setExeFolder(std::move(appFolder));
}

GameSession::~GameSession() = default;

int GameSession::run()
{
    app_.run();
    return 0;
}

#include "gameplay/game_host.h"

TGameHost* frmMain = nullptr;

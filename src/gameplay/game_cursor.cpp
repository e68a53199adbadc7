#include "gameplay/game_cursor.h"

#include <array>
#include <cmath>
#include <utility>

#include "engine/display/ddraw_screen.h"
#include "engine/display/image_list.h"
#include "gameplay/assembly_lines.h"
#include "gameplay/assembly_worker.h"
#include "gameplay/game_floor.h"
#include "gameplay/game_host.h"
#include "gameplay/pick_locations.h"

using namespace engine::input;

namespace {

struct DirectionMove {
    TInputStates held;
    int dx, dy;
};

// The first entry whose states are all held wins: diagonals before lines.
const std::array<DirectionMove, 8> kMoves = {{
    {{stUp, stRight}, 1, -1},
    {{stDown, stRight}, 1, 1},
    {{stDown, stLeft}, -1, 1},
    {{stUp, stLeft}, -1, -1},
    {{stUp}, 0, -1},
    {{stDown}, 0, 1},
    {{stRight}, 1, 0},
    {{stLeft}, -1, 0},
}};

}  // namespace

TGameCursorSprite::TGameCursorSprite(int32_t MaxX, int32_t MaxY, TDInputController* Controller,
                                     TDDrawScreen* Screen, TImageCollectionItem* Image)
    : FMaxX(MaxX), FMaxY(MaxY), FController(Controller), FScreen(Screen), FImage(Image) {}

void TGameCursorSprite::Reset()
{
    FX = 100;
    FY = 100;
}

void TGameCursorSprite::Update(int32_t Elapsed)
{
    if (!FEnabled || !FVisible || !FController) return;
    // Every device clicks: the mouse buttons, Space and Z, Return, pad buttons.
    const TInputStates& states = FController->States();
    FLeftWas = std::exchange(FLeftDown, states.Contains(stButton1));
    FRightWas = std::exchange(FRightDown, states.Contains(stButton2));
    Move(Elapsed);
    Click();
    if (FX < 0) FX = 0;
    if (FX >= FMaxX - 10) FX = FMaxX - 10;
    if (FY < 0) FY = 0;
    if (FY >= FMaxY - 10) FY = FMaxY - 10;
}

void TGameCursorSprite::Move(int32_t Elapsed)
{
    const TDMouse* mouse = FController->Mouse();
    if (mouse && !mouse->States.Empty()) {
        FX += mouse->DeltaX;
        FY += mouse->DeltaY;
        return;
    }
    const double d = FSpeed * Elapsed / 1000.0;
    for (const DirectionMove& move : kMoves) {
        if (!FController->States().ContainsAll(move.held)) continue;
        FX += move.dx * d;
        FY += move.dy * d;
        return;
    }
}

void TGameCursorSprite::Click()
{
    TGameFloor* floor = frmMain->Floor();
    if (!floor) return;
    TAssemblyWorker& worker = *floor->FWorker;
    const auto x = static_cast<int32_t>(std::trunc(FX));
    const auto y = static_cast<int32_t>(std::trunc(FY));
    if (FLeftDown && !FLeftWas) {
        if (TBasePickLocation* pile = floor->FPickLocations->PileAt(x, y)) {
            worker.FTargetPile = pile;
            worker.SetCommand(TAssemblyWorker::wcPick);
        } else if (TBaseAssemblyObject* product = floor->FMainLine->ProductAt(x, y)) {
            worker.FTargetProduct = product;
            worker.SetCommand(TAssemblyWorker::wcFit);
        }
    } else if (FRightDown && !FRightWas) {
        TBasePickLocation* home = nullptr;
        if (worker.FTool) home = worker.FTool->FHomePile;
        if (!home && !worker.FParts.empty()) home = worker.FParts.back()->FHomePile;
        if (home) {
            worker.FTargetPile = home;
            worker.SetCommand(TAssemblyWorker::wcPutBack);
        }
    }
}

void TGameCursorSprite::Draw()
{
    if (!FEnabled || !FVisible || !FImage || !FScreen) return;
    FImage->Draw(FScreen->BackBuffer(), static_cast<int32_t>(std::trunc(ScreenX())),
                 static_cast<int32_t>(std::trunc(ScreenY())), 0);
}

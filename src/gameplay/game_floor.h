#pragma once
// Everything on the factory floor, made once when the game starts and kept
// to the end: the two lines, the piles, the worker, the chief and his
// balloon, the speed box, the scenery, the door, the dropper and its ball,
// the light and the game cursor. Built in this order; freed in reverse.
#include <memory>
#include <vector>

#include "engine/sprites/world_sprites.h"
#include "gameplay/assembly_lines.h"
#include "gameplay/assembly_worker.h"
#include "gameplay/chief.h"
#include "gameplay/factory_props.h"
#include "gameplay/game_cursor.h"
#include "gameplay/pick_locations.h"

class TDDrawScreen;

struct TGameFloor {
    TGameFloor(TWorldSpritesWorld& World, engine::input::TDInputController& Controller, TDDrawScreen& Screen);
    ~TGameFloor();
    TGameFloor(const TGameFloor&) = delete;
    TGameFloor& operator=(const TGameFloor&) = delete;

    std::unique_ptr<TSecondAssemblyLine> FSecondLine;
    std::unique_ptr<TPickLocations> FPickLocations;
    std::unique_ptr<TMainAssemblyLine> FMainLine;
    std::unique_ptr<TAssemblyWorker> FWorker;
    std::unique_ptr<TChiefSprite> FChief;
    std::unique_ptr<TTextBalloonSprite> FBalloon;
    std::unique_ptr<TSpeedBoxSprite> FSpeedBox;
    // Floor, line banks, tool bank, back wall, pipe, rails, light bar.
    std::vector<std::unique_ptr<TBaseWorldSprite>> FScenery;
    std::unique_ptr<TDoorSprite> FDoor;
    std::unique_ptr<TDropBallSprite> FDropBall;
    std::unique_ptr<TDropperSprite> FDropper;
    std::unique_ptr<TLightForegroundSprite> FLight;
    std::unique_ptr<TGameCursorSprite> FCursor;
};

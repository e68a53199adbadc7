#include "gameplay/game_floor.h"

#include "engine/display/ddraw_screen.h"
#include "gameplay/floor_images.h"

namespace {

// A sprite of the floor with its picture, place and depth, shown there.
template <class Sprite>
Sprite& Place(Sprite& sprite, const char* image, double x, double y, int32_t z)
{
    SetSpriteImage(sprite, image);
    sprite.SetWorldX(x);
    sprite.SetWorldY(y);
    sprite.SetZ(z);
    sprite.Visible = true;
    // Placed on screen at once, so the first frame already shows it there.
    sprite.X = x - sprite.World().Camera().X;
    sprite.Y = y - sprite.World().Camera().Y;
    return sprite;
}

std::unique_ptr<TBaseWorldSprite> Scenery(TWorldSpritesWorld& world, const char* image, double x, double y, int32_t z)
{
    auto sprite = std::make_unique<TBackgroundWorldSprite>(world);
    Place(*sprite, image, x, y, z);
    return sprite;
}

}  // namespace

TGameFloor::TGameFloor(TWorldSpritesWorld& World, engine::input::TDInputController& Controller, TDDrawScreen& Screen)
{
    FSecondLine = std::make_unique<TSecondAssemblyLine>(World);
    FPickLocations = std::make_unique<TPickLocations>(World);
    FMainLine = std::make_unique<TMainAssemblyLine>(World, *FSecondLine);
    FWorker = std::make_unique<TAssemblyWorker>(World, *FPickLocations, *FMainLine);
    FChief = std::make_unique<TChiefSprite>(World);

    FBalloon = std::make_unique<TTextBalloonSprite>(World);
    Place(*FBalloon, "textballoon", 500, 100, 2000).Visible = false;

    FSpeedBox = std::make_unique<TSpeedBoxSprite>(World, FMainLine.get());
    Place(*FSpeedBox, "speedbox", 120, 280, 751).Animations().Enabled = false;

    FScenery.push_back(Scenery(World, "Floor", 0, 350, -30));
    FScenery.push_back(Scenery(World, "assemblylineleftbank", -160, 390, 1000));
    FScenery.push_back(Scenery(World, "assemblylinerightbank", 220, 400, 2000));
    FScenery.push_back(Scenery(World, "toolbank", 200, 220, 100));
    FScenery.push_back(Scenery(World, "BackWall", 0, 10, -20));

    FDoor = std::make_unique<TDoorSprite>(World);
    Place(*FDoor, "Door", -50, 52, -19).Animations().Enabled = false;
    FScenery.push_back(Scenery(World, "Pipe", 0, -25, 30));
    FScenery.push_back(Scenery(World, "Rails", 270, 35, 31));

    FDropBall = std::make_unique<TDropBallSprite>(World);
    Place(*FDropBall, "dropball", 650, 32, 32).Animations().Enabled = true;
    FDropper = std::make_unique<TDropperSprite>(World, *FDropBall);
    Place(*FDropper, "Grabber", 650, 34, 32).Animations().Enabled = false;

    FLight = std::make_unique<TLightForegroundSprite>(World);
    Place(*FLight, "LightsObject", 40, 180, 3000).Animations().Enabled = false;
    FScenery.push_back(Scenery(World, "LightBarBack", 100, 188, 800));

    FCursor = std::make_unique<TGameCursorSprite>(World.ViewWidth(), World.ViewHeight(), &Controller, &Screen,
                                                  &FloorImage("Cursor"));
}

TGameFloor::~TGameFloor() = default;

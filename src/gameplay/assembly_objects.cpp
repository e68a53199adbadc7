#include "gameplay/assembly_objects.h"

#include "gameplay/floor_images.h"
#include "gameplay/pick_locations.h"

TBaseAssemblyObject::TBaseAssemblyObject(TWorldSpritesWorld& World, std::string_view ProductName,
                                         int32_t StageCount, int32_t Score, std::string_view ToolName)
    : TBaseWorldSprite(World), FProductName(ProductName), FStageCount(StageCount), FScore(Score), FToolName(ToolName)
{
    SetZ(12);
    Animations().Enabled = false;
    Visible = true;
}

TBaseAssemblyObject::~TBaseAssemblyObject() = default;

void TBaseAssemblyObject::Update(int32_t Elapsed)
{
    TBaseWorldSprite::Update(Elapsed);
    SetPatternIndex(FStage);
}

void TBaseAssemblyObject::KeepMountedPart(std::unique_ptr<TAssemblyObjectPartSprite> Part)
{
    FMountedParts.push_back(std::move(Part));
}

TAssemblyObjectChildbaseSprite::TAssemblyObjectChildbaseSprite(TWorldSpritesWorld& World,
                                                               TBasePickLocation* HomePile,
                                                               std::string_view ProductName)
    : TBaseWorldSprite(World), FHomePile(HomePile), FProductName(ProductName) {}

TAssemblyObjectPartSprite& TAssemblyObjectPartSprite::Create(TWorldSpritesWorld& World, TBasePickLocation& HomePile,
                                                             std::string_view ProductName, std::string_view ItemName,
                                                             int32_t PartNumber)
{
    auto part = std::make_unique<TAssemblyObjectPartSprite>(World, HomePile, ProductName, ItemName, PartNumber);
    TAssemblyObjectPartSprite& made = *part;
    HomePile.FParts.push_back(std::move(part));
    return made;
}

TAssemblyObjectPartSprite::TAssemblyObjectPartSprite(TWorldSpritesWorld& World, TBasePickLocation& HomePile,
                                                     std::string_view ProductName, std::string_view ItemName,
                                                     int32_t PartNumber)
    : TAssemblyObjectChildbaseSprite(World, &HomePile, ProductName), FItemName(ItemName), FPartNumber(PartNumber)
{
    SetSpriteImage(*this, ItemName);
    SetZ(1101);
}

void TAssemblyObjectPartSprite::SetMounted(bool Value)
{
    if (Value == FMounted) return;
    FMounted = Value;
    if (!Value) return;
    SetWorldX(0);
    SetWorldY(0);
    X = WorldX() - World().Camera().X;
    Y = WorldY() - World().Camera().Y;
    Visible = false;
}

TAssemblyObjectToolSprite& TAssemblyObjectToolSprite::Create(TWorldSpritesWorld& World, TBasePickLocation& HomePile,
                                                             std::string_view ProductName, std::string_view ToolName)
{
    HomePile.FTool = std::make_unique<TAssemblyObjectToolSprite>(World, HomePile, ProductName, ToolName);
    return *HomePile.FTool;
}

TAssemblyObjectToolSprite::TAssemblyObjectToolSprite(TWorldSpritesWorld& World, TBasePickLocation& HomePile,
                                                     std::string_view ProductName, std::string_view ToolName)
    : TAssemblyObjectChildbaseSprite(World, &HomePile, ProductName), FItemName(ToolName)
{
    SetSpriteImage(*this, ToolName);
    SetZ(1101);
}

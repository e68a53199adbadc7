#include "gameplay/pick_locations.h"

#include <cmath>

#include "gameplay/assembly_worker.h"
#include "gameplay/floor_images.h"

namespace {

constexpr int32_t kPileZ = 101;

bool IsBenchTool(std::string_view name) { return name == "compressor-presser" || name == "liquid-filler"; }

}  // namespace

int32_t ReachPoint(double WorkerX)
{
    return (static_cast<int32_t>(std::trunc(WorkerX + 50)) + static_cast<int32_t>(std::trunc(WorkerX))) / 2;
}

TBasePickLocation::TBasePickLocation(TWorldSpritesWorld& World, double AtX, double AtY, std::string_view ProductName,
                                     std::string_view PartName, std::string_view ToolName)
    : TBaseWorldSprite(World), FProductName(ProductName), FPartName(PartName), FToolName(ToolName)
{
    FWidth = 40;
    if (ToolName.empty()) {
        const TImageCollectionItem* part = FindFloorImage(PartName);
        if (part && part->PatternWidth() > 40) {
            SetSpriteImage(*this, "pile-bigpart");
            FWidth = 80;
        } else {
            SetSpriteImage(*this, "pile-part");
        }
    } else {
        SetSpriteImage(*this, "pile-tool");
        const TImageCollectionItem* tool = FindFloorImage(ToolName);
        FWidth = tool ? tool->PatternWidth() + 4 : 40;
    }
    SetWorldX(AtX);
    SetWorldY(AtY);
    SetZ(kPileZ);
    Animations().Enabled = false;
    if (!ToolName.empty()) TAssemblyObjectToolSprite::Create(World, *this, ProductName, ToolName);
}

TBasePickLocation::~TBasePickLocation()
{
    while (!FParts.empty()) FParts.pop_back();
    FTool.reset();
}

void TBasePickLocation::Update(int32_t Elapsed)
{
    TBaseWorldSprite::Update(Elapsed);
    for (std::size_t i = 0; i < FParts.size(); ++i) {
        TAssemblyObjectPartSprite& part = *FParts[i];
        const auto n = static_cast<int32_t>(i);
        part.SetWorldX(WorldX());
        part.SetWorldY(WorldY() + 15 - part.Height() * (n + 1));
        part.SetZ(Z() + 1 + n);
        part.Visible = true;
        part.Update(Elapsed);
    }
    if (FTool) {
        if (IsBenchTool(FToolName)) {
            FTool->SetWorldX(WorldX() + 10);
            FTool->SetWorldY(WorldY() - 30);
        } else {
            FTool->SetWorldX(WorldX());
            FTool->SetWorldY(WorldY());
        }
        FTool->SetZ(Z() + 1);
        FTool->Visible = true;
        FTool->Update(Elapsed);
    }
}

void TPickLocations::Clear()
{
    while (!FList.empty()) FList.pop_back();
}

TBasePickLocation& TPickLocations::AddPile(std::string_view PartName, std::string_view ProductName,
                                           std::string_view ToolName)
{
    FList.push_back(std::make_unique<TBasePickLocation>(FWorld, 0, 240, ProductName, PartName, ToolName));
    return *FList.back();
}

TBasePickLocation* TPickLocations::FindPile(std::string_view Name) const
{
    for (const auto& pile : FList)
        if (pile->FPartName == Name || pile->FToolName == Name) return pile.get();
    return nullptr;
}

TBasePickLocation* TPickLocations::GetPile(int32_t Index) const
{
    if (Index < 0 || Index >= Count()) return nullptr;
    return FList[static_cast<std::size_t>(Index)].get();
}

TBasePickLocation* TPickLocations::PileInReach(const TAssemblyWorker& Worker) const
{
    const int32_t point = ReachPoint(Worker.FX);
    for (const auto& pile : FList) {
        const double x = pile->WorldX();
        if (x <= point && point <= x + pile->Width()) return pile.get();
    }
    return nullptr;
}

TBasePickLocation* TPickLocations::PileAt(int32_t AtX, int32_t AtY) const
{
    for (const auto& pile : FList) {
        platform::Rect r = pile->BoundsRect();
        r.top -= 100;
        if (AtX >= r.left && AtX < r.right && AtY >= r.top && AtY < r.bottom) return pile.get();
    }
    return nullptr;
}

void TPickLocations::Update(int32_t Elapsed)
{
    for (const auto& pile : FList) pile->Update(Elapsed);
}

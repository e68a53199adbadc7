#include "gameplay/bc_level.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>

#include "gameplay/assembly_lines.h"
#include "gameplay/floor_images.h"
#include "gameplay/game_floor.h"
#include "gameplay/game_host.h"
#include "gameplay/pick_locations.h"
#include "gameplay/recipes.h"
#include "platform/errors.h"
#include "platform/system/utf8_path.h"

namespace {

constexpr double kEntryX = 750;
constexpr double kFirstPileX = 240;

int32_t SaturatedSum(int32_t a, int32_t b)
{
    const int64_t sum = int64_t{a} + b;
    return static_cast<int32_t>(std::clamp<int64_t>(sum, INT32_MIN, INT32_MAX));
}

}  // namespace

TBCLevel::TBCLevel(TWorldSpritesWorld& World, TMainAssemblyLine& Line, TPickLocations& PickLocations)
    : FWorld(World), FLine(Line), FPickLocations(PickLocations)
{
    Reset();
}

void TBCLevel::Reset()
{
    FLine.Clear();
    FPickLocations.Clear();
    FLevelNumber = 0;
    FProductCount = 0;
    FLineSpeed = 0;
    FReserved4 = 0;
    FFiredBelow = 0;
    FReserved5 = 0;
    FVeryGoodFrom = 0;
    FProductSpacing = 80;
    FLevelName.Clear();
    FDescription.Clear();
    FReserved3.Clear();
    FLoaded = false;
    FFinished = false;
    if (TGameFloor* floor = frmMain->Floor()) {
        floor->FCursor->Reset();
        floor->FWorker->Reset();
        floor->FChief->Reset();
        floor->FDoor->Reset();
        floor->FDropper->Reset();
    }
    frmMain->ClearHintMessage();
    frmMain->FLevelScore = 0;
}

bool TBCLevel::LoadFromFile(const std::string& FileName)
{
    FLoaded = false;
    try {
        // A folder of that name, an unreadable file or a failing disk is a
        // level that cannot be played, not a reason to stop the game.
        std::error_code error;
        const std::filesystem::path path = platform::utf8Path(FileName);
        std::ifstream file;
        if (!std::filesystem::is_directory(path, error)) file.open(path, std::ios::binary);
        if (!file.is_open()) {
            // As after a damaged file, nothing of the last shift stays; the
            // number the file was looked up under does, so the card names
            // the level that failed.
            const int32_t number = FLevelNumber;
            Reset();
            FLevelNumber = number;
            return false;
        }
        const bool loaded = LoadFromStream(file);
        if (file.bad()) return false;
        FLoaded = loaded;
        return loaded;
    } catch (const std::exception&) {
        return false;
    }
}

bool TBCLevel::LoadFromStream(std::istream& Stream)
{
    Reset();
    FLine.FNextX = static_cast<int32_t>(kEntryX);
    FLine.Stop();
    TLevelReader reader(Stream);
    reader.ReadHeader(*this);
    // The records the file holds, however many it claims.
    for (int32_t i = 0; i < FProductCount; ++i) {
        const std::optional<TName30> name = reader.ReadProductName();
        if (!name) break;
        AddProduct(name->View());
    }
    LayOutPiles();
    FLine.SetSpeed(FLineSpeed);
    return FLine.ProductCount() > 0;
}

void TBCLevel::LayOutPiles()
{
    double x = kFirstPileX;
    for (int32_t i = 0; i < FPickLocations.Count(); ++i) {
        TBasePickLocation& pile = *FPickLocations.GetPile(i);
        pile.SetWorldX(x);
        x += pile.FWidth + 2;
    }
}

void TBCLevel::AddProduct(std::string_view Name)
{
    const TProductRecipe* recipe = FindRecipe(Name);
    if (!recipe) return;
    auto product =
        std::make_unique<TBaseAssemblyObject>(FWorld, Name, recipe->StageCount, recipe->Score, recipe->ToolName);
    SetSpriteImage(*product, Name);
    product->SetWorldX(400);
    product->SetWorldY(100);
    product->SetZ(2500);
    product->FStage = 0;
    for (std::string_view hint : recipe->HintImages) product->AddHintImage(hint);
    if (recipe->NeedsTool()) {
        AddToolPile(FWorld, Name, recipe->ToolName);
    } else {
        int32_t number = 1;
        for (std::string_view part : recipe->Parts) AddPartToPile(FWorld, Name, part, number++);
    }
    product->SetWorldX(FLine.FNextX);
    // A spacing no real level has must not wrap the entry point around.
    FLine.FNextX = SaturatedSum(FLine.FNextX, FProductSpacing);
    FLine.AddProduct(std::move(product));
}

void TBCLevel::AddPartToPile(TWorldSpritesWorld& World, std::string_view ProductName, std::string_view PartName,
                             int32_t PartNumber)
{
    TBasePickLocation* pile = FPickLocations.FindPile(PartName);
    if (!pile) pile = &FPickLocations.AddPile(PartName, ProductName, "");
    TAssemblyObjectPartSprite::Create(World, *pile, ProductName, PartName, PartNumber);
}

void TBCLevel::AddToolPile(TWorldSpritesWorld&, std::string_view ProductName, std::string_view ToolName)
{
    if (!FPickLocations.FindPile(ToolName)) FPickLocations.AddPile("", ProductName, ToolName);
}

bool TBCLevel::IsLevelDone() const { return FLine.AllProductsDone(); }

#include "gameplay/assembly_lines.h"

#include <cmath>
#include <cstdint>

#include "gameplay/assembly_worker.h"
#include "gameplay/bc_level.h"
#include "gameplay/factory_props.h"
#include "gameplay/floor_images.h"
#include "gameplay/game_floor.h"
#include "gameplay/game_host.h"
#include "gameplay/pick_locations.h"

namespace {

constexpr int32_t kStep = -16;
// Left of this a product is on the lower belt.
constexpr double kDropX = 215;
// Left of this a product is judged.
constexpr double kJudgeX = 80;

// Later levels run the belt faster.
double SpeedFactor(int32_t levelNumber)
{
    if (levelNumber <= 5) return 1.0;
    if (levelNumber <= 10) return 0.9;
    if (levelNumber <= 15) return 0.8;
    return 0.7;
}

// base x factor truncated toward zero, from the exact product: 0.7 is held
// as a double just below 0.7, so 1000 x 0.7 truncates to 699.
int32_t TruncatedProduct(double base, double factor)
{
    const double rounded = base * factor;
    const double error = std::fma(base, factor, -rounded);
    double whole = std::trunc(rounded);
    if (whole == rounded && error < 0) whole -= 1;
    return static_cast<int32_t>(whole);
}

}  // namespace

int32_t BeltSpeed(int32_t Speed, int32_t LevelNumber)
{
    const float base = Speed == 1 ? 1000.0f : Speed == 2 ? 500.0f : 250.0f;
    return TruncatedProduct(base, SpeedFactor(LevelNumber));
}

TSecondAssemblyLine::TSecondAssemblyLine(TWorldSpritesWorld& World) : TBaseWorldSprite(World)
{
    SetSpriteImage(*this, "AssemblyLineLeft");
    SetWorldX(-80);
    SetWorldY(360);
    SetZ(1001);
    Visible = true;
    Animations().Enabled = false;
}

TMainAssemblyLine::TMainAssemblyLine(TWorldSpritesWorld& World, TSecondAssemblyLine& SecondLine)
    : TBaseWorldSprite(World), FSecondLine(&SecondLine)
{
    SetSpriteImage(*this, "AssemblyLineRight");
    SetWorldX(210);
    SetWorldY(315);
    SetZ(2001);
    Visible = true;
    Animations().PatternCount = 3;
    TSpriteAnimation& run = *Animations().Items(Animations().Add("RunLeft", 3, true, 1000));
    for (int32_t i = 0; i < 3; ++i) run.SetFrame(i, i);
    Animations().SetCurrent(0);
    Animations().Enabled = false;
    Clear();
    FNextX = 300;
    FUpperY = 350;
    FLowerY = 395;
    SetSpeed(0);
}

TMainAssemblyLine::~TMainAssemblyLine() { Clear(); }

void TMainAssemblyLine::Clear()
{
    FNextX = World().ViewWidth() - 150;
    while (!FProducts.empty()) FProducts.pop_back();
}

void TMainAssemblyLine::AddProduct(std::unique_ptr<TBaseAssemblyObject> Product)
{
    Product->SetWorldX(FNextX);
    Product->SetWorldY(FUpperY);
    FProducts.push_back(std::move(Product));
    FNextX = FNextX > INT32_MAX - 80 ? INT32_MAX : FNextX + 80;
}

TBaseAssemblyObject* TMainAssemblyLine::GetProduct(int32_t Index) const
{
    if (FProducts.empty() || Index < 0 || Index >= ProductCount()) return nullptr;
    return FProducts[static_cast<std::size_t>(Index)].get();
}

void TMainAssemblyLine::SetSpeed(int32_t Value)
{
    const TBCLevel* level = frmMain ? frmMain->Level() : nullptr;
    const int32_t levelNumber = level ? level->FLevelNumber : 0;
    FSpeed = Value;
    if (Value == 0) {
        Animations().Enabled = false;
        return;
    }
    if (Value < 1 || Value > 3) return;
    Animations().Enabled = true;
    if (TSpriteAnimation* run = Animations().Find("RunLeft")) run->SetSpeed(BeltSpeed(Value, levelNumber));
}

void TMainAssemblyLine::Update(int32_t Elapsed)
{
    TBaseWorldSprite::Update(Elapsed);
    int32_t step = 0;
    const int32_t pattern = CurrentPattern();
    if (pattern != FLastFrame) {
        if (FLastFrame >= 0 && FLastFrame <= 2) step = kStep;
        FLastFrame = pattern;
        FSecondLine->SetPatternIndex(FSecondLine->PatternIndex() + 1);
    }
    for (const auto& owned : FProducts) {
        TBaseAssemblyObject& product = *owned;
        double x = product.WorldX() + step;
        double y;
        if (x > kDropX) {
            y = FUpperY - product.ImageHeight();
        } else {
            product.SetZ(1100);
            if (x > 190) x = 160;
            y = FLowerY - product.ImageHeight();
        }
        product.SetWorldX(x);
        product.SetWorldY(y);
        if (!product.FPassed && x < kJudgeX) {
            TLightForegroundSprite& light = *frmMain->Floor()->FLight;
            if (product.IsComplete()) {
                light.Signal(0);
                frmMain->FLevelScore += product.FScore;
                frmMain->FTotalScore += product.FScore;
            } else {
                light.Signal(1);
            }
            product.FPassed = true;
        }
        product.Update(Elapsed);
    }
}

bool TMainAssemblyLine::AllProductsDone() const
{
    if (FProducts.empty()) return false;
    for (const auto& product : FProducts)
        if (!product->FPassed) return false;
    return !FProducts.back()->IsOnScreenX();
}

TBaseAssemblyObject* TMainAssemblyLine::FirstOpenProduct() const
{
    for (const auto& product : FProducts)
        if (!product->FPassed && product->WorldX() > kDropX && !product->IsComplete()) return product.get();
    return nullptr;
}

TBaseAssemblyObject* TMainAssemblyLine::ProductAt(int32_t AtX, int32_t AtY) const
{
    for (const auto& product : FProducts) {
        const platform::Rect r = product->BoundsRect();
        if (AtX >= r.left && AtX < r.right && AtY >= r.top && AtY < r.bottom) return product.get();
    }
    return nullptr;
}

TBaseAssemblyObject* TMainAssemblyLine::ProductInReach(const TAssemblyWorker& Worker) const
{
    const int32_t point = ReachPoint(Worker.FX);
    for (const auto& product : FProducts) {
        const double x = product->WorldX();
        if (x <= point && point <= x + product->ImageWidth()) return product.get();
    }
    return nullptr;
}

bool TMainAssemblyLine::TryFitPart(TBaseAssemblyObject* Product, const TAssemblyObjectPartSprite& Part)
{
    if (!Product) return false;
    if (Product->FProductName != Part.FProductName) {
        frmMain->ShowHintMessage("Wrong part!", "Part belongs to another product.");
        return false;
    }
    if (Part.FPartNumber == Product->FStage + 1) {
        Product->FStage = Part.FPartNumber;
        return true;
    }
    if (Part.FPartNumber < Product->FStage + 1) frmMain->ShowHintMessage("Wrong part!", "You need a next part.");
    else frmMain->ShowHintMessage("Wrong part!", "You need another part first.");
    return false;
}

bool TMainAssemblyLine::TryApplyTool(TBaseAssemblyObject* Product, const TAssemblyObjectToolSprite& Tool)
{
    if (!Product) return false;
    if (Product->FToolName == Tool.FItemName.View()) {
        if (Product->FStage < Product->FStageCount - 1) {
            ++Product->FStage;
            return true;
        }
        return false;
    }
    if (Product->FToolName.empty()) frmMain->ShowHintMessage("You do not need a tool on this product!", "");
    else frmMain->ShowHintMessage("Wrong tool for this product!", "");
    return false;
}

TSpeedBoxSprite::TSpeedBoxSprite(TWorldSpritesWorld& World, TMainAssemblyLine* Line)
    : TBaseWorldSprite(World), FLine(Line) {}

void TSpeedBoxSprite::Update(int32_t Elapsed)
{
    TBaseWorldSprite::Update(Elapsed);
    if (!FLine) return;
    SetPatternIndex(FLine->FSpeed >= 0 && FLine->FSpeed <= 3 ? FLine->FSpeed : 0);
}

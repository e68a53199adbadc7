#include "gameplay/assembly_worker.h"

#include <cmath>
#include <string_view>

#include "gameplay/assembly_lines.h"
#include "gameplay/chief.h"
#include "gameplay/floor_images.h"
#include "gameplay/game_floor.h"
#include "gameplay/game_host.h"
#include "gameplay/pick_locations.h"

namespace {

constexpr int32_t kPauseMs = 500;
constexpr double kShiftOverX = 550;

template <class Sprite>
std::unique_ptr<Sprite> MakeFigurePart(TWorldSpritesWorld& world, const char* image, int32_t z)
{
    auto sprite = std::make_unique<Sprite>(world);
    SetSpriteImage(*sprite, image);
    sprite->SetZ(z);
    sprite->Visible = true;
    sprite->Animations().Enabled = false;
    return sprite;
}

int32_t Trunc(double value) { return static_cast<int32_t>(std::trunc(value)); }

bool SameLowerCase(std::string_view name, std::string_view lower)
{
    if (name.size() != lower.size()) return false;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const char c = name[i] >= 'A' && name[i] <= 'Z' ? static_cast<char>(name[i] - 'A' + 'a') : name[i];
        if (c != lower[i]) return false;
    }
    return true;
}

// The two tools that stand on the bench and are held low.
bool IsBenchTool(std::string_view name)
{
    return SameLowerCase(name, "compressor-presser") || SameLowerCase(name, "liquid-filler");
}

}  // namespace

TAssemblyWorker::TAssemblyWorker(TWorldSpritesWorld& World, TPickLocations& PickLocations, TMainAssemblyLine& Line)
    : FWorld(World),
      FBody(MakeFigurePart<TAssemblyWorkerBodySprite>(World, "body-assemblyworker", 1500)),
      FArms(MakeFigurePart<TAssemblyWorkerArmsSprite>(World, "arms-assemblyworker", 1502)),
      FHead(MakeFigurePart<TAssemblyWorkerHeadSprite>(World, "head-assemblyworker", 1501)),
      FPickLocations(PickLocations),
      FLine(Line)
{
    FBody->CollisionMode = TCustomGameSprite::cmCollisionRects;
    FBody->CollisionRect = {10, 10, 69, 69};
}

TAssemblyWorker::~TAssemblyWorker() = default;

void TAssemblyWorker::Reset()
{
    SetCommand(wcNone);
    FState = wsIdle;
    FX = 600;
    while (!FParts.empty()) FParts.pop_back();
    FTool.reset();
    // What he was sent to belonged to the last level.
    FTargetPile = nullptr;
    FTargetProduct = nullptr;
}

void TAssemblyWorker::SetCommand(uint8_t Command)
{
    if (Command == FCommand) return;
    FCommand = Command;
    switch (Command) {
    case wcNone: FState = wsIdle; break;
    case wcPick:
    case wcFit:
    case wcPutBack: FState = wsWalking; break;
    case wcEndOfShift: FState = wsShiftOver; break;
    default: break;
    }
}

void TAssemblyWorker::SetFacing(uint8_t Facing)
{
    if (Facing == FFacing) return;
    FFacing = Facing;
    UpdateZOrder();
}

TBasePickLocation* TAssemblyWorker::PileInReach() const { return FPickLocations.PileInReach(*this); }

TBaseAssemblyObject* TAssemblyWorker::ProductInReach() const { return FLine.ProductInReach(*this); }

void TAssemblyWorker::Update(int32_t Elapsed)
{
    UpdateFrames();
    UpdateTask(Elapsed);
    PlaceFigure(Elapsed);
    PlaceCarried(Elapsed);
    if (FHeadTimer > 0) FHeadTimer -= Elapsed;
    if (FHeadTimer < 1) FHeadTimer = 2000;
}

void TAssemblyWorker::PlaceFigure(int32_t Elapsed)
{
    FBody->SetWorldX(FX);
    FBody->SetWorldY(FY + 75);
    FArms->SetWorldX(FX - 62);
    FArms->SetWorldY(FY + 52);
    FHead->SetWorldX(FX);
    FHead->SetWorldY(FY);
    FBody->Update(Elapsed);
    FArms->Update(Elapsed);
    FHead->Update(Elapsed);
}

void TAssemblyWorker::PlaceCarried(int32_t Elapsed)
{
    int32_t carryY = Trunc(FY + 100);
    if (FTool) {
        if (SameLowerCase(FTool->FItemName.View(), "compressor-presser")) {
            FTool->SetWorldX(FX + 5);
            FTool->SetWorldY(FY + 65);
        } else if (SameLowerCase(FTool->FItemName.View(), "liquid-filler")) {
            FTool->SetWorldX(FX + 5);
            FTool->SetWorldY(FY + 69);
        } else {
            FTool->SetWorldX(FX + 10);
            FTool->SetWorldY(FY + 30);
        }
        FTool->Update(Elapsed);
        return;
    }
    if (FParts.empty()) return;
    for (const auto& part : FParts) {
        part->SetWorldX(FArms->WorldX() + FArms->Width() / 2 - part->Width() / 2 + 5);
        part->SetWorldY(carryY);
        carryY -= part->Height();
        part->Visible = true;
        part->Update(Elapsed);
    }
    // The top part blinks: hidden for the first half of every second.
    if (FBlinkTimer > 0) FBlinkTimer -= Elapsed;
    if (FBlinkTimer < 1) FBlinkTimer = 1000;
    FParts.back()->Visible = FBlinkTimer <= 500;
}

void TAssemblyWorker::UpdateTask(int32_t Elapsed)
{
    switch (FState) {
    case wsWalking:
        if (FCommand == wcPick || FCommand == wcPutBack) WalkToPile(Elapsed);
        else if (FCommand == wcFit) WalkToProduct(Elapsed);
        else if (FCommand == wcEndOfShift) WalkOffShift(Elapsed);
        break;
    case wsAtPile:
        if (FCommand == wcPick) {
            Pick();
            FPauseTimer = kPauseMs;
            FState = wsPausing;
        }
        break;
    case wsPausing:
        if (FCommand == wcPick || FCommand == wcFit || FCommand == wcPutBack) {
            if (FPauseTimer > 0) FPauseTimer -= Elapsed;
            if (FPauseTimer < 1) {
                SetFacing(wfFront);
                SetCommand(wcNone);
            }
        }
        break;
    case wsAtProduct:
        if (FCommand == wcFit) {
            SetFacing(wfFront);
            if (HasParts() || HasTool()) UseCarried();
            FPauseTimer = kPauseMs;
            FState = wsPausing;
        }
        break;
    case wsPuttingBack:
        if (FCommand == wcPutBack) {
            SetFacing(wfBack);
            if (HasParts() || HasTool()) PutBack();
            FPauseTimer = kPauseMs;
            FState = wsPausing;
        }
        break;
    case wsShiftOver:
        if (FCommand == wcEndOfShift) WalkOffShift(Elapsed);
        break;
    default: break;
    }
    if (FX <= MinX) FX = MinX;
    if (FX > MaxX) FX = MaxX;
}

bool TAssemblyWorker::WalkTowards(double left, int32_t width, int32_t Elapsed)
{
    const int32_t target = Trunc(left + width / 2);
    const int32_t own = Trunc(FBody->Width() / 2 + FBody->WorldX());
    const double step = WalkSpeed * Elapsed / 1000;
    FMovingRight = own < target;
    FX += FMovingRight ? step : -step;
    FY = 190;
    // A step as long as the way left arrives too, so a long frame never
    // swings him past the target and back.
    const int32_t way = std::abs(own - target);
    if (way < 20 || step >= way) {
        FX = target - FBody->Width() / 2;
        return true;
    }
    return false;
}

void TAssemblyWorker::WalkToPile(int32_t Elapsed)
{
    if (!FTargetPile) return;
    if (WalkTowards(FTargetPile->WorldX(), FTargetPile->Width(), Elapsed))
        FState = FCommand == wcPick ? wsAtPile : wsPuttingBack;
}

void TAssemblyWorker::WalkToProduct(int32_t Elapsed)
{
    if (!FTargetProduct) return;
    if (WalkTowards(FTargetProduct->WorldX(), FTargetProduct->Width(), Elapsed)) FState = wsAtProduct;
}

void TAssemblyWorker::WalkOffShift(int32_t Elapsed)
{
    const TChiefSprite* chief = frmMain->Floor()->FChief.get();
    if (!chief || (chief->FState != TChiefSprite::csWalkingIn && chief->FState != TChiefSprite::csRating)) return;
    const double step = WalkSpeed * Elapsed / 1000;
    const double way = std::abs(FX - kShiftOverX);
    FMovingRight = kShiftOverX > FX;
    FX += FMovingRight ? step : -step;
    FState = wsWalking;
    if (std::abs(FX - kShiftOverX) < 30 || step >= way) {
        FX = kShiftOverX;
        FState = wsShiftOver;
    }
}

void TAssemblyWorker::Pick()
{
    SetFacing(wfBack);
    if (TBasePickLocation* pile = PileInReach()) {
        if (pile->FTool && !HasParts() && !HasTool()) {
            FTool = std::move(pile->FTool);
            frmMain->PlaySound("pick");
        } else if (!pile->FTool && !HasTool() && !pile->FParts.empty()) {
            FParts.push_back(std::move(pile->FParts.back()));
            pile->FParts.pop_back();
            frmMain->PlaySound("pick");
        }
    }
    FArms->SetPatternIndex(5);
}

void TAssemblyWorker::UseCarried()
{
    if (TBaseAssemblyObject* product = ProductInReach()) TryUseCarried(*product);
}

void TAssemblyWorker::TryUseCarried(TBaseAssemblyObject& Product)
{
    if (FTool) {
        const bool worked = FLine.TryApplyTool(&Product, *FTool);
        frmMain->PlaySound(worked ? "tryupdateproduct-good" : "tryupdateproduct-bad");
        return;
    }
    if (FParts.empty()) return;
    if (!FLine.TryFitPart(&Product, *FParts.back())) {
        frmMain->PlaySound("tryupdateproduct-bad");
        return;
    }
    std::unique_ptr<TAssemblyObjectPartSprite> part = std::move(FParts.back());
    FParts.pop_back();
    part->SetMounted(true);
    Product.KeepMountedPart(std::move(part));
    frmMain->PlaySound("tryupdateproduct-good");
}

void TAssemblyWorker::PutBack()
{
    TBasePickLocation* pile = PileInReach();
    if (!FParts.empty() && !FTool) {
        TAssemblyObjectPartSprite& top = *FParts.back();
        if (pile && pile->FPartName == top.FItemName.View()) {
            top.Visible = true;
            pile->FParts.push_back(std::move(FParts.back()));
            FParts.pop_back();
            UpdateZOrder();
            frmMain->PlaySound("putback");
        }
    } else if (FTool) {
        if (pile && pile->FToolName == FTool->FItemName.View()) {
            pile->FTool = std::move(FTool);
            UpdateZOrder();
            frmMain->PlaySound("putback");
        }
    }
    FArms->SetPatternIndex(5);
}

void TAssemblyWorker::UpdateZOrder()
{
    const bool front = FFacing == wfFront;
    FHead->SetZ(1504);
    FArms->SetZ(front ? 1502 : 1500);
    FBody->SetZ(front ? 1500 : 1502);
    for (std::size_t i = 0; i < FParts.size(); ++i) {
        const auto n = static_cast<int32_t>(i);
        FParts[i]->SetZ(front ? 1514 + n : 1490 - n);
    }
    if (FTool) FTool->SetZ(front ? 1514 : 1490);
}

void TAssemblyWorker::UpdateFrames()
{
    const bool front = FFacing == wfFront;
    switch (FState) {
    case wsIdle:
        if (front) {
            FBody->SetPatternIndex(0);
            FArms->SetPatternIndex(0);
            FHead->SetPatternIndex(FHeadTimer >= 1 && FHeadTimer <= 200 ? 11 : 0);
        } else {
            FBody->SetPatternIndex(3);
            FArms->SetPatternIndex(4);
            FHead->SetPatternIndex(3);
        }
        break;
    case wsWalking:
        if (front) FHead->SetPatternIndex(FMovingRight ? 2 : 1);
        else FHead->SetPatternIndex(FMovingRight ? 4 : 3);
        break;
    case wsAtPile:
        FBody->SetPatternIndex(3);
        FHead->SetPatternIndex(3);
        break;
    case wsShiftOver: {
        SetFacing(wfFront);
        FBody->SetPatternIndex(0);
        FArms->SetPatternIndex(0);
        const TChiefSprite* chief = frmMain->Floor()->FChief.get();
        FHead->SetPatternIndex(chief && chief->FState == TChiefSprite::csRating ? 6 : 1);
        break;
    }
    case wsPuttingBack:
        FBody->SetPatternIndex(3);
        FArms->SetPatternIndex(5);
        FHead->SetPatternIndex(3);
        break;
    default: break;
    }
    // What he carries decides his arms.
    if (!FParts.empty()) {
        FArms->SetPatternIndex(FFacing == wfFront ? 1 : 5);
    } else if (FTool) {
        if (FFacing != wfFront) {
            FArms->SetPatternIndex(5);
        } else {
            FArms->SetPatternIndex(IsBenchTool(FTool->FItemName.View()) ? 10 : 1);
        }
    }
}

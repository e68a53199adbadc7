#include "runs/autoplay_player.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "app/main_form.h"
#include "runs/autoplay_strategy.h"

namespace {

constexpr AutoplayProfile kProfiles[] = {
    {"strong", 100, 4, 0.0},
    {"medium", 400, 1, 0.0},
    {"weak", 1000, 1, 0.2},
};

// Frames the game needs to take in a click before the next look.
constexpr uint32_t kSettleMs = 60;

}  // namespace

const AutoplayProfile* FindAutoplayProfile(std::string_view name)
{
    for (const AutoplayProfile& profile : kProfiles)
        if (profile.name == name) return &profile;
    return nullptr;
}

TAutoPlayer::TAutoPlayer(platform::HeadlessBackend& backend, GameSession& session, const AutoplayProfile& profile,
                         uint64_t seed)
    : FBackend(backend), FSession(session), FProfile(profile), FRandom(seed), FStrategy(profile.maxCarried) {}

void TAutoPlayer::Start()
{
    FBackend.at(FBackend.now(), [this](platform::HeadlessBackend&) { Poll(); });
}

TfrmMain& TAutoPlayer::Form() { return *FSession.form(); }

int32_t TAutoPlayer::ReactionTime()
{
    // Somewhere between half the profile's reaction time and all of it.
    const int32_t half = FProfile.reactionMs / 2;
    return half + FRandom.Next(FProfile.reactionMs - half + 1);
}

void TAutoPlayer::Poll()
{
    const uint32_t now = FBackend.now();
    FBackend.at(now + 10, [this](platform::HeadlessBackend&) { Poll(); });
    if (!FSession.form() || FResult.rated) return;
    TfrmMain& form = Form();

    if (form.FState == gsAllLevelsDone || form.FState == gsGameOver) {
        FBackend.requestClose();
        return;
    }
    if (form.FState == gsLevelIntro && form.FLevel && !form.FLevel->FLoaded) {
        // A level that cannot be played has nothing to rate.
        FBackend.requestClose();
        return;
    }
    if (form.FState == gsPlaying && form.FFloor->FChief->FState == TChiefSprite::csRating &&
        !form.FFloor->FBalloon->FLines.empty()) {
        const TBCLevel& level = *form.FLevel;
        FResult = {true,
                   level.FLevelNumber,
                   form.FFloor->FMainLine->ProductCount(),
                   form.FLevelScore,
                   level.FFiredBelow,
                   level.FVeryGoodFrom,
                   form.FFloor->FChief->FRating};
        FBackend.requestClose();
        return;
    }

    if (FPending) {
        if (now < FActAt) return;
        const Action action = *FPending;
        FPending.reset();
        Act(action);
        FQuietUntil = now + kSettleMs;
        return;
    }
    if (now < FQuietUntil) return;
    Plan();
}

void TAutoPlayer::Plan()
{
    TfrmMain& form = Form();
    std::optional<Action> next;
    switch (form.FState) {
    case gsIntro: next = Action{ActionKind::Click}; break;
    case gsMenu: next = Action{ActionKind::PlayButton}; break;
    case gsLevelIntro: next = Action{ActionKind::Click}; break;
    case gsPlaying: next = Decide(); break;
    default: break;
    }
    if (!next) return;
    FPending = next;
    FActAt = FBackend.now() + static_cast<uint32_t>(ReactionTime());
}

std::optional<TAutoPlayer::Action> TAutoPlayer::Decide()
{
    TfrmMain& form = Form();
    const TGameFloor& floor = *form.FFloor;
    if (form.FPaused || form.FHelpShown || form.FLevel->FFinished) return std::nullopt;
    const TAssemblyWorker& worker = *floor.FWorker;
    // Busy, unless he is chasing a product that has dropped out of his
    // reach: he would walk against the end of his stretch for ever.
    const bool chasingLost = worker.FCommand == TAssemblyWorker::wcFit && worker.FState == TAssemblyWorker::wsWalking &&
                             worker.FTargetProduct && worker.FTargetProduct->WorldX() <= 215;
    if (worker.FCommand != TAssemblyWorker::wcNone && !chasingLost) return std::nullopt;
    const TMainAssemblyLine& line = *floor.FMainLine;
    int32_t msPerStep = 0;
    if (line.FSpeed >= 1 && line.FSpeed <= 3)
        if (const TSpriteAnimation* run = line.Animations().Find("RunLeft")) msPerStep = run->Speed();
    const std::optional<AutoplayMove> move = FStrategy.Next(floor, msPerStep);
    if (!move) return std::nullopt;
    switch (move->kind) {
    case AutoplayMove::FetchFrom: return Action{ActionKind::ClickPile, move->pile, nullptr};
    case AutoplayMove::WorkOn: return Action{ActionKind::ClickProduct, {}, move->product};
    case AutoplayMove::PutBack: return Action{ActionKind::RightClick};
    }
    return std::nullopt;
}

void TAutoPlayer::Act(const Action& action)
{
    TfrmMain& form = Form();
    switch (action.kind) {
    case ActionKind::Click: Press(0); break;
    case ActionKind::PlayButton:
        // The menu's own cursor starts at (30, 30); "Play Game" is at
        // (400, 145). The press follows once the cursor is there.
        if (!FMenuAimed) {
            FBackend.mouseMove(370, 115);
            FMenuAimed = true;
        } else {
            Press(0);
        }
        break;
    case ActionKind::ClickPile: {
        if (form.FState != gsPlaying) break;
        const TBasePickLocation* pile = form.FFloor->FPickLocations->FindPile(action.pile);
        if (!pile) break;
        if (Aim(pile->WorldX() + pile->Width() / 2.0, pile->WorldY() + pile->Height() / 2.0)) Press(0);
        break;
    }
    case ActionKind::ClickProduct: {
        if (form.FState != gsPlaying) break;
        // Still on the line, and where it is now, not where it was seen.
        const auto& products = form.FFloor->FMainLine->FProducts;
        const bool there = std::any_of(products.begin(), products.end(),
                                       [&](const auto& p) { return p.get() == action.product; });
        if (!there) break;
        const platform::Rect r = action.product->BoundsRect();
        const double x = std::min((r.left + r.right) / 2.0, static_cast<double>(std::min(r.right - 1, 785)));
        if (Aim(x, (r.top + r.bottom) / 2.0)) Press(0);
        break;
    }
    case ActionKind::RightClick: Press(1); break;
    }
}

bool TAutoPlayer::Aim(double x, double y)
{
    if (FProfile.missRate > 0 && FRandom.Next(1000) < static_cast<int32_t>(FProfile.missRate * 1000)) {
        // A hurried hand lands beside the target.
        const double angle = FRandom.Next(360) * std::numbers::pi / 180.0;
        const double distance = 45 + FRandom.Next(40);
        x += std::cos(angle) * distance;
        y += std::sin(angle) * distance;
    }
    PointAt(std::clamp(x, 0.0, 789.0), std::clamp(y, 0.0, 589.0));
    return true;
}

void TAutoPlayer::PointAt(double x, double y)
{
    const TGameCursorSprite& cursor = *Form().FFloor->FCursor;
    FBackend.mouseMove(static_cast<int>(std::lround(x - cursor.FX)), static_cast<int>(std::lround(y - cursor.FY)));
}

void TAutoPlayer::Press(int button)
{
    FBackend.mouseButton(button, true);
    FBackend.at(FBackend.now() + 30, [button](platform::HeadlessBackend& b) { b.mouseButton(button, false); });
}

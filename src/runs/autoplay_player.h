#pragma once
// The automatic player: plays a level the way a person at the mouse does.
// It reads the floor from the game's objects (products and their stages,
// the piles, what the worker carries), decides after a human reaction time,
// and acts only with mouse movements and clicks fed to the headless backend,
// through the real input controller and game cursor.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/game_session.h"
#include "gameplay/game_random.h"
#include "platform/backends/headless/headless_backend.h"
#include "runs/autoplay_strategy.h"

class TfrmMain;
class TBaseAssemblyObject;

struct AutoplayProfile {
    std::string_view name;
    // The longest a decision takes, in milliseconds.
    int32_t reactionMs;
    // Parts carried at once when fetching for a product.
    int32_t maxCarried;
    // Share of clicks that land beside their target.
    double missRate;
};

// "strong", "medium" or "weak"; none for another name.
const AutoplayProfile* FindAutoplayProfile(std::string_view name);

// What the chief made of the shift.
struct AutoplayResult {
    bool rated = false;
    int32_t level = 0;
    int32_t products = 0;
    int32_t score = 0;
    int32_t firedBelow = 0;
    int32_t veryGoodFrom = 0;
    int32_t rating = -1;  // the chief's: 0 did the job, 1 fired, 2 very good
};

class TAutoPlayer {
public:
    TAutoPlayer(platform::HeadlessBackend& backend, GameSession& session, const AutoplayProfile& profile,
                uint64_t seed);

    // Plays from the title on, until the first level has been rated; then
    // asks the window to close.
    void Start();
    const AutoplayResult& Result() const { return FResult; }

private:
    enum class ActionKind { Click, ClickPile, ClickProduct, RightClick, PlayButton };
    struct Action {
        ActionKind kind = ActionKind::Click;
        std::string pile;
        const TBaseAssemblyObject* product = nullptr;
    };

    void Poll();
    void Plan();
    std::optional<Action> Decide();
    void Act(const Action& action);
    void Press(int button);
    void PointAt(double x, double y);
    bool Aim(double x, double y);
    int32_t ReactionTime();

    TfrmMain& Form();
    platform::HeadlessBackend& FBackend;
    GameSession& FSession;
    const AutoplayProfile& FProfile;
    TGameRandom FRandom;
    AutoplayResult FResult;
    std::optional<Action> FPending;
    uint32_t FActAt = 0;
    // No new decision before this moment: the game takes in the last one.
    uint32_t FQuietUntil = 0;
    bool FMenuAimed = false;
    TAutoplayStrategy FStrategy;
};

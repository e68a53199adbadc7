#include "runs/autoplay_strategy.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <string_view>
#include <vector>

#include "gameplay/game_floor.h"
#include "gameplay/recipes.h"

namespace {

constexpr double kDropX = 215;
// The worker's reach point stays within these, whatever he does.
constexpr double kReachMin = 245;
constexpr double kReachMax = 775;
constexpr double kPauseMs = 500;

// What one product still needs, in fitting order.
struct Need {
    const TBaseAssemblyObject* product;
    const TProductRecipe* recipe;
    std::vector<std::string_view> items;  // the tool repeated, or the parts
};

std::optional<Need> NeedOf(const TBaseAssemblyObject& product)
{
    if (product.FPassed || product.IsComplete()) return std::nullopt;
    const TProductRecipe* recipe = FindRecipe(product.FProductName.View());
    if (!recipe) return std::nullopt;
    Need need{&product, recipe, {}};
    if (recipe->NeedsTool()) {
        for (int32_t s = product.FStage; s < product.FStageCount - 1; ++s) need.items.push_back(recipe->ToolName);
    } else {
        for (std::size_t i = static_cast<std::size_t>(product.FStage); i < recipe->Parts.size(); ++i)
            need.items.push_back(recipe->Parts[i]);
    }
    return need;
}

double PileMiddle(const TGameFloor& floor, std::string_view name)
{
    const TBasePickLocation* pile = floor.FPickLocations->FindPile(name);
    return pile ? pile->WorldX() + pile->Width() / 2.0 : 400;
}

class Planner {
public:
    Planner(const TGameFloor& floor, int32_t maxCarried, int32_t beltMsPerStep)
        : FFloor(floor), FWorker(*floor.FWorker), FMaxCarried(maxCarried)
    {
        // Pixels per millisecond the products move.
        FBeltSpeed = beltMsPerStep > 0 ? 16.0 / beltMsPerStep : 0.0;
        for (const auto& product : floor.FMainLine->FProducts)
            if (auto need = NeedOf(*product); need && product->WorldX() > kDropX) FNeeds.push_back(*need);
    }

    std::optional<AutoplayMove> Decide()
    {
        if (FWorker.HasTool()) return WithTool();
        if (FWorker.HasParts()) return WithParts();
        return EmptyHanded();
    }

private:
    // The worker's middle, where his reach point is.
    double WorkerMiddle() const { return FWorker.FX + 25; }

    // Milliseconds until the product drops off the upper belt.
    double TimeLeft(const TBaseAssemblyObject& product) const
    {
        if (FBeltSpeed <= 0) return 1e12;
        return (product.WorldX() - kDropX) / FBeltSpeed;
    }
    // Where the product's middle will be `ms` from now, for the walk.
    double MiddleIn(const TBaseAssemblyObject& product, double ms) const
    {
        return product.WorldX() - FBeltSpeed * ms + product.ImageWidth() / 2.0;
    }
    static double WalkMs(double from, double to) { return std::abs(to - from) / 150.0 * 1000.0; }
    // Can the worker put a hand on it now: on screen and within his stretch.
    static bool InReachNow(const TBaseAssemblyObject& product)
    {
        const double x = product.WorldX();
        return x > kDropX && x <= std::min(kReachMax, 785.0) && x + product.ImageWidth() >= kReachMin;
    }

    // Whether fetching `items` (the last one first) and fitting them all
    // ends before the product leaves the upper belt.
    bool Feasible(const Need& need, std::size_t count, double extraMs = 0) const
    {
        double at = WorkerMiddle();
        double ms = extraMs;
        for (std::size_t i = count; i-- > 0;) {
            const double pile = PileMiddle(FFloor, need.items[i]);
            ms += WalkMs(at, pile) + kPauseMs;
            at = pile;
        }
        const double target = std::clamp(MiddleIn(*need.product, ms), kReachMin, kReachMax);
        ms += WalkMs(at, target) + count * kPauseMs;
        return ms < TimeLeft(*need.product) - 200;
    }

    bool PileHas(std::string_view name) const
    {
        const TBasePickLocation* pile = FFloor.FPickLocations->FindPile(name);
        return pile && (pile->FTool || !pile->FParts.empty());
    }

    std::optional<AutoplayMove> WithTool()
    {
        const std::string_view tool = FWorker.FTool->FItemName.View();
        for (const Need& need : FNeeds) {
            if (need.recipe->ToolName != tool) continue;
            if (InReachNow(*need.product)) return AutoplayMove{AutoplayMove::WorkOn, {}, need.product};
            // The next product needing anything at all is this one: wait for it.
            break;
        }
        for (const Need& need : FNeeds) {
            if (need.recipe->ToolName == tool) return std::nullopt;
            break;
        }
        return AutoplayMove{AutoplayMove::PutBack, {}, nullptr};
    }

    std::optional<AutoplayMove> WithParts()
    {
        const TAssemblyObjectPartSprite& top = *FWorker.FParts.back();
        for (const Need& need : FNeeds) {
            if (need.recipe->NeedsTool() || need.product->FProductName != top.FProductName) continue;
            if (top.FPartNumber != need.product->FStage + 1) continue;
            if (InReachNow(*need.product)) return AutoplayMove{AutoplayMove::WorkOn, {}, need.product};
            if (need.product->WorldX() > kReachMax) return std::nullopt;  // it is coming
        }
        // Still gathering for a product: fetch the next part under the top.
        if (std::optional<AutoplayMove> more = GatherMore()) return more;
        return AutoplayMove{AutoplayMove::PutBack, {}, nullptr};
    }

    // The stack in hand is some of a product's next parts, the one needed
    // first on top: fetch the part that goes on top of it.
    std::optional<AutoplayMove> GatherMore()
    {
        const auto& carried = FWorker.FParts;
        const std::size_t c = carried.size();
        if (static_cast<int32_t>(c) >= FMaxCarried) return std::nullopt;
        for (const Need& need : FNeeds) {
            if (need.recipe->NeedsTool() || need.product->FProductName != carried.back()->FProductName) continue;
            // The bottom part is items[k - 1]; the stack runs down from it.
            std::size_t k = 0;
            while (k < need.items.size() && need.items[k] != carried.front()->FItemName.View()) ++k;
            ++k;
            if (k > need.items.size() || k <= c) continue;
            bool matches = true;
            for (std::size_t i = 0; i < c && matches; ++i) matches = carried[i]->FItemName.View() == need.items[k - 1 - i];
            if (!matches) continue;
            const std::string_view next = need.items[k - 1 - c];
            if (PileHas(next)) return AutoplayMove{AutoplayMove::FetchFrom, std::string(next), nullptr};
        }
        return std::nullopt;
    }

    std::optional<AutoplayMove> EmptyHanded()
    {
        for (const Need& need : FNeeds) {
            if (need.items.empty()) continue;
            if (need.recipe->NeedsTool()) {
                if (!PileHas(need.items[0]) || !Feasible(need, 1)) continue;
                return AutoplayMove{AutoplayMove::FetchFrom, std::string(need.items[0]), nullptr};
            }
            // As many of its next parts as may be carried and still fitted
            // in time; fetched last first, so the first needed is on top.
            std::size_t count = std::min<std::size_t>(need.items.size(), static_cast<std::size_t>(FMaxCarried));
            while (count > 0 && !Feasible(need, count)) --count;
            if (count == 0) continue;
            const std::string_view first = need.items[count - 1];
            if (!PileHas(first)) continue;
            return AutoplayMove{AutoplayMove::FetchFrom, std::string(first), nullptr};
        }
        return std::nullopt;
    }

    const TGameFloor& FFloor;
    const TAssemblyWorker& FWorker;
    int32_t FMaxCarried;
    double FBeltSpeed = 0;
    std::vector<Need> FNeeds;
};

}  // namespace

std::optional<AutoplayMove> DecideAutoplayMove(const TGameFloor& floor, int32_t maxCarried, int32_t beltMsPerStep)
{
    return Planner(floor, maxCarried, beltMsPerStep).Decide();
}

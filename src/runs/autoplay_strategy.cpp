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
// The worker's body middle stays within these (his x within 220..750).
constexpr double kBodyMin = 255;
constexpr double kBodyMax = 785;
// A product can be worked on once its left edge is this far in.
constexpr double kReachableX = 775;
constexpr double kPauseMs = 500;
constexpr double kWalkPixelsPerMs = 0.15;
// Slack for the frames between a decision and its click.
constexpr double kSlackMs = 250;

// What one product still needs, in fitting order.
struct Job {
    const TBaseAssemblyObject* product;
    const TProductRecipe* recipe;
    std::vector<std::string_view> items;  // the tool repeated, or the parts
};

std::vector<Job> OpenJobs(const TGameFloor& floor)
{
    std::vector<Job> jobs;
    for (const auto& owned : floor.FMainLine->FProducts) {
        const TBaseAssemblyObject& product = *owned;
        if (product.FPassed || product.IsComplete() || product.WorldX() <= kDropX) continue;
        const TProductRecipe* recipe = FindRecipe(product.FProductName.View());
        if (!recipe) continue;
        Job job{&product, recipe, {}};
        if (recipe->NeedsTool()) {
            for (int32_t s = product.FStage; s < product.FStageCount - 1; ++s) job.items.push_back(recipe->ToolName);
        } else {
            for (std::size_t i = static_cast<std::size_t>(product.FStage); i < recipe->Parts.size(); ++i)
                job.items.push_back(recipe->Parts[i]);
        }
        jobs.push_back(std::move(job));
    }
    return jobs;
}

// Walks, picks and fits played forward in time, to tell whether a plan
// finishes each product before it drops off the upper belt.
class Rehearsal {
public:
    Rehearsal(const TGameFloor& floor, double beltPixelsPerMs)
        : FFloor(floor), FBelt(beltPixelsPerMs), FAt(floor.FWorker->FX + 35) {}

    void Pick(std::string_view item)
    {
        const TBasePickLocation* pile = FFloor.FPickLocations->FindPile(item);
        WalkTo(pile ? pile->WorldX() + pile->Width() / 2.0 : FAt);
        FTime += kPauseMs;
    }
    // Fits one item; false when the product would be gone by then.
    bool Fit(const TBaseAssemblyObject& product)
    {
        // Wait for it to come within reach, then walk to where it will be.
        const double x = LeftAt(product, FTime);
        if (x > kReachableX && FBelt > 0) FTime += (x - kReachableX) / FBelt;
        else if (x > kReachableX) return false;
        // He walks towards it while the belt carries it towards him or
        // away from him.
        const double middle = std::clamp(LeftAt(product, FTime) + product.ImageWidth() / 2.0, kBodyMin, kBodyMax);
        const double closing = middle >= FAt ? kWalkPixelsPerMs + FBelt : kWalkPixelsPerMs - FBelt;
        if (closing <= 0) return false;
        FTime += std::abs(middle - FAt) / closing;
        FAt = std::clamp(LeftAt(product, FTime) + product.ImageWidth() / 2.0, kBodyMin, kBodyMax);
        const bool inTime = LeftAt(product, FTime + kSlackMs) > kDropX;
        FTime += kPauseMs;
        return inTime;
    }

private:
    void WalkTo(double x)
    {
        FTime += std::abs(x - FAt) / kWalkPixelsPerMs;
        FAt = x;
    }
    double LeftAt(const TBaseAssemblyObject& product, double ms) const { return product.WorldX() - FBelt * ms; }

    const TGameFloor& FFloor;
    double FBelt;
    double FAt;
    double FTime = 0;
};

class Planner {
public:
    Planner(const TGameFloor& floor, int32_t maxCarried, int32_t beltMsPerStep)
        : FFloor(floor), FWorker(*floor.FWorker), FMaxCarried(maxCarried), FJobs(OpenJobs(floor))
    {
        FBelt = beltMsPerStep > 0 ? 16.0 / beltMsPerStep : 0.0;
    }

    std::optional<AutoplayMove> Decide()
    {
        if (FWorker.HasTool()) return WithTool();
        return WithParts();
    }

private:
    static bool InReachNow(const TBaseAssemblyObject& product)
    {
        return product.WorldX() > kDropX && product.WorldX() <= kReachableX;
    }

    bool PileHas(std::string_view name) const
    {
        const TBasePickLocation* pile = FFloor.FPickLocations->FindPile(name);
        return pile && (pile->FTool || !pile->FParts.empty());
    }

    // Whether a worker with empty hands could still finish the job, one
    // trip per item when he carries one part at a time, or all its parts in
    // one trip when he carries more.
    bool CanFinish(const Job& job) const
    {
        Rehearsal r(FFloor, FBelt);
        if (job.recipe->NeedsTool()) {
            r.Pick(job.items.front());
            for (std::size_t i = 0; i < job.items.size(); ++i)
                if (!r.Fit(*job.product)) return false;
            return true;
        }
        if (static_cast<int32_t>(job.items.size()) <= FMaxCarried) {
            for (std::size_t i = job.items.size(); i-- > 0;) r.Pick(job.items[i]);
            for (std::size_t i = 0; i < job.items.size(); ++i)
                if (!r.Fit(*job.product)) return false;
            return true;
        }
        for (std::string_view item : job.items) {
            r.Pick(item);
            if (!r.Fit(*job.product)) return false;
        }
        return true;
    }

    // The parts of whole jobs, in fitting order, that fit in the hands at
    // once and are all fitted in time, starting with `first`.
    std::vector<std::string_view> StackFor(std::size_t first) const
    {
        std::vector<const Job*> chosen;
        std::size_t count = 0;
        for (std::size_t j = first; j < FJobs.size(); ++j) {
            const Job& job = FJobs[j];
            if (job.recipe->NeedsTool()) break;
            if (count + job.items.size() > static_cast<std::size_t>(FMaxCarried)) break;
            chosen.push_back(&job);
            count += job.items.size();
            // Parts for one product at a time: a stack for the next ones
            // makes the worker wait while others pass.
            break;
        }
        while (!chosen.empty()) {
            Rehearsal r(FFloor, FBelt);
            std::vector<std::string_view> order;
            for (const Job* job : chosen) order.insert(order.end(), job->items.begin(), job->items.end());
            for (std::size_t i = order.size(); i-- > 0;) r.Pick(order[i]);
            bool inTime = true;
            for (const Job* job : chosen)
                for (std::size_t i = 0; i < job->items.size() && inTime; ++i) inTime = r.Fit(*job->product);
            if (inTime) return order;
            chosen.pop_back();
        }
        return {};
    }

    std::optional<AutoplayMove> WithTool()
    {
        const std::string_view tool = FWorker.FTool->FItemName.View();
        for (const Job& job : FJobs) {
            if (!CanFinish(job) && !InReachNow(*job.product)) continue;
            if (job.recipe->ToolName != tool) return AutoplayMove{AutoplayMove::PutBack, {}, nullptr};
            if (InReachNow(*job.product)) return AutoplayMove{AutoplayMove::WorkOn, {}, job.product};
            return std::nullopt;  // it is coming
        }
        return AutoplayMove{AutoplayMove::PutBack, {}, nullptr};
    }

    std::optional<AutoplayMove> WithParts()
    {
        // The top part goes on a product in reach now; else the worker waits
        // for the product it is for; else it goes back.
        const TAssemblyObjectPartSprite& top = *FWorker.FParts.back();
        const Job* waitFor = nullptr;
        for (const Job& job : FJobs) {
            if (job.recipe->NeedsTool() || job.product->FProductName != top.FProductName) continue;
            if (top.FPartNumber != job.product->FStage + 1) continue;
            if (InReachNow(*job.product)) return AutoplayMove{AutoplayMove::WorkOn, {}, job.product};
            if (!waitFor) waitFor = &job;
        }
        if (waitFor) return std::nullopt;
        return AutoplayMove{AutoplayMove::PutBack, {}, nullptr};
    }

public:
    // A plan for empty hands: the tool of the first product that can still
    // be finished, or as many parts as the hands hold for it and the
    // products after it, fetched last first so the first needed is on top.
    std::vector<std::pair<bool, std::string>> PlanSteps(std::vector<const TBaseAssemblyObject*>& fits) const
    {
        for (std::size_t j = 0; j < FJobs.size(); ++j) {
            const Job& job = FJobs[j];
            if (!CanFinish(job) || !PileHas(job.items.front())) continue;
            if (job.recipe->NeedsTool()) return {{true, std::string(job.items[0])}};
            std::vector<std::pair<const Job*, std::string_view>> stack;
            std::vector<std::string_view> order = StackFor(j);
            if (order.empty()) order.push_back(job.items.front());
            bool stocked = true;
            for (std::string_view item : order) stocked = stocked && PileHas(item);
            if (!stocked) order.resize(1);
            std::vector<std::pair<bool, std::string>> steps;
            for (std::size_t i = order.size(); i-- > 0;) steps.push_back({true, std::string(order[i])});
            // Which product each part is fitted to, in fitting order.
            std::size_t k = 0;
            for (std::size_t jj = j; jj < FJobs.size() && k < order.size(); ++jj)
                for (std::size_t i = 0; i < FJobs[jj].items.size() && k < order.size(); ++i, ++k)
                    fits.push_back(FJobs[jj].product);
            return steps;
        }
        return {};
    }

private:
    const TGameFloor& FFloor;
    const TAssemblyWorker& FWorker;
    int32_t FMaxCarried;
    std::vector<Job> FJobs;
    double FBelt = 0;
};

bool IsOnLine(const TGameFloor& floor, const TBaseAssemblyObject* product)
{
    for (const auto& p : floor.FMainLine->FProducts)
        if (p.get() == product) return !p->FPassed && p->WorldX() > kDropX;
    return false;
}

}  // namespace

std::optional<AutoplayMove> TAutoplayStrategy::FollowPlan(const TGameFloor& floor)
{
    const TAssemblyWorker& worker = *floor.FWorker;
    // The hands must hold what the plan has gathered so far.
    bool asPlanned = !worker.HasTool() && worker.FParts.size() == FExpected.size();
    for (std::size_t i = 0; asPlanned && i < FExpected.size(); ++i)
        asPlanned = worker.FParts[i]->FItemName.View() == FExpected[i];
    if (!asPlanned) {
        FPlan.clear();
        return std::nullopt;
    }
    Step& step = FPlan.front();
    if (step.fetch) {
        const TBasePickLocation* pile = floor.FPickLocations->FindPile(step.item);
        if (!pile || pile->FParts.empty()) {
            FPlan.clear();
            return std::nullopt;
        }
        FExpected.push_back(step.item);
        AutoplayMove move{AutoplayMove::FetchFrom, step.item, nullptr};
        FPlan.pop_front();
        return move;
    }
    const TBaseAssemblyObject* product = step.product;
    if (!IsOnLine(floor, product) || !worker.HasParts()) {
        FPlan.clear();
        return std::nullopt;
    }
    const TAssemblyObjectPartSprite& top = *worker.FParts.back();
    if (product->FProductName != top.FProductName || top.FPartNumber != product->FStage + 1) {
        FPlan.clear();
        return std::nullopt;
    }
    // Not in reach yet: wait for it.
    if (product->WorldX() > kReachableX) return AutoplayMove{AutoplayMove::WorkOn, {}, nullptr};
    FExpected.pop_back();
    FPlan.pop_front();
    return AutoplayMove{AutoplayMove::WorkOn, {}, product};
}

std::optional<AutoplayMove> TAutoplayStrategy::Next(const TGameFloor& floor, int32_t beltMsPerStep)
{
    if (!FPlan.empty()) {
        std::optional<AutoplayMove> move = FollowPlan(floor);
        if (move && move->kind == AutoplayMove::WorkOn && !move->product) return std::nullopt;  // waiting
        if (move) return move;
    }
    FPlan.clear();
    Planner planner(floor, FMaxCarried, beltMsPerStep);
    const TAssemblyWorker& worker = *floor.FWorker;
    if (worker.HasTool() || worker.HasParts()) return planner.Decide();

    std::vector<const TBaseAssemblyObject*> fits;
    const auto steps = planner.PlanSteps(fits);
    if (steps.empty()) return std::nullopt;
    FExpected.clear();
    for (const auto& [fetch, item] : steps) FPlan.push_back({fetch, item, nullptr});
    if (steps.size() == 1 && floor.FPickLocations->FindPile(steps[0].second) &&
        floor.FPickLocations->FindPile(steps[0].second)->FTool) {
        // A tool: fetched, then used by the planner's rules for a tool in hand.
        FPlan.clear();
        return AutoplayMove{AutoplayMove::FetchFrom, steps[0].second, nullptr};
    }
    for (const TBaseAssemblyObject* product : fits) FPlan.push_back({false, {}, product});
    return FollowPlan(floor);
}

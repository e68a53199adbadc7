#pragma once
// What the automatic player does next, decided from what is on the floor:
// which products to work for, which piles to fetch from and in what order,
// when to wait for a product and when to put something back. A plan made
// with empty hands is followed until it is done or the floor overtakes it.
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

class TBaseAssemblyObject;
struct TGameFloor;

struct AutoplayMove {
    enum Kind { FetchFrom, WorkOn, PutBack } kind = FetchFrom;
    std::string pile;                              // FetchFrom: the part or tool name
    const TBaseAssemblyObject* product = nullptr;  // WorkOn
};

class TAutoplayStrategy {
public:
    // At most `maxCarried` parts are fetched before working on them.
    explicit TAutoplayStrategy(int32_t maxCarried) : FMaxCarried(maxCarried) {}

    // The next move of a worker who stands idle, or none (wait a little).
    // `beltMsPerStep` is the line's time for one 16-pixel step, 0 stopped.
    std::optional<AutoplayMove> Next(const TGameFloor& floor, int32_t beltMsPerStep);

private:
    struct Step {
        bool fetch;
        std::string item;                              // fetch
        const TBaseAssemblyObject* product = nullptr;  // fit
    };

    std::optional<AutoplayMove> FollowPlan(const TGameFloor& floor);

    int32_t FMaxCarried;
    std::deque<Step> FPlan;
    // The parts the hands should hold when the next step is taken.
    std::vector<std::string> FExpected;
};

#pragma once
// What the automatic player does next, decided from what is on the floor:
// which product to work for, which pile to fetch from, when to put back.
#include <cstdint>
#include <optional>
#include <string>

class TBaseAssemblyObject;
struct TGameFloor;

struct AutoplayMove {
    enum Kind { FetchFrom, WorkOn, PutBack } kind = FetchFrom;
    std::string pile;                              // FetchFrom: the part or tool name
    const TBaseAssemblyObject* product = nullptr;  // WorkOn
};

// The next move of a worker who is standing idle, or none (wait). At most
// `maxCarried` parts are fetched for one product before working on it.
// `beltMsPerStep` is the line's time for a 16-pixel step (0 when stopped).
std::optional<AutoplayMove> DecideAutoplayMove(const TGameFloor& floor, int32_t maxCarried, int32_t beltMsPerStep);

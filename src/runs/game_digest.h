#pragma once
// A running fingerprint of a game: after every frame, the game state, the
// level number, both scores, the worker's and the cursor's positions and
// every product's position and stage are folded into it. Two runs whose
// frames ever differed end with different digests.
#include <cstdint>
#include <string>

#include "gameplay/game_state.h"

class TfrmMain;

class GameDigest {
public:
    void addFrame(TfrmMain& form);

    uint64_t frames() const { return frames_; }
    uint64_t value() const { return hash_; }
    // "frames=N state=S level=L total=T digest=HEX": S is the game state's
    // name (gsPlaying ...), HEX sixteen lower-case digits.
    std::string line() const;

private:
    void fold(const void* bytes, std::size_t size);
    template <class T>
    void fold(T value)
    {
        fold(&value, sizeof value);
    }

    uint64_t hash_ = 0xCBF29CE484222325ull;  // FNV-1a offset basis
    uint64_t frames_ = 0;
    TGameState state_ = gsNone;
    int32_t level_ = 0;
    int32_t total_ = 0;
};

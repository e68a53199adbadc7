#include "runs/game_digest.h"

#include <cinttypes>
#include <cstdio>
#include <cstring>

#include "app/main_form.h"

void GameDigest::fold(const void* bytes, std::size_t size)
{
    // FNV-1a over the bytes as they lie in memory (little-endian on every
    // machine the game is built for).
    const auto* p = static_cast<const uint8_t*>(bytes);
    for (std::size_t i = 0; i < size; ++i) {
        hash_ ^= p[i];
        hash_ *= 0x100000001B3ull;
    }
}

void GameDigest::addFrame(TfrmMain& form)
{
    ++frames_;
    state_ = form.FState;
    level_ = form.FLevel ? form.FLevel->FLevelNumber : 0;
    total_ = form.FTotalScore;
    fold(static_cast<uint8_t>(state_));
    fold(level_);
    fold(form.FLevelScore);
    fold(total_);
    if (const TGameFloor* floor = form.FFloor.get()) {
        // Positions are folded bit for bit: a replay must match exactly.
        fold(floor->FWorker->FX);
        fold(floor->FCursor->FX);
        fold(floor->FCursor->FY);
        const auto& products = floor->FMainLine->FProducts;
        fold(static_cast<uint32_t>(products.size()));
        for (const auto& product : products) {
            fold(product->WorldX());
            fold(product->WorldY());
            fold(product->FStage);
        }
    }
}

std::string GameDigest::line() const
{
    char text[160];
    std::snprintf(text, sizeof text, "frames=%" PRIu64 " state=%s level=%" PRId32 " total=%" PRId32 " digest=%016" PRIx64,
                  frames_, GameStateName(state_), level_, total_, hash_);
    return text;
}

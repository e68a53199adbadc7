// One frame of the sprite engine as the game draws it: 300 sprites of the
// game's pattern sizes, a third of them wholly off screen, 20 of them
// changing Z (so the draw list re-sorts) before the engine paints them all
// onto an 800 x 600 x 16 back buffer with colour-keyed copies.
#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "engine/display/ddraw_screen.h"
#include "engine/display/image_list.h"
#include "engine/sprites/game_sprite.h"
#include "engine/sprites/sprite_engine.h"
#include "platform/backends/headless/headless_backend.h"
#include "platform/win32/bitmap/bitmap.h"
#include "platform/win32/form.h"

namespace {

struct Size {
    int w, h, count;
};

// Pattern sizes the game's floor shows, with how many of each one frame holds.
constexpr Size kSizes[] = {{800, 345, 1}, {590, 90, 2}, {600, 150, 1}, {90, 90, 6},  {70, 80, 6}, {80, 300, 2},
                           {270, 80, 1},  {40, 40, 180}, {34, 15, 40}, {40, 26, 30}, {20, 20, 31}};

// Patterns with about a third of their pixels key-coloured, in runs.
platform::TBitmap PatternBitmap(int w, int h, int patterns, std::mt19937& random) {
    platform::TBitmap bitmap;
    bitmap.SetSize(w * patterns, h);
    std::uniform_int_distribution<int> colour(1, 0xFFFFFF);
    for (int y = 0; y < h; ++y) {
        int x = 0;
        while (x < w * patterns) {
            const int run = 1 + static_cast<int>(random() % 12);
            const bool key = random() % 3 == 0;
            const int32_t c = key ? 0 : colour(random);
            for (int i = 0; i < run && x < w * patterns; ++i, ++x) bitmap.SetPixel(x, y, c);
        }
    }
    return bitmap;
}

struct Scene {
    platform::HeadlessBackend backend;
    platform::Application app{backend};
    platform::Form form{app};
    TDDrawScreen screen{app, form};
    TDImageList images;
    TDSpriteEngine2D engine;
    std::vector<std::unique_ptr<TCustomGameSprite>> sprites;

    Scene() {
        screen.AutoInitialize = false;
        screen.FullScreen = false;
        images.SetDrawScreen(&screen);
        engine.SetDrawScreen(&screen);
        std::mt19937 random(1234);
        std::vector<TImageCollectionItem*> items;
        for (const Size& size : kSizes) {
            TImageCollectionItem& item = images.Items().Add();
            const platform::TBitmap bitmap = PatternBitmap(size.w, size.h, 3, random);
            item.SetBitmap(&bitmap);
            item.Name = std::to_string(size.w) + "x" + std::to_string(size.h);
            item.SetPatternWidth(size.w);
            item.SetPatternHeight(size.h);
            item.TransparentColor = 0;
            item.Transparent = true;
            items.push_back(&item);
        }
        screen.Initialize();

        int index = 0;
        for (size_t s = 0; s < std::size(kSizes); ++s) {
            for (int i = 0; i < kSizes[s].count; ++i, ++index) {
                auto sprite = std::make_unique<TCustomGameSprite>(&engine);
                sprite->Image = items[s];
                sprite->Animations().Enabled = false;
                sprite->SetPatternIndex(index % 3);
                sprite->SetZ(static_cast<int32_t>(random() % 3000) - 30);
                // Every third sprite lies wholly off screen, as products do
                // before they enter and after they leave the belt.
                const bool offScreen = index % 3 == 2;
                sprite->X = offScreen ? 800.0 + random() % 200 : static_cast<double>(random() % (800 - kSizes[s].w + 1));
                sprite->Y = offScreen ? 100.0 : static_cast<double>(random() % (600 - kSizes[s].h + 1));
                sprites.push_back(std::move(sprite));
            }
        }
    }
};

void BM_SpriteEngineFrame(benchmark::State& state) {
    Scene scene;
    std::mt19937 random(99);
    const bool blits = state.range(0) != 0;
    for (auto _ : state) {
        for (int i = 0; i < 20; ++i) {
            TCustomGameSprite& sprite = *scene.sprites[random() % scene.sprites.size()];
            sprite.SetZ(static_cast<int32_t>(random() % 3000) - 30);
        }
        if (blits) {
            scene.engine.Draw();
        } else {
            // The engine's own share: the cull of every sprite, no copies.
            for (TDSprite2D* sprite : scene.engine.DrawList())
                benchmark::DoNotOptimize(sprite->Visible && RectsIntersect(sprite->BoundsRect(), scene.engine.ScreenRect()));
        }
        benchmark::ClobberMemory();
    }
    state.counters["sprites"] = static_cast<double>(scene.sprites.size());
}
BENCHMARK(BM_SpriteEngineFrame)->ArgName("blits")->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

}  // namespace

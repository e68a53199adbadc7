// What one frame of the game costs the display: clearing the back buffer,
// drawing colour-keyed sprites, the frame-rate text, presenting.
#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <vector>

#include "engine/display/ddraw_screen.h"
#include "platform/backends/headless/headless_backend.h"
#include "platform/win32/form.h"

namespace {

struct Rig {
    platform::HeadlessBackend backend;
    platform::Application app{backend};
    platform::Form form{app};
    TDDrawScreen screen{app, form};
    std::vector<std::unique_ptr<TDDrawSurface>> sprites;

    explicit Rig(bool fullScreen)
    {
        screen.AutoInitialize = false;
        screen.FullScreen = fullScreen;
        screen.Initialize();
        // Sprites with about a third of their pixels in the key colour, in runs.
        std::mt19937 random(7);
        for (int i = 0; i < 16; ++i) {
            platform::gdi::Bitmap bmp(64, 64);
            for (int y = 0; y < 64; ++y) {
                const int margin = static_cast<int>(random() % 12);
                for (int x = margin; x < 64 - margin; ++x) bmp.setPixel(x, y, 0x204080 + i);
            }
            std::unique_ptr<TDDrawSurface> s;
            screen.CreateSurfaceFromBitmap(s, &bmp);
            sprites.push_back(std::move(s));
        }
    }
};

void ClearAndFlip(benchmark::State& state)
{
    Rig rig(state.range(0) != 0);
    for (auto _ : state) {
        rig.screen.Clear();
        rig.screen.Flip();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(ClearAndFlip)->Arg(0)->Arg(1)->ArgName("fullscreen");

void KeyedSpriteDraw(benchmark::State& state)
{
    Rig rig(false);
    TDDrawSurface& back = *rig.screen.BackBuffer();
    int i = 0;
    for (auto _ : state) {
        const int x = (i * 37) % 760 - 20, y = (i * 53) % 560 - 20;
        back.Draw(x, y, {0, 0, 64, 64}, rig.sprites[std::size_t(i) % rig.sprites.size()].get(), true);
        ++i;
    }
    state.counters["Mpixel/s"] = benchmark::Counter(double(state.iterations()) * 64 * 64 / 1e6, benchmark::Counter::kIsRate);
}
BENCHMARK(KeyedSpriteDraw);

void FrameRateText(benchmark::State& state)
{
    Rig rig(false);
    auto& canvas = rig.screen.BackBuffer()->Canvas();
    for (auto _ : state) {
        if (canvas.AcquireDC()) {
            canvas.Brush.Style = platform::gdi::TBrushStyle::bsClear;
            canvas.Font.Name = "Arial";
            canvas.Font.Color = 0xFFFFFF;
            canvas.Font.Size = 10;
            canvas.TextOut(0, 0, "FPS: 98");
            canvas.ReleaseDC();
        }
    }
}
BENCHMARK(FrameRateText);

}  // namespace

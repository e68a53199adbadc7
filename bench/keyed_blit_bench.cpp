// Colour-keyed 565 copies of sprite-like pictures: our copies against SDL's
// own keyed blit, plain and run-length accelerated, on the same pixels.
//   KeyedBlit/ours/WxH     an image item's Draw onto the display's back buffer
//   KeyedBlit/sdl/WxH      SDL_BlitSurface with a colour key
//   KeyedBlit/sdl_rle/WxH  the same with SDL_RLEACCEL
//   KeyedBlit/runs/WxH     the opaque-run cache (TKeyedRuns::Copy)
//   KeyedBlit/naive/WxH    a per-pixel compare-and-copy loop, for scale
// Each benchmark cycles through many distinct sprites so no single pattern
// of branches can be learnt.
#include <benchmark/benchmark.h>

#include <SDL.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "engine/display/ddraw_screen.h"
#include "engine/display/image_list.h"
#include "platform/backends/headless/headless_backend.h"
#include "platform/win32/application.h"
#include "platform/win32/bitmap/keyed_runs.h"
#include "platform/win32/form.h"

namespace {

constexpr std::uint16_t kKey = 0xF81F;  // magenta, the classic sprite key
constexpr int kScreenW = 800, kScreenH = 600;

struct Sprite {
    int width = 0, height = 0;
    std::vector<std::uint16_t> pixels;
    platform::TKeyedRuns runs;
    int x = 0, y = 0;  // where it is drawn on the screen
};

// A blob: key margins on both sides that drift from row to row, now and
// then a short hole inside, opaque colours in short gradients. About a
// third of the pixels are key, in the long runs real sprites have.
Sprite makeSprite(int w, int h, std::mt19937& rng)
{
    Sprite s;
    s.width = w;
    s.height = h;
    s.pixels.assign(static_cast<std::size_t>(w) * h, kKey);
    std::uniform_int_distribution<int> colour(0, 0xFFFF);
    int left = w / 6, right = w / 6;
    for (int y = 0; y < h; ++y) {
        left = std::clamp(left + static_cast<int>(rng() % 5) - 2, 0, w / 3);
        right = std::clamp(right + static_cast<int>(rng() % 5) - 2, 0, w / 3);
        std::uint16_t c = static_cast<std::uint16_t>(colour(rng));
        for (int x = left; x < w - right; ++x) {
            if (rng() % 7 == 0) c = static_cast<std::uint16_t>(colour(rng));
            s.pixels[static_cast<std::size_t>(y) * w + x] = c == kKey ? 0 : c;
        }
        if (rng() % 3 == 0 && w - right - left > 16) {  // a hole of 2 to 9 pixels
            const int at = left + 4 + static_cast<int>(rng() % static_cast<unsigned>(w - right - left - 14));
            const int len = 2 + static_cast<int>(rng() % 8);
            for (int x = at; x < at + len; ++x) s.pixels[static_cast<std::size_t>(y) * w + x] = kKey;
        }
    }
    s.runs.Build(reinterpret_cast<const std::uint8_t*>(s.pixels.data()), w * 2, w, h, 2, kKey);
    s.x = static_cast<int>(rng() % static_cast<unsigned>(kScreenW - w + 1));
    s.y = static_cast<int>(rng() % static_cast<unsigned>(kScreenH - h + 1));
    return s;
}

// Each benchmark makes its own set (outside the timed loop).
std::vector<Sprite> spritesOf(int w, int h)
{
    std::mt19937 rng(static_cast<unsigned>(w * 1000 + h));
    const int count = w * h >= 400 * 300 ? 6 : 48;
    std::vector<Sprite> sprites;
    for (int i = 0; i < count; ++i) sprites.push_back(makeSprite(w, h, rng));
    return sprites;
}

void report(benchmark::State& state, int w, int h)
{
    const double pixels = static_cast<double>(state.iterations()) * w * h;
    state.SetItemsProcessed(static_cast<std::int64_t>(pixels));
    state.counters["Mpix/s"] = benchmark::Counter(pixels / 1e6, benchmark::Counter::kIsRate);
}

struct SdlSurfaceDeleter {
    void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};
using SdlSurface = std::unique_ptr<SDL_Surface, SdlSurfaceDeleter>;

void sdlBlit(benchmark::State& state, bool rle)
{
    const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
    auto sprites = spritesOf(w, h);
    std::vector<std::uint16_t> screen(static_cast<std::size_t>(kScreenW) * kScreenH, 0);
    SdlSurface dst(SDL_CreateRGBSurfaceWithFormatFrom(screen.data(), kScreenW, kScreenH, 16, kScreenW * 2,
                                                      SDL_PIXELFORMAT_RGB565));
    std::vector<SdlSurface> srcs;
    for (auto& s : sprites) {
        srcs.emplace_back(SDL_CreateRGBSurfaceWithFormatFrom(s.pixels.data(), w, h, 16, w * 2, SDL_PIXELFORMAT_RGB565));
        SDL_SetColorKey(srcs.back().get(), SDL_TRUE, kKey);
        if (rle) SDL_SetSurfaceRLE(srcs.back().get(), 1);
        SDL_Rect at{s.x, s.y, w, h};
        SDL_BlitSurface(srcs.back().get(), nullptr, dst.get(), &at);  // encodes the runs once
    }
    std::size_t i = 0;
    for (auto _ : state) {
        const Sprite& s = sprites[i];
        SDL_Rect at{s.x, s.y, w, h};
        SDL_BlitSurface(srcs[i].get(), nullptr, dst.get(), &at);
        i = i + 1 == sprites.size() ? 0 : i + 1;
    }
    benchmark::DoNotOptimize(screen.data());
    report(state, w, h);
}

void BM_Sdl(benchmark::State& state) { sdlBlit(state, false); }
void BM_SdlRle(benchmark::State& state) { sdlBlit(state, true); }

// The picture of a sprite as a bitmap whose 565 form is exactly its pixels.
platform::TBitmap toBitmap(const Sprite& s)
{
    platform::TBitmap b;
    b.SetSize(s.width, s.height);
    for (int y = 0; y < s.height; ++y)
        for (int x = 0; x < s.width; ++x) {
            const std::uint32_t p = s.pixels[static_cast<std::size_t>(y) * s.width + x];
            const std::uint32_t r5 = p >> 11, g6 = (p >> 5) & 63, b5 = p & 31;
            const std::uint32_t r = (r5 << 3) | (r5 >> 2), g = (g6 << 2) | (g6 >> 4), bl = (b5 << 3) | (b5 >> 2);
            b.SetPixel(x, y, static_cast<std::int32_t>((bl << 16) | (g << 8) | r));
        }
    return b;
}

void BM_Ours(benchmark::State& state)
{
    const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
    auto sprites = spritesOf(w, h);
    platform::HeadlessBackend backend;
    platform::Application app(backend);
    platform::Form form(app);
    TDDrawScreen screen(app, form);
    screen.AutoInitialize = false;
    screen.FullScreen = true;  // 800 x 600 x 16, the game's display
    TDImageList images;
    images.SetDrawScreen(&screen);
    for (const Sprite& s : sprites) {
        const platform::TBitmap b = toBitmap(s);
        auto& item = images.Items().Add();
        item.SetBitmap(&b);
        item.TransparentColor = 0xFF00FF;  // kKey as a colour
    }
    screen.Initialize();
    TDDrawSurface* back = screen.BackBuffer();
    std::size_t i = 0;
    for (auto _ : state) {
        const Sprite& s = sprites[i];
        images.Items().Items(static_cast<int>(i)).Draw(back, s.x, s.y, 0);
        i = i + 1 == sprites.size() ? 0 : i + 1;
    }
    report(state, w, h);
}

void BM_Runs(benchmark::State& state)
{
    const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
    auto sprites = spritesOf(w, h);
    std::vector<std::uint16_t> screen(static_cast<std::size_t>(kScreenW) * kScreenH, 0);
    std::size_t i = 0;
    for (auto _ : state) {
        const Sprite& s = sprites[i];
        auto* dst = reinterpret_cast<std::uint8_t*>(screen.data() + static_cast<std::size_t>(s.y) * kScreenW + s.x);
        s.runs.Copy(reinterpret_cast<const std::uint8_t*>(s.pixels.data()), w * 2, 0, 0, w, h, dst, kScreenW * 2);
        i = i + 1 == sprites.size() ? 0 : i + 1;
    }
    benchmark::DoNotOptimize(screen.data());
    report(state, w, h);
}

void BM_Naive(benchmark::State& state)
{
    const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
    auto sprites = spritesOf(w, h);
    std::vector<std::uint16_t> screen(static_cast<std::size_t>(kScreenW) * kScreenH, 0);
    std::size_t i = 0;
    for (auto _ : state) {
        const Sprite& s = sprites[i];
        for (int y = 0; y < h; ++y) {
            const std::uint16_t* src = s.pixels.data() + static_cast<std::size_t>(y) * w;
            std::uint16_t* dst = screen.data() + static_cast<std::size_t>(s.y + y) * kScreenW + s.x;
            for (int x = 0; x < w; ++x)
                if (src[x] != kKey) dst[x] = src[x];
        }
        i = i + 1 == sprites.size() ? 0 : i + 1;
    }
    benchmark::DoNotOptimize(screen.data());
    report(state, w, h);
}

void sizes(benchmark::internal::Benchmark* b)
{
    for (auto [w, h] : {std::pair{40, 40}, {64, 64}, {128, 96}, {256, 192}, {800, 600}}) b->Args({w, h});
    b->ArgNames({"w", "h"});
}

}  // namespace

BENCHMARK(BM_Ours)->Name("KeyedBlit/ours")->Apply(sizes);
BENCHMARK(BM_Sdl)->Name("KeyedBlit/sdl")->Apply(sizes);
BENCHMARK(BM_SdlRle)->Name("KeyedBlit/sdl_rle")->Apply(sizes);
BENCHMARK(BM_Runs)->Name("KeyedBlit/runs")->Apply(sizes);
BENCHMARK(BM_Naive)->Name("KeyedBlit/naive")->Apply(sizes);

// One whole play frame of a busy shift on the headless display: input poll,
// every update of the play frame, all sprites, the recipe hint, a hint
// message, the score bar and the present. Reported beside ClearAndFlip; the
// "allocs/frame" counter must stay 0.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <new>
#include <random>

#include "app/main_form.h"
#include "gameplay/level_file.h"
#include "platform/backends/headless/headless_backend.h"
#include "platform/win32/application.h"

namespace {

std::atomic<uint64_t> gAllocations{0};

// A game folder of its own: the build's pictures and sounds, one busy level.
struct BusyShiftFolder {
    std::filesystem::path path;
    BusyShiftFolder()
    {
        std::random_device rd;
        path = std::filesystem::temp_directory_path() / ("brindlecog-bench-" + std::to_string(rd()));
        std::filesystem::create_directories(path / "Levels");
        std::filesystem::create_directory_symlink(std::filesystem::path(BRINDLECOG_GAME_DIR) / "SysData",
                                                  path / "SysData");
        TLevelData level;
        level.Header.FLevelNumber = 1;
        level.Header.FLevelName.Assign("Busy");
        level.Header.FLineSpeed = 1;
        level.Header.FProductSpacing = 0;
        // Twelve piles, sixteen products.
        for (const char* name : {"hamburger", "cake", "fruitpack", "basketball"})
            for (int i = 0; i < 4; ++i) level.Products.emplace_back(name);
        level.Header.FProductCount = static_cast<int32_t>(level.Products.size());
        std::ofstream out(path / "Levels" / "Level1.lev", std::ios::binary);
        WriteLevelFile(out, level);
    }
    ~BusyShiftFolder()
    {
        std::error_code error;
        std::filesystem::remove_all(path, error);
    }
};

// Frames before the shift is started again, while it is still busy.
constexpr int kRound = 3000;

struct BusyShift {
    BusyShiftFolder folder;
    platform::HeadlessBackend backend;
    platform::Application app{backend};
    std::unique_ptr<TfrmMain> form;

    BusyShift()
    {
        app.setGameFolder(folder.path.string());
        form = std::make_unique<TfrmMain>(app);
        form->FormCreate();
        // One whole round as the benchmark plays it, so every picture of it
        // has been drawn once (a surface readies itself for keyed copies on
        // its first one).
        start();
        for (int i = 0; i < kRound; ++i) {
            keepHintsShowing();
            frame();
        }
        start();
    }
    void start()
    {
        form->SetGameState(gsMenu);
        form->SetGameState(gsLevelIntro);
        form->SetGameState(gsPlaying);
        // Forty seconds in, products stand on both belts; every picture of
        // the frame has been drawn once.
        for (int i = 0; i < 4000; ++i) {
            keepHintsShowing();
            frame();
        }
    }
    void frame()
    {
        const uint64_t before = form->FrameCount();
        while (form->FrameCount() == before) app.processMessages();
    }
    // The recipe hint in a flash and a message on screen.
    void keepHintsShowing()
    {
        form->FHintShowTime = 1700;
        form->FHintCycleTime = 6000;
        if (form->FHintMessageTime == 0) form->ShowHintMessage("Wrong part!", "You need another part first.");
    }
};

void PlayFrame(benchmark::State& state)
{
    BusyShift shift;
    int frames = 0;
    uint64_t allocations = 0;
    for (auto _ : state) {
        if (++frames % kRound == 0) {
            // The queue runs out after a while: start the shift again.
            state.PauseTiming();
            shift.start();
            state.ResumeTiming();
        }
        shift.keepHintsShowing();
        const uint64_t before = gAllocations.load(std::memory_order_relaxed);
        shift.frame();
        allocations += gAllocations.load(std::memory_order_relaxed) - before;
    }
    state.counters["allocs/frame"] = benchmark::Counter(double(allocations) / double(state.iterations()));
    state.counters["sprites"] = double(shift.form->DSpriteEngine2D1.Sprites().size());
}
BENCHMARK(PlayFrame)->Unit(benchmark::kMicrosecond);

}  // namespace

// Counts every allocation of the program, so the benchmark can say whether
// a frame of play makes any.
namespace {
void* CountedAllocation(std::size_t size)
{
    gAllocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
}  // namespace

void* operator new(std::size_t size) { return CountedAllocation(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void* operator new[](std::size_t size) { return CountedAllocation(size); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

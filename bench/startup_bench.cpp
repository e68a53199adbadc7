// From nothing to the first title picture, on the headless backend: the
// main form made, FormCreate run (every picture and sound loaded, surfaces
// filled from the pictures, display and sound set up) and the first frame
// presented. scripts/measure-startup times the same in a real window.
#include <benchmark/benchmark.h>

#include <memory>

#include "app/main_form.h"
#include "platform/backends/headless/headless_backend.h"
#include "platform/win32/application.h"
#include "support/game_folder.h"

namespace {

void StartUp(benchmark::State& state)
{
    GameFolder folder;  // the generated assets; settings written on the way out land here
    for (auto _ : state) {
        platform::HeadlessBackend backend;
        platform::Application app(backend);
        app.setGameFolder(folder.folder());
        auto form = std::make_unique<TfrmMain>(app);
        form->FormCreate();
        form->DTimer1.OnTimer();
        state.PauseTiming();
        const auto& video = backend.headlessVideo();
        if (video.presentedCount() == 0 || video.pixel(400, 300) == video.pixel(0, 0))
            state.SkipWithError("the title picture was not presented");
        form.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(StartUp)->Unit(benchmark::kMillisecond);

}  // namespace

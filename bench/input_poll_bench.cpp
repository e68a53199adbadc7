// One frame of input: the controller polls keyboard, mouse and two pads and
// folds them into States. It runs every frame, so it must stay far below a
// millisecond and must not allocate.
#include <benchmark/benchmark.h>

#include "engine/input/input_controller.h"
#include "platform/backends/headless/headless_backend.h"
#include "platform/backends/keycodes.h"
#include "platform/win32/application.h"

namespace {

void BM_InputControllerPoll(benchmark::State& state)
{
    platform::HeadlessBackend backend;
    platform::Application app(backend);
    for (int id = 1; id <= 2; ++id) {
        platform::RawJoystick pad;
        pad.instanceId = id;
        pad.name = pad.product = "Bench Pad";
        pad.numAxes = 4;
        pad.numButtons = 12;
        pad.axes[0] = 20000;
        backend.addJoystick(pad);
    }
    engine::input::TDInputController controller(app);
    controller.Initialize();
    controller.Mouse()->Enabled = true;
    backend.keyDown(platform::dik::Space);
    for (auto _ : state) {
        backend.mouseMove(1, 1);
        controller.Poll();
        benchmark::DoNotOptimize(controller.States());
    }
}
BENCHMARK(BM_InputControllerPoll);

}  // namespace

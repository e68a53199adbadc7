#include "app/dtimer.h"

#include <cmath>

namespace {

// Nearest integer, halves to even (the processor's default rounding).
int roundHalfEven(double value) { return static_cast<int>(std::nearbyint(value)); }

}  // namespace

TDTimer::TDTimer(platform::Application& app) : FApp(app)
{
    FHasCounter = FApp.clock().performanceFrequency(FFrequency) && FFrequency > 0;
    SetInterval(1000);
    FHookId = FApp.hookMainWindow([this](platform::Message& m) { return MainWindowHook(m); });
}

TDTimer::~TDTimer()
{
    Stop();
    FApp.unhookMainWindow(FHookId);
}

void TDTimer::Loaded()
{
    FLoading = false;
    if (FEnabled) Start();
}

void TDTimer::SetEnabled(bool value)
{
    if (value != FEnabled) {
        FEnabled = value;
        if (!FLoading) {
            if (FEnabled) Start();
            else Stop();
        }
    }
    if (!FRunning && FEnabled) Start();
}

void TDTimer::SetInterval(uint32_t value)
{
    if (value == FInterval) return;
    FInterval = value;
    if (FHasCounter) FHPInterval = static_cast<int64_t>(std::nearbyint(value / 1000.0 * static_cast<double>(FFrequency)));
}

void TDTimer::Start()
{
    Stop();
    if (FApp.active()) BeginTicking();
    FRunning = true;
}

void TDTimer::Stop()
{
    if (!FRunning) return;
    EndTicking();
    FRunning = false;
}

void TDTimer::BeginTicking()
{
    if (FHasCounter && FEnableHPTiming) {
        FLastTickCounter = FPeriodStartCounter = FApp.clock().performanceCounter();
    } else {
        FLastTickTime = FPeriodStartTime = FApp.clock().milliseconds();
    }
    FApp.setOnIdle([this](bool& done) { Tick(done); });
}

void TDTimer::EndTicking() { FApp.setOnIdle(nullptr); }

bool TDTimer::MainWindowHook(platform::Message& message)
{
    if (message.msg == platform::WM_ACTIVATEAPP) {
        if (message.wParam != 0) {
            if (OnActivate) OnActivate();
            if (FRunning) BeginTicking();
        } else {
            if (OnDeactivate) OnDeactivate();
            if (FRunning) EndTicking();
        }
    }
    return false;
}

void TDTimer::Tick(bool& done)
{
    done = false;
    if (FHasCounter && FEnableHPTiming) TickHighResolution();
    else TickLowResolution();
}

void TDTimer::TickLowResolution()
{
    const uint32_t now = FApp.clock().milliseconds();
    const uint32_t elapsed = now - FLastTickTime;
    if (elapsed < FInterval) {
        FApp.idleWait(FInterval - elapsed);
        return;
    }
    FLastTickTime = now;
    FDeltaTime = static_cast<int>(elapsed);
    ++FTickCount;
    uint32_t period = now - FPeriodStartTime;
    if (period < 1) period = 1;
    if (period >= 1000) {
        FFramesPerSecond = roundHalfEven(FTickCount * 1000.0 / period);
        FTickCount = 0;
        FPeriodStartTime = now;
    }
    if (OnTimer) OnTimer();
}

void TDTimer::TickHighResolution()
{
    const int64_t now = FApp.clock().performanceCounter();
    const int64_t elapsed = now - FLastTickCounter;
    if (elapsed < FHPInterval) {
        // Sleep until the tick is due, rounded up so the loop does not spin
        // through the last fraction of a millisecond.
        const int64_t remaining = FHPInterval - elapsed;
        FApp.idleWait(static_cast<uint32_t>((remaining * 1000 + FFrequency - 1) / FFrequency));
        return;
    }
    FLastTickCounter = now;
    FDeltaTime = roundHalfEven(static_cast<double>(elapsed) / static_cast<double>(FFrequency) * 1000.0);
    ++FTickCount;
    int64_t period = now - FPeriodStartCounter;
    if (period < 1) period = 1;
    if (period >= FFrequency) {
        FFramesPerSecond = roundHalfEven(static_cast<double>(FTickCount) * static_cast<double>(FFrequency) /
                                         static_cast<double>(period));
        FTickCount = 0;
        FPeriodStartCounter = now;
    }
    if (OnTimer) OnTimer();
}

#pragma once
// The frame timer: no system timer and no thread. While it runs it is the
// application's idle handler and raises one tick whenever at least Interval
// milliseconds have passed since the last one. Late ticks are never caught up.
#include <cstdint>
#include <functional>

#include "platform/win32/application.h"

class TDTimer {
public:
    using NotifyEvent = std::function<void()>;

    explicit TDTimer(platform::Application& app);
    ~TDTimer();
    TDTimer(const TDTimer&) = delete;
    TDTimer& operator=(const TDTimer&) = delete;

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value);
    uint32_t Interval() const { return FInterval; }
    void SetInterval(uint32_t value);
    bool EnableHPTiming() const { return FEnableHPTiming; }
    void SetEnableHPTiming(bool value) { FEnableHPTiming = value; }

    NotifyEvent OnActivate;
    NotifyEvent OnDeactivate;
    NotifyEvent OnTimer;

    int FramesPerSecond() const { return FFramesPerSecond; }
    int DeltaTime() const { return FDeltaTime; }

    // Components placed on a form are created in the loading state and told
    // when the form has finished loading them.
    void BeginLoading() { FLoading = true; }
    void Loaded();

private:
    void Start();
    void Stop();
    void BeginTicking();
    void EndTicking();
    void Tick(bool& done);
    void TickLowResolution();
    void TickHighResolution();
    bool MainWindowHook(platform::Message& message);

    platform::Application& FApp;
    int FHookId = 0;
    bool FEnabled = true;
    uint32_t FInterval = 0;
    bool FEnableHPTiming = true;
    bool FLoading = false;
    bool FRunning = false;

    int FFramesPerSecond = 0;
    int FDeltaTime = 0;
    uint32_t FTickCount = 0;

    uint32_t FLastTickTime = 0;
    uint32_t FPeriodStartTime = 0;

    int64_t FFrequency = 0;
    bool FHasCounter = false;
    int64_t FHPInterval = 0;
    int64_t FLastTickCounter = 0;
    int64_t FPeriodStartCounter = 0;
};

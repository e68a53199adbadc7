#pragma once
// The input component of the main form: reads keyboard, mouse and every
// attached joystick once per frame and folds them into one set of input
// states. It reports levels (what is held now); users that want presses keep
// the previous frame's value themselves.
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "engine/input/dinput_binding.h"
#include "engine/input/input_states.h"
#include "engine/input/joystick.h"
#include "engine/input/keyboard.h"
#include "engine/input/mouse.h"
#include "platform/win32/application.h"
#include "platform/win32/dinput/dinput_runtime.h"

namespace engine::input {

class TDInputController {
public:
    using TNotifyEvent = std::function<void(TDInputController& Sender)>;

    // `AOwner`'s window receives the devices' foreground binding.
    // `HighestDirectInputVersion` is the newest DirectInput the machine
    // offers (0x0700, 0x0500, 0x0300, or 0 for none).
    explicit TDInputController(platform::Application& AOwner,
                               uint32_t HighestDirectInputVersion = di::DIRECTINPUT_VERSION_7);
    // Frees keyboard, mouse, joysticks and the DirectInput object, then fires OnDestroy.
    ~TDInputController();
    TDInputController(const TDInputController&) = delete;
    TDInputController& operator=(const TDInputController&) = delete;

    // End of the owner's set-up: initialises when AutoInitialize is on.
    void Loaded();
    // Picks the DirectInput generation and creates the enabled devices.
    // Raises "Error in: DInput<n> Create..." when DirectInput refuses.
    void Initialize();
    // Reads every device and rebuilds States. A pad plugged in or out since
    // the last read joins or leaves the joystick list here.
    void Poll();

    bool Initialized() const { return FInitialized; }
    int Version() const { return FVersion; }
    TDInput* DInput() const { return FDInput.get(); }
    TDKeyBoard* Keyboard() const { return FKeyboard.get(); }
    TDMouse* Mouse() const { return FMouse.get(); }
    const std::vector<std::unique_ptr<TDJoystick>>& Joysticks() const { return FJoysticks; }
    int JoystickCount() const { return static_cast<int>(FJoysticks.size()); }
    TDJoystick* FirstJoystick() const { return FJoysticks.empty() ? nullptr : FJoysticks.front().get(); }
    // Union of the enabled devices' states after the last Poll.
    const TInputStates& States() const { return FStates; }

    bool AutoInitialize = true;
    bool UseKeyboard = true;
    bool UseMouse = true;
    bool UseJoysticks = true;  // never with generation 1
    TNotifyEvent OnInitialize;
    TNotifyEvent OnDestroy;

private:
    void CreateKeyboard();
    void CreateMouse();
    void CreateJoysticks();
    // Brings the joystick list in line with the pads attached now, keeping
    // the ones still there with their settings.
    void RefreshJoysticks();
    bool JoystickPollingActive() const { return UseJoysticks && FVersion >= 2 && FDInput; }

    platform::Application& FOwner;
    di::Runtime FRuntime;
    bool FInitialized = false;
    int FVersion = -1;
    std::unique_ptr<TDInput> FDInput;
    std::unique_ptr<TDKeyBoard> FKeyboard;
    std::unique_ptr<TDMouse> FMouse;
    std::vector<std::unique_ptr<TDJoystick>> FJoysticks;
    // The pads attached when the list was last brought up to date, also
    // those whose device could not be opened, so they are not retried each frame.
    std::vector<di::GUID> FAttachedJoysticks;
    TInputStates FStates;
};

}  // namespace engine::input

#include "engine/input/input_controller.h"

#include <algorithm>

#include "platform/errors.h"

namespace engine::input {

TDInputController::TDInputController(platform::Application& AOwner, uint32_t HighestDirectInputVersion)
    : FOwner(AOwner), FRuntime(AOwner.backend(), HighestDirectInputVersion)
{
}

TDInputController::~TDInputController()
{
    FKeyboard.reset();
    FMouse.reset();
    FJoysticks.clear();
    FDInput.reset();
    if (OnDestroy) OnDestroy(*this);
}

void TDInputController::Loaded()
{
    if (AutoInitialize) Initialize();
}

void TDInputController::Initialize()
{
    FInitialized = false;
    // Devices of the previous DirectInput object go before it does.
    FKeyboard.reset();
    FMouse.reset();
    FJoysticks.clear();
    FAttachedJoysticks.clear();
    FDInput.reset();
    FVersion = DetectVersion(FRuntime);
    FDInput = CreateDInput(FRuntime, FVersion);
    if (UseKeyboard) CreateKeyboard();
    if (UseMouse) CreateMouse();
    if (UseJoysticks && FVersion > 1) CreateJoysticks();
    FInitialized = true;
    if (OnInitialize) OnInitialize(*this);
}

void TDInputController::CreateKeyboard()
{
    FKeyboard = std::make_unique<TDKeyBoard>(FDInput->CreateDevice(di::GUID_SysKeyboard));
    FKeyboard->Enabled = true;
    FKeyboard->SetDefaultKeyMap();
    TDInputDevice& device = *FKeyboard->Device;
    device.SetDataFormat(di::c_dfDIKeyboard);
    device.SetCooperativeLevel(&FOwner.backend().window(), di::DISCL_NONEXCLUSIVE | di::DISCL_FOREGROUND);
    device.Acquire();
}

void TDInputController::CreateMouse()
{
    FMouse = std::make_unique<TDMouse>(FDInput->CreateDevice(di::GUID_SysMouse));
    TDInputDevice& device = *FMouse->Device;
    device.SetDataFormat(di::c_dfDIMouse);
    device.SetCooperativeLevel(&FOwner.backend().window(), di::DISCL_NONEXCLUSIVE | di::DISCL_FOREGROUND);
    device.Acquire();
}

void TDInputController::CreateJoysticks()
{
    FJoysticks.clear();
    FAttachedJoysticks.clear();
    for (TJoystickInstance& found : FDInput->EnumJoysticks()) {
        FAttachedJoysticks.push_back(found.InstanceGuid);
        FJoysticks.push_back(
            std::make_unique<TDJoystick>(found.InstanceGuid, std::move(found.InstanceName), std::move(found.ProductName)));
    }
    for (auto& joystick : FJoysticks) joystick->Open(*FDInput, FOwner.backend().window());
}

void TDInputController::RefreshJoysticks()
{
    std::vector<std::unique_ptr<TDJoystick>> kept;
    FAttachedJoysticks.clear();
    for (TJoystickInstance& found : FDInput->EnumJoysticks()) {
        FAttachedJoysticks.push_back(found.InstanceGuid);
        const auto old = std::find_if(FJoysticks.begin(), FJoysticks.end(), [&](const auto& j) {
            return j && j->InstanceGuid == found.InstanceGuid;
        });
        if (old != FJoysticks.end()) {
            kept.push_back(std::move(*old));
            continue;
        }
        auto joystick =
            std::make_unique<TDJoystick>(found.InstanceGuid, std::move(found.InstanceName), std::move(found.ProductName));
        // A pad that cannot be opened in the middle of play is left out rather
        // than stopping the game; the next change or Initialize tries again.
        try {
            joystick->Open(*FDInput, FOwner.backend().window());
            kept.push_back(std::move(joystick));
        } catch (const platform::Exception&) {
        }
    }
    FJoysticks = std::move(kept);
}

void TDInputController::Poll()
{
    FStates.Clear();
    if (UseKeyboard && FKeyboard) {
        FKeyboard->Poll();
        if (FKeyboard->Enabled) FStates += FKeyboard->States;
    }
    if (UseMouse && FMouse) {
        FMouse->Poll();
        if (FMouse->Enabled) FStates += FMouse->States;
    }
    if (JoystickPollingActive()) {
        if (!FRuntime.joysticksAre(FAttachedJoysticks)) RefreshJoysticks();
        for (auto& joystick : FJoysticks) {
            joystick->Poll();
            if (joystick->Enabled) FStates += joystick->States;
        }
    }
}

}  // namespace engine::input

#pragma once
// The DirectInput library as the game loads it: its create functions, over
// the backend's keyboard, mouse and joysticks. A runtime can be told to be an
// older one (or missing) so every generation the game handles can be run.
#include <cstdint>
#include <memory>
#include <span>

#include "platform/backends/backend.h"
#include "platform/win32/dinput/dinput_interfaces.h"

namespace platform::dinput {

class Runtime {
public:
    // `highestVersion`: the newest DirectInput version the machine offers
    // (0x0700, 0x0500 or 0x0300); 0 stands for a machine without DirectInput.
    explicit Runtime(Backend& backend, uint32_t highestVersion = DIRECTINPUT_VERSION_7);

    uint32_t highestVersion() const { return highestVersion_; }

    HRESULT DirectInputCreateA(uint32_t version, std::shared_ptr<IDirectInputA>& out);
    HRESULT DirectInputCreateEx(uint32_t version, const GUID& iid, std::shared_ptr<Unknown>& out);

    // Not DirectInput's: whether the attached joysticks are exactly those
    // `known` instance GUIDs, in any order. Lets a caller notice a pad plugged
    // in or out without enumerating (and allocating) every frame.
    bool joysticksAre(std::span<const GUID> known) const;

private:
    HRESULT checkVersion(uint32_t version) const;

    Backend& backend_;
    uint32_t highestVersion_;
};

}  // namespace platform::dinput

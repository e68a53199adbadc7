#include "engine/input/keyboard.h"

#include "platform/backends/keycodes.h"

namespace engine::input {

void TDKeyBoard::SetDefaultKeyMap()
{
    namespace dik = platform::dik;
    KeyMap = {};
    KeyMap[stUp][0] = dik::Up;
    KeyMap[stDown][0] = dik::Down;
    KeyMap[stLeft][0] = dik::Left;
    KeyMap[stRight][0] = dik::Right;
    KeyMap[stButton1][0] = dik::Space;
    KeyMap[stButton2][0] = dik::Return;
}

bool TDKeyBoard::KeyDown(int Code) const
{
    if (Code < 0 || Code > 255) return false;
    return (Keys[static_cast<std::size_t>(Code)] & 0x80) != 0;
}

void TDKeyBoard::Poll()
{
    Keys.fill(0);
    States.Clear();
    if (Device) ReadDeviceState(*Device, static_cast<uint32_t>(Keys.size()), Keys.data());
    for (int state = 0; state < kInputStateCount; ++state) {
        for (const int32_t code : KeyMap[static_cast<std::size_t>(state)]) {
            if (KeyDown(code)) {
                States.Include(static_cast<TInputState>(state));
                break;
            }
        }
    }
}

}  // namespace engine::input

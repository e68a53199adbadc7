#pragma once
// Keyboard scan codes to characters for typing into edit boxes: a US layout
// with Shift and Alt variants, read from the keyboard state rather than from
// character messages so typing works the same on every backend.
#include <cstdint>

class TFXInput;

namespace editkeys {

inline constexpr int Backspace = 14;
inline constexpr int Return = 28;

// The character a key types; keys without a character type a space.
uint8_t Translate(int keyCode, bool shift, bool alt);

// The first held key that is not a modifier or an arrow, or -1.
int PressedKey(const TFXInput& input);
bool ShiftHeld(const TFXInput& input);
bool AltHeld(const TFXInput& input);

}  // namespace editkeys

#include "gui/edit_keys.h"

#include "gui/gui_ports.h"

namespace editkeys {

namespace {

char Unshifted(int code) {
    if (code >= 2 && code <= 10) return static_cast<char>('1' + code - 2);
    if (code == 11) return '0';
    if (code == 12) return '-';
    if (code >= 16 && code <= 25) return "qwertyuiop"[code - 16];
    if (code >= 30 && code <= 38) return "asdfghjkl"[code - 30];
    if (code >= 44 && code <= 50) return "zxcvbnm"[code - 44];
    return ' ';
}

bool IsModifierOrArrow(int code) {
    switch (code) {
        case 42: case 54:                      // Shift
        case 56: case 184:                     // Alt
        case 200: case 203: case 205: case 208:  // arrows
            return true;
        default:
            return false;
    }
}

}  // namespace

uint8_t Translate(int keyCode, bool shift, bool alt) {
    uint8_t c = static_cast<uint8_t>(Unshifted(keyCode));
    if (shift) {
        if (c >= 'a' && c <= 'z') c = static_cast<uint8_t>(c - 32);
        else if (c == '-') c = '_';
    }
    if (alt) {
        // Code-page accents: è à é ö.
        switch (c) {
            case 'E': c = 232; break;
            case 'a': c = 224; break;
            case 'e': c = 233; break;
            case 'o': c = 246; break;
            default: break;
        }
    }
    return c;
}

int PressedKey(const TFXInput& input) {
    for (int code = 0; code <= 255; ++code)
        if (!IsModifierOrArrow(code) && input.KeyDown(code)) return code;
    return -1;
}

bool ShiftHeld(const TFXInput& input) { return input.KeyDown(42) || input.KeyDown(54); }
bool AltHeld(const TFXInput& input) { return input.KeyDown(56) || input.KeyDown(184); }

}  // namespace editkeys

#include "platform/backends/sdl2/sdl_scancodes.h"

#include <SDL.h>

#include <array>

#include "platform/backends/keycodes.h"

namespace platform {
namespace {

constexpr std::array<uint8_t, SDL_NUM_SCANCODES> buildTable()
{
    std::array<uint8_t, SDL_NUM_SCANCODES> t{};
    using namespace dik;
    const uint8_t letters[] = {A, B, C, D, E, F, G, H, I, J, K, L, M, N, O, P, Q, R, S, T, U, V, W, X, Y, Z};
    for (int i = 0; i < 26; ++i) t[SDL_SCANCODE_A + i] = letters[i];
    const uint8_t digits[] = {Key1, Key2, Key3, Key4, Key5, Key6, Key7, Key8, Key9, Key0};
    for (int i = 0; i < 10; ++i) t[SDL_SCANCODE_1 + i] = digits[i];
    const uint8_t functions[] = {F1, F2, F3, F4, F5, F6, F7, F8, F9, F10, F11, F12};
    for (int i = 0; i < 12; ++i) t[SDL_SCANCODE_F1 + i] = functions[i];
    t[SDL_SCANCODE_F13] = F13; t[SDL_SCANCODE_F14] = F14; t[SDL_SCANCODE_F15] = F15;
    const uint8_t pad[] = {Numpad1, Numpad2, Numpad3, Numpad4, Numpad5, Numpad6, Numpad7, Numpad8, Numpad9, Numpad0};
    for (int i = 0; i < 10; ++i) t[SDL_SCANCODE_KP_1 + i] = pad[i];
    t[SDL_SCANCODE_RETURN] = Return;        t[SDL_SCANCODE_ESCAPE] = Escape;
    t[SDL_SCANCODE_BACKSPACE] = Back;       t[SDL_SCANCODE_TAB] = Tab;
    t[SDL_SCANCODE_SPACE] = Space;          t[SDL_SCANCODE_MINUS] = Minus;
    t[SDL_SCANCODE_EQUALS] = Equals;        t[SDL_SCANCODE_LEFTBRACKET] = LBracket;
    t[SDL_SCANCODE_RIGHTBRACKET] = RBracket; t[SDL_SCANCODE_BACKSLASH] = Backslash;
    t[SDL_SCANCODE_NONUSHASH] = Backslash;  t[SDL_SCANCODE_SEMICOLON] = Semicolon;
    t[SDL_SCANCODE_APOSTROPHE] = Apostrophe; t[SDL_SCANCODE_GRAVE] = Grave;
    t[SDL_SCANCODE_COMMA] = Comma;          t[SDL_SCANCODE_PERIOD] = Period;
    t[SDL_SCANCODE_SLASH] = Slash;          t[SDL_SCANCODE_CAPSLOCK] = Capital;
    t[SDL_SCANCODE_PRINTSCREEN] = SysRq;    t[SDL_SCANCODE_SCROLLLOCK] = Scroll;
    t[SDL_SCANCODE_PAUSE] = Pause;          t[SDL_SCANCODE_INSERT] = Insert;
    t[SDL_SCANCODE_HOME] = Home;            t[SDL_SCANCODE_PAGEUP] = Prior;
    t[SDL_SCANCODE_DELETE] = Delete;        t[SDL_SCANCODE_END] = End;
    t[SDL_SCANCODE_PAGEDOWN] = Next;        t[SDL_SCANCODE_RIGHT] = Right;
    t[SDL_SCANCODE_LEFT] = Left;            t[SDL_SCANCODE_DOWN] = Down;
    t[SDL_SCANCODE_UP] = Up;                t[SDL_SCANCODE_NUMLOCKCLEAR] = NumLock;
    t[SDL_SCANCODE_KP_DIVIDE] = Divide;     t[SDL_SCANCODE_KP_MULTIPLY] = Multiply;
    t[SDL_SCANCODE_KP_MINUS] = Subtract;    t[SDL_SCANCODE_KP_PLUS] = Add;
    t[SDL_SCANCODE_KP_ENTER] = NumpadEnter; t[SDL_SCANCODE_KP_PERIOD] = Decimal;
    t[SDL_SCANCODE_KP_EQUALS] = NumpadEquals; t[SDL_SCANCODE_KP_COMMA] = NumpadComma;
    t[SDL_SCANCODE_NONUSBACKSLASH] = Oem102; t[SDL_SCANCODE_APPLICATION] = Apps;
    t[SDL_SCANCODE_LCTRL] = LControl;       t[SDL_SCANCODE_LSHIFT] = LShift;
    t[SDL_SCANCODE_LALT] = LMenu;           t[SDL_SCANCODE_LGUI] = LWin;
    t[SDL_SCANCODE_RCTRL] = RControl;       t[SDL_SCANCODE_RSHIFT] = RShift;
    t[SDL_SCANCODE_RALT] = RMenu;           t[SDL_SCANCODE_RGUI] = RWin;
    // Keys of international and multimedia keyboards.
    t[SDL_SCANCODE_INTERNATIONAL1] = 0x73;  // ABNT C1 / Ro
    t[SDL_SCANCODE_INTERNATIONAL2] = 0x70;  // Kana
    t[SDL_SCANCODE_INTERNATIONAL3] = 0x7D;  // Yen
    t[SDL_SCANCODE_INTERNATIONAL4] = 0x79;  // Convert
    t[SDL_SCANCODE_INTERNATIONAL5] = 0x7B;  // No convert
    t[SDL_SCANCODE_STOP] = 0x95;
    t[SDL_SCANCODE_MUTE] = 0xA0;            t[SDL_SCANCODE_AUDIOMUTE] = 0xA0;
    t[SDL_SCANCODE_VOLUMEDOWN] = 0xAE;      t[SDL_SCANCODE_VOLUMEUP] = 0xB0;
    t[SDL_SCANCODE_AUDIOPREV] = 0x90;       t[SDL_SCANCODE_AUDIONEXT] = 0x99;
    t[SDL_SCANCODE_AUDIOPLAY] = 0xA2;       t[SDL_SCANCODE_AUDIOSTOP] = 0xA4;
    t[SDL_SCANCODE_CALCULATOR] = 0xA1;      t[SDL_SCANCODE_AC_HOME] = 0xB2;
    t[SDL_SCANCODE_POWER] = 0xDE;           t[SDL_SCANCODE_SLEEP] = 0xDF;
    t[SDL_SCANCODE_AC_SEARCH] = 0xE5;       t[SDL_SCANCODE_AC_BOOKMARKS] = 0xE6;
    t[SDL_SCANCODE_AC_REFRESH] = 0xE7;      t[SDL_SCANCODE_AC_STOP] = 0xE8;
    t[SDL_SCANCODE_AC_FORWARD] = 0xE9;      t[SDL_SCANCODE_AC_BACK] = 0xEA;
    t[SDL_SCANCODE_COMPUTER] = 0xEB;        t[SDL_SCANCODE_MAIL] = 0xEC;
    t[SDL_SCANCODE_MEDIASELECT] = 0xED;
    return t;
}

constexpr auto kScanCodes = buildTable();

}  // namespace

uint8_t dikFromSdlScancode(int scancode)
{
    if (scancode < 0 || scancode >= SDL_NUM_SCANCODES) return 0;
    return kScanCodes[static_cast<std::size_t>(scancode)];
}

}  // namespace platform

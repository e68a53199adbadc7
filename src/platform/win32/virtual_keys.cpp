#include "platform/win32/virtual_keys.h"

#include "platform/backends/keycodes.h"

#include <array>

#include "platform/win32/messages.h"

namespace platform {
namespace {

constexpr std::array<uint8_t, 256> buildTable()
{
    std::array<uint8_t, 256> t{};
    using namespace dik;
    t[Escape] = vk::Escape;
    const uint8_t digits[] = {Key0, Key1, Key2, Key3, Key4, Key5, Key6, Key7, Key8, Key9};
    for (int i = 0; i < 10; ++i) t[digits[i]] = static_cast<uint8_t>('0' + i);
    const uint8_t letters[] = {A, B, C, D, E, F, G, H, I, J, K, L, M, N, O, P, Q, R, S, T, U, V, W, X, Y, Z};
    for (int i = 0; i < 26; ++i) t[letters[i]] = static_cast<uint8_t>('A' + i);
    const uint8_t functions[] = {F1, F2, F3, F4, F5, F6, F7, F8, F9, F10, F11, F12, F13, F14, F15};
    for (int i = 0; i < 15; ++i) t[functions[i]] = static_cast<uint8_t>(vk::F1 + i);
    const uint8_t pad[] = {Numpad0, Numpad1, Numpad2, Numpad3, Numpad4,
                           Numpad5, Numpad6, Numpad7, Numpad8, Numpad9};
    for (int i = 0; i < 10; ++i) t[pad[i]] = static_cast<uint8_t>(vk::Numpad0 + i);
    t[Minus] = vk::OemMinus;   t[Equals] = vk::OemPlus;     t[Back] = vk::Back;
    t[Tab] = vk::Tab;          t[LBracket] = vk::Oem4;      t[RBracket] = vk::Oem6;
    t[Return] = vk::Return;    t[NumpadEnter] = vk::Return; t[LControl] = vk::Control;
    t[RControl] = vk::Control; t[Semicolon] = vk::Oem1;     t[Apostrophe] = vk::Oem7;
    t[Grave] = vk::Oem3;       t[LShift] = vk::Shift;       t[RShift] = vk::Shift;
    t[Backslash] = vk::Oem5;   t[Comma] = vk::OemComma;     t[Period] = vk::OemPeriod;
    t[Slash] = vk::Oem2;       t[Multiply] = vk::Multiply;  t[LMenu] = vk::Menu;
    t[RMenu] = vk::Menu;       t[Space] = vk::Space;        t[Capital] = vk::Capital;
    t[NumLock] = vk::NumLock;  t[Scroll] = vk::Scroll;      t[Subtract] = vk::Subtract;
    t[Add] = vk::Add;          t[Decimal] = vk::Decimal;    t[Oem102] = vk::Oem102;
    t[Divide] = vk::Divide;    t[Pause] = vk::Pause;        t[Home] = vk::Home;
    t[Up] = vk::Up;            t[Prior] = vk::Prior;        t[Left] = vk::Left;
    t[Right] = vk::Right;      t[End] = vk::End;            t[Down] = vk::Down;
    t[Next] = vk::Next;        t[Insert] = vk::Insert;      t[Delete] = vk::Delete;
    t[LWin] = vk::LWin;        t[RWin] = vk::RWin;          t[Apps] = vk::Apps;
    return t;
}

constexpr auto kVirtualKeys = buildTable();

}  // namespace

int dikToVirtualKey(uint8_t scanCode) { return kVirtualKeys[scanCode]; }

}  // namespace platform

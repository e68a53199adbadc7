// The scancode table against the DirectInput codes the game and its edit
// box rely on. SDL scancodes are USB HID keyboard usages, so they are
// written here as those numbers.
#include <gtest/gtest.h>

#include "platform/backends/keycodes.h"
#include "platform/backends/sdl2/sdl_scancodes.h"

namespace dik = platform::dik;

TEST(SdlScancodes, GameKeysMapToTheirDirectInputCodes)
{
    using platform::dikFromSdlScancode;
    EXPECT_EQ(dikFromSdlScancode(41), 1);     // Escape
    EXPECT_EQ(dikFromSdlScancode(58), 59);    // F1
    EXPECT_EQ(dikFromSdlScancode(59), 60);    // F2
    EXPECT_EQ(dikFromSdlScancode(22), 31);    // S
    EXPECT_EQ(dikFromSdlScancode(29), 44);    // Z
    EXPECT_EQ(dikFromSdlScancode(27), 45);    // X
    EXPECT_EQ(dikFromSdlScancode(40), 28);    // Return
    EXPECT_EQ(dikFromSdlScancode(44), 57);    // Space
    EXPECT_EQ(dikFromSdlScancode(42), 14);    // Backspace
    EXPECT_EQ(dikFromSdlScancode(82), 200);   // Up
    EXPECT_EQ(dikFromSdlScancode(80), 203);   // Left
    EXPECT_EQ(dikFromSdlScancode(79), 205);   // Right
    EXPECT_EQ(dikFromSdlScancode(81), 208);   // Down
    EXPECT_EQ(dikFromSdlScancode(225), 42);   // Left Shift
    EXPECT_EQ(dikFromSdlScancode(229), 54);   // Right Shift
    EXPECT_EQ(dikFromSdlScancode(226), 56);   // Left Alt
    EXPECT_EQ(dikFromSdlScancode(230), 184);  // Right Alt
    EXPECT_EQ(dikFromSdlScancode(45), 12);    // the hyphen key
    EXPECT_EQ(dikFromSdlScancode(55), 52);    // full stop
    EXPECT_EQ(dikFromSdlScancode(43), 15);    // Tab
    EXPECT_EQ(dikFromSdlScancode(88), dik::NumpadEnter);
    EXPECT_EQ(dikFromSdlScancode(74), dik::Home);
}

TEST(SdlScancodes, LettersAndDigitsFollowTheKeyboardRows)
{
    const uint8_t letters[] = {dik::A, dik::B, dik::C, dik::D, dik::E, dik::F, dik::G, dik::H, dik::I,
                               dik::J, dik::K, dik::L, dik::M, dik::N, dik::O, dik::P, dik::Q, dik::R,
                               dik::S, dik::T, dik::U, dik::V, dik::W, dik::X, dik::Y, dik::Z};
    for (int i = 0; i < 26; ++i) EXPECT_EQ(platform::dikFromSdlScancode(4 + i), letters[i]) << char('A' + i);
    // 1..9 then 0, on both sides: the top row is 2..11 in DirectInput.
    for (int i = 0; i < 10; ++i) EXPECT_EQ(platform::dikFromSdlScancode(30 + i), 2 + i) << i;
    EXPECT_EQ(dik::Q, 16);
    EXPECT_EQ(dik::A, 30);
    EXPECT_EQ(dik::M, 50);
}

TEST(SdlScancodes, UnknownAndOutOfRangeCodesGiveNoKey)
{
    EXPECT_EQ(platform::dikFromSdlScancode(0), 0);
    EXPECT_EQ(platform::dikFromSdlScancode(-1), 0);
    EXPECT_EQ(platform::dikFromSdlScancode(100000), 0);
}

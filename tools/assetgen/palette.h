#pragma once
// The one palette every picture of the game is drawn from, so the factory,
// its people and its products look like one world.

namespace assetgen {

struct Color {
  double r = 0, g = 0, b = 0;
};

constexpr Color hex(unsigned v) {
  return Color{((v >> 16) & 0xFF) / 255.0, ((v >> 8) & 0xFF) / 255.0, (v & 0xFF) / 255.0};
}

constexpr Color mix(Color a, Color b, double t) {
  return Color{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
constexpr Color lighter(Color c, double t) { return mix(c, Color{1, 1, 1}, t); }
constexpr Color darker(Color c, double t) { return mix(c, Color{0, 0, 0}, t); }

namespace pal {
// Lines and shadows: a warm near-black rather than pure black keeps it soft.
inline constexpr Color ink = hex(0x2A1E2E);
inline constexpr Color white = hex(0xFFFDF6);
inline constexpr Color shadow = hex(0x3B2F45);

// People.
inline constexpr Color skin = hex(0xF6C79A);
inline constexpr Color skin_shade = hex(0xD9986A);
inline constexpr Color hair_brown = hex(0x6B4226);
inline constexpr Color hair_grey = hex(0xB8B4C2);
inline constexpr Color overall_blue = hex(0x3C7DD9);
inline constexpr Color cap_orange = hex(0xF28C28);
inline constexpr Color suit_grey = hex(0x55607A);
inline constexpr Color tie_red = hex(0xD8413A);
inline constexpr Color boot_brown = hex(0x5A3A22);
inline constexpr Color eye = hex(0x2A1E2E);

// Factory.
inline constexpr Color wall = hex(0xE8D9B5);
inline constexpr Color wall_shade = hex(0xCDB98F);
inline constexpr Color brick = hex(0xC8734B);
inline constexpr Color floor_tile = hex(0x8C8FA3);
inline constexpr Color floor_dark = hex(0x6C6F86);
inline constexpr Color steel = hex(0x9AA7B8);
inline constexpr Color steel_dark = hex(0x5E6B7D);
// The face of the menu panel; menu buttons sit on plates of the same colour
// because the menus fill each button's whole rectangle before drawing it.
inline constexpr Color panel = lighter(steel, 0.25);
inline constexpr Color belt = hex(0x3A3A48);
inline constexpr Color hazard_yellow = hex(0xF7C531);
inline constexpr Color wood = hex(0xB97A45);
inline constexpr Color wood_dark = hex(0x8A5630);
inline constexpr Color machine_green = hex(0x4FA36B);
inline constexpr Color sky = hex(0x8FD0F2);
inline constexpr Color glass = hex(0xBFE6F7);

// Signals.
inline constexpr Color go_green = hex(0x4CD964);
inline constexpr Color stop_red = hex(0xF0453A);
inline constexpr Color lamp_off = hex(0x6A6F7E);

// Food and toys.
inline constexpr Color bun = hex(0xE9A348);
inline constexpr Color beef = hex(0x7A3F22);
inline constexpr Color onion = hex(0xF2E6F0);
inline constexpr Color lettuce = hex(0x7CC84A);
inline constexpr Color tomato = hex(0xE0402E);
inline constexpr Color cheese = hex(0xF9D55B);
inline constexpr Color dough = hex(0xF0C27A);
inline constexpr Color cream = hex(0xFFF3DC);
inline constexpr Color berry = hex(0xC8264A);
inline constexpr Color chocolate = hex(0x7B4A2C);
inline constexpr Color strawberry = hex(0xF28AB0);
inline constexpr Color mint = hex(0x9BE3C0);
inline constexpr Color vanilla = hex(0xFCEBB6);
inline constexpr Color orange = hex(0xF7931E);
inline constexpr Color apple = hex(0xD93A2F);
inline constexpr Color banana = hex(0xF7DC4A);
inline constexpr Color grape = hex(0x7B4BA8);
inline constexpr Color leaf = hex(0x5BAA3C);
inline constexpr Color toy_red = hex(0xE54B4B);
inline constexpr Color toy_blue = hex(0x3E8EDE);
inline constexpr Color toy_yellow = hex(0xF9C80E);
inline constexpr Color toy_green = hex(0x5CC05C);
inline constexpr Color bear_fur = hex(0xB5793F);
inline constexpr Color bear_light = hex(0xE8BE8A);
inline constexpr Color tyre = hex(0x33303A);
inline constexpr Color basket_orange = hex(0xE8792B);
inline constexpr Color bottle_glass = hex(0x8FD3C9);
inline constexpr Color juice = hex(0xF59A3C);
inline constexpr Color rocket_red = hex(0xE8413C);
inline constexpr Color rocket_yellow = hex(0xF7D046);
inline constexpr Color rocket_green = hex(0x59C35A);
inline constexpr Color cone = hex(0xDDA15E);
inline constexpr Color cardboard = hex(0xC9A06B);
}  // namespace pal

}  // namespace assetgen

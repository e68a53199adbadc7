// Full pictures: the title, the menu background and the help page.

#include "art.h"
#include "canvas.h"
#include "draw.h"
#include "shapes.h"

#include <array>
#include <string>
#include <string_view>

namespace assetgen::art {

namespace {

void paint_gradient(cairo_t* cr, double x, double y, double w, double h, Color top, Color bottom) {
  PatternPtr g(cairo_pattern_create_linear(0, y, 0, y + h));
  cairo_pattern_add_color_stop_rgb(g.get(), 0, top.r, top.g, top.b);
  cairo_pattern_add_color_stop_rgb(g.get(), 1, bottom.r, bottom.g, bottom.b);
  cairo_rectangle(cr, x, y, w, h);
  cairo_set_source(cr, g.get());
  cairo_fill(cr);
}

void text_left(cairo_t* cr, std::string_view text, double x, double baseline, double size, Color color) {
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, size);
  const std::string s(text);
  cairo_move_to(cr, x, baseline);
  set_color(cr, color);
  cairo_show_text(cr, s.c_str());
}

// Draws another picture's pattern into this one, scaled, with its top-left at (x, y).
void stamp(cairo_t* cr, Painter paint, int pattern, double w, double h, double x, double y, double scale) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, scale, scale);
  cairo_rectangle(cr, 0, 0, w, h);
  cairo_clip(cr);
  cairo_new_path(cr);
  paint(Cell{cr, pattern, w, h});
  cairo_restore(cr);
}

// The worker waving and the chief giving his thumbs up, built from their
// own sprite strips so the title shows the same people as the game.
void stamp_worker(cairo_t* cr, double x, double y, double scale) {
  auto at = [&](Painter p, int pattern, double w, double h, double dx, double dy) {
    stamp(cr, p, pattern, w, h, x + dx * scale, y + dy * scale, scale);
  };
  at(worker_body, 0, 70, 99, 0, 75);
  at(worker_head, 5, 70, 80, 0, 0);
  at(worker_arms, 2, 180, 80, -62, 52);
}

void factory_building(cairo_t* cr, double x, double ground, double w, double h, Color body) {
  // Saw-tooth roof, chimneys and windows.
  cairo_new_path(cr);
  cairo_move_to(cr, x, ground);
  cairo_line_to(cr, x, ground - h);
  const int teeth = 4;
  for (int i = 0; i < teeth; ++i) {
    const double x0 = x + w * i / teeth;
    cairo_line_to(cr, x0 + w / teeth, ground - h - 40);
    cairo_line_to(cr, x0 + w / teeth, ground - h);
  }
  cairo_line_to(cr, x + w, ground);
  cairo_close_path(cr);
  ink_fill(cr, body, 3);
  for (int i = 0; i < teeth; ++i) {
    const double x0 = x + w * i / teeth;
    cairo_new_path(cr);
    cairo_move_to(cr, x0 + w / teeth - 6, ground - h - 32);
    cairo_line_to(cr, x0 + w / teeth - 6, ground - h - 4);
    cairo_line_to(cr, x0 + 14, ground - h - 4);
    cairo_close_path(cr);
    flat_fill(cr, pal::glass, 2);
  }
  for (double wx = x + 20; wx + 30 < x + w; wx += 50) {
    rounded_rect(cr, wx, ground - h + 30, 30, 36, 4);
    ink_fill(cr, pal::hazard_yellow, 2);
    line(cr, wx + 15, ground - h + 30, wx + 15, ground - h + 66, pal::ink, 2);
  }
}

void title_logo(cairo_t* cr, double cx, double baseline) {
  // "Brindlecog" with a deep outline, a drop shadow and a warm gradient.
  const std::string text = "Brindlecog";
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, 96);
  cairo_text_extents_t ext;
  cairo_text_extents(cr, text.c_str(), &ext);
  const double x = cx - ext.width / 2 - ext.x_bearing;
  cairo_new_path(cr);
  cairo_move_to(cr, x + 6, baseline + 7);
  cairo_text_path(cr, text.c_str());
  set_color(cr, pal::shadow, 0.7);
  cairo_fill(cr);
  cairo_new_path(cr);
  cairo_move_to(cr, x, baseline);
  cairo_text_path(cr, text.c_str());
  set_color(cr, pal::ink);
  cairo_set_line_width(cr, 10);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke_preserve(cr);
  PatternPtr g(cairo_pattern_create_linear(0, baseline - 72, 0, baseline));
  const Color a = hex(0xFFF27A), b = hex(0xF28C28);
  cairo_pattern_add_color_stop_rgb(g.get(), 0, a.r, a.g, a.b);
  cairo_pattern_add_color_stop_rgb(g.get(), 1, b.r, b.g, b.b);
  cairo_set_source(cr, g.get());
  cairo_fill(cr);
}

}  // namespace

void title_screen(const Cell& c) {
  cairo_t* cr = c.cr;
  paint_gradient(cr, 0, 0, c.w, 420, hex(0x5DB7EA), hex(0xCDEFFB));
  // Sun and clouds.
  ball(cr, 680, 90, 46, pal::hazard_yellow, 3);
  for (const auto& [x, y] : std::array<Point, 3>{{{120, 80}, {420, 50}, {560, 150}}}) {
    ellipse(cr, x, y, 60, 20);
    ellipse(cr, x + 25, y - 14, 32, 20);
    ellipse(cr, x - 22, y - 8, 26, 16);
    set_color(cr, pal::white, 0.95);
    cairo_fill(cr);
  }
  // Hills and the factory.
  paint_gradient(cr, 0, 400, c.w, 200, hex(0x7CC84A), hex(0x4E9A35));
  factory_building(cr, 40, 430, 300, 150, pal::brick);
  factory_building(cr, 460, 430, 300, 120, pal::wall_shade);
  for (const auto& [x, top] : std::array<Point, 3>{{{90, 190}, {270, 170}, {700, 230}}}) {
    rounded_rect(cr, x, top, 28, 430 - top, 3);
    ink_fill(cr, pal::steel, 3);
    rounded_rect(cr, x - 3, top, 34, 12, 3);
    ink_fill(cr, pal::toy_red, 2.5);
    for (int i = 0; i < 3; ++i) {
      ellipse(cr, x + 14 + i * 16, top - 20 - i * 22, 16 + i * 4, 11 + i * 3);
      set_color(cr, pal::white, 0.85);
      cairo_fill(cr);
    }
  }
  gear(cr, 390, 380, 60, 14, pal::hazard_yellow, 3);
  gear(cr, 470, 420, 36, 10, pal::machine_green, 3);
  stamp_worker(cr, 120, 300, 1.0);
  stamp(cr, chief, 7, 100, 300, 600, 268, 0.78);
  // A conveyor across the front with finished products on it.
  rounded_rect(cr, -10, 470, c.w + 20, 26, 13);
  ink_fill(cr, pal::belt, 3);
  rounded_rect(cr, -10, 494, c.w + 20, 40, 8);
  ink_fill(cr, pal::steel, 3);
  hazard_stripes(cr, 0, 520, c.w, 10, 24);
  for (double x = 30; x < c.w; x += 70) ball(cr, x, 508, 9, pal::steel_dark, 2);
  stamp(cr, hamburger, 4, 40, 40, 40, 398, 1.8);
  stamp(cr, car, 1, 92, 40, 150, 418, 1.2);
  stamp(cr, icesorbet, 4, 90, 90, 290, 380, 1.0);
  stamp(cr, bear, 3, 50, 60, 410, 396, 1.25);
  stamp(cr, boat, 1, 84, 40, 500, 420, 1.2);
  stamp(cr, beachball, 2, 70, 70, 620, 400, 1.0);
  stamp(cr, drinkbottle, 4, 40, 50, 720, 410, 1.2);
  paint_gradient(cr, 0, 534, c.w, 66, hex(0x6C6F86), hex(0x4A4C60));
  // The name, with a banner under it.
  title_logo(cr, 400, 250);
  rounded_rect(cr, 220, 276, 360, 40, 12);
  ink_fill(cr, pal::toy_blue, 3);
  text_centered(cr, "the assembly line game", 400, 304, 22, pal::white, pal::ink, 1.5);
}

void menu_background(const Cell& c) {
  cairo_t* cr = c.cr;
  // Blueprint paper with faint gears, so the menu panel stands out.
  paint_gradient(cr, 0, 0, c.w, c.h, hex(0x2F6DB5), hex(0x1D4780));
  set_color(cr, pal::white, 0.12);
  cairo_set_line_width(cr, 1);
  for (double x = 0.5; x < c.w; x += 25) {
    cairo_move_to(cr, x, 0);
    cairo_line_to(cr, x, c.h);
  }
  for (double y = 0.5; y < c.h; y += 25) {
    cairo_move_to(cr, 0, y);
    cairo_line_to(cr, c.w, y);
  }
  cairo_stroke(cr);
  cairo_push_group(cr);
  gear(cr, 90, 480, 110, 16, pal::white, 4);
  gear(cr, 700, 120, 90, 14, pal::white, 4);
  gear(cr, 730, 500, 60, 11, pal::white, 4);
  gear(cr, 120, 120, 50, 10, pal::white, 4);
  cairo_pop_group_to_source(cr);
  cairo_paint_with_alpha(cr, 0.18);
  // Products drifting round the panel edges.
  stamp(cr, hamburger, 4, 40, 40, 60, 280, 1.6);
  stamp(cr, icerocket, 3, 40, 90, 660, 250, 1.0);
  stamp(cr, tractor, 2, 90, 50, 40, 520, 1.0);
  stamp(cr, cake, 3, 92, 60, 640, 520, 0.9);
  stamp(cr, fruitpack, 4, 100, 40, 650, 400, 1.0);
  stamp(cr, soccerball, 2, 59, 58, 80, 380, 0.9);
}

namespace {

struct HelpItem {
  std::string_view first, second;
  Painter icon;
  int pattern;
  double w, h, scale;
};

// A clipboard sheet. In the menu the page title and the "Main Menu" button
// are drawn before and after it; during play it stands alone, so it carries
// its own heading and keeps its bottom strip free for the button. The first
// three items say what the hands do, which differs between mouse and touch.
void help_sheet(const Cell& c, const std::array<std::string_view, 2>& actions,
                const std::array<std::string_view, 2>& putBack) {
  cairo_t* cr = c.cr;
  rounded_rect(cr, 4, 8, c.w - 8, c.h - 12, 18);
  ink_fill(cr, pal::wood, 3);
  rounded_rect(cr, 20, 24, c.w - 40, c.h - 44, 8);
  ink_fill(cr, pal::white, 2);
  rounded_rect(cr, c.w / 2 - 60, 2, 120, 30, 8);
  ink_fill(cr, pal::steel, 2.5);
  rounded_rect(cr, 60, 40, c.w - 120, 46, 10);
  ink_fill(cr, pal::toy_blue, 2.5);
  text_centered(cr, "How to work the line", c.w / 2, 72, 24, pal::hazard_yellow, pal::ink, 2);

  const Color text = pal::ink;
  const std::array<HelpItem, 6> items{{
      {actions[0], "John fetches a part or a tool.", pile_part, 0, 40, 20, 1.0},
      {actions[1], "he fits the part or uses the tool.", hamburger, 2, 40, 40, 1.0},
      {putBack[0], putBack[1], worker_head, 0, 70, 80, 0.5},
      {"Fit the parts in their order:", "the flashing hint shows it.", hint_product, 2, 40, 40, 1.0},
      {"Finished products light the", "green lamp and earn points.", lights, 1, 80, 110, 0.36},
      {"Mind the grabber's ball:", "it changes the line speed!", dropball, 2, 40, 40, 1.0},
  }};
  double y = 100;
  for (const HelpItem& item : items) {
    rounded_rect(cr, 36, y, 56, 48, 8);
    ink_fill(cr, lighter(pal::sky, 0.5), 1.5);
    stamp(cr, item.icon, item.pattern, item.w, item.h, 64 - item.w * item.scale / 2, y + 24 - item.h * item.scale / 2, item.scale);
    text_left(cr, item.first, 106, y + 20, 16, text);
    text_left(cr, item.second, 106, y + 41, 16, darker(pal::toy_blue, 0.3));
    y += 58;
  }
}

// The plate the menu's "Main Menu" button sits on.
void button_plate(cairo_t* cr) {
  rounded_rect(cr, 139, 524, 242, 56, 10);
  ink_fill(cr, pal::panel, 2.5);
}

}  // namespace

void help_screen(const Cell& c) {
  help_sheet(c, {"Click a pile:", "Click a product:"}, {"Right-click:", "he puts back what he carries."});
  button_plate(c.cr);
  // Every device plays: keys and pad buttons click like the mouse.
  const Color text = pal::ink;
  text_centered(c.cr, "Arrow keys move the pointer, Space or Z clicks,", c.w / 2, 465, 15, text, pal::white, 0);
  text_centered(c.cr, "Return puts back. A game pad works the same.", c.w / 2, 487, 15, text, pal::white, 0);
  text_centered(c.cr, "<F1> Help    <F2> Pause    Esc quits", c.w / 2, 509, 15, text, pal::white, 0);
}

// The same sheet for a phone or a tablet: taps instead of clicks, and the
// page's keys beside the picture instead of the keyboard's.
void help_screen_touch(const Cell& c) {
  help_sheet(c, {"Tap a pile", "Tap a product"}, {"Long press: he puts back what he carries", "(or tap with two fingers)."});
  button_plate(c.cr);
  const Color text = pal::ink;
  text_centered(c.cr, "A drag moves the pointer, a tap presses.", c.w / 2, 465, 15, text, pal::white, 0);
  text_centered(c.cr, "The keys by the picture: Back to the menu,", c.w / 2, 487, 15, text, pal::white, 0);
  text_centered(c.cr, "Help shows this page, Pause stops the shift.", c.w / 2, 509, 15, text, pal::white, 0);
}

}  // namespace assetgen::art

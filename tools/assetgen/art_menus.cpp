// Menu pieces: the caption buttons, the panel behind them, the page titles,
// the pointer, the chief's speech balloon, the hint arrow and the maker's logo.

#include "art.h"
#include "draw.h"
#include "shapes.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace assetgen::art {

namespace {

// Captions by pattern pair; even patterns are drawn normally, odd ones while
// the pointer is over the control. Pairs the menus do not use stay blank.
constexpr std::array<std::string_view, 16> kCaptions = {
    "Play Game", "Options", "Quit Game", "FullScreen", "Windowed", "", "", "Help",
    "Main Menu", "", "", "", "Music On", "Music Off", "Sound On", "Sound Off"};

void button(cairo_t* cr, std::string_view caption, bool hover) {
  const Color face = hover ? hex(0xFFB547) : pal::cap_orange;
  // The plate fills the whole pattern: no key pixels, so the menu's grey
  // fill behind a button never shows round its corners.
  cairo_rectangle(cr, 0, 0, 230, 50);
  set_color(cr, pal::panel);
  cairo_fill(cr);
  rounded_rect(cr, 2, 3, 226, 46, 22);
  set_color(cr, darker(pal::panel, 0.18));
  cairo_fill(cr);
  if (hover) {
    rounded_rect(cr, 1, 1, 228, 48, 24);
    ink_fill(cr, pal::hazard_yellow, 2);
  }
  rounded_rect(cr, hover ? 6 : 4, hover ? 5 : 4, hover ? 218 : 222, hover ? 40 : 42, 20);
  ink_fill(cr, face, 3);
  // Glossy upper half.
  rounded_rect(cr, 18, 9, 194, 12, 6);
  set_color(cr, pal::white, hover ? 0.45 : 0.3);
  cairo_fill(cr);
  gear(cr, 26, 25, 10, 10, hover ? pal::white : pal::hazard_yellow, 1.6);
  gear(cr, 204, 25, 10, 10, hover ? pal::white : pal::hazard_yellow, 1.6);
  if (!caption.empty()) text_centered(cr, caption, 115, 33, 20, pal::white, pal::ink, 2.2);
}

void page_title(cairo_t* cr, std::string_view text) {
  // A ribbon banner behind the title.
  cairo_new_path(cr);
  cairo_move_to(cr, 4, 14);
  cairo_line_to(cr, 40, 14);
  cairo_line_to(cr, 40, 50);
  cairo_line_to(cr, 4, 50);
  cairo_line_to(cr, 16, 32);
  cairo_close_path(cr);
  ink_fill(cr, darker(pal::toy_blue, 0.2), 2);
  cairo_new_path(cr);
  cairo_move_to(cr, 316, 14);
  cairo_line_to(cr, 280, 14);
  cairo_line_to(cr, 280, 50);
  cairo_line_to(cr, 316, 50);
  cairo_line_to(cr, 304, 32);
  cairo_close_path(cr);
  ink_fill(cr, darker(pal::toy_blue, 0.2), 2);
  rounded_rect(cr, 26, 6, 268, 46, 8);
  ink_fill(cr, pal::toy_blue, 2.5);
  text_centered(cr, text, 160, 41, 28, pal::hazard_yellow, pal::ink, 2.5);
}

}  // namespace

void menu_buttons(const Cell& c) {
  button(c.cr, kCaptions[static_cast<std::size_t>(c.pattern / 2)], c.pattern % 2 == 1);
}

void menu_block(const Cell& c) {
  cairo_t* cr = c.cr;
  // A steel control panel with a wooden frame and rivets.
  rounded_rect(cr, 2, 2, c.w - 4, c.h - 4, 22);
  ink_fill(cr, pal::wood, 3);
  rounded_rect(cr, 16, 16, c.w - 32, c.h - 32, 14);
  set_color(cr, pal::panel);
  cairo_fill_preserve(cr);
  set_color(cr, pal::ink);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  for (double x : {10.0, c.w - 10}) {
    for (double y : {30.0, c.h / 2, c.h - 30}) rivet(cr, x, y, 3.5);
  }
  hazard_stripes(cr, 40, c.h - 34, c.w - 80, 10, 20);
  cairo_rectangle(cr, 40, c.h - 34, c.w - 80, 10);
  set_color(cr, pal::ink);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
}

void title_mainmenu(const Cell& c) { page_title(c.cr, "Main Menu"); }
void title_help(const Cell& c) { page_title(c.cr, "Help"); }
void title_options(const Cell& c) { page_title(c.cr, "Options"); }

// Hint arrow pointing down at the product on the line.
void hint_product(const Cell& c) {
  const Color colors[] = {pal::go_green, pal::toy_blue, pal::hazard_yellow};
  arrow_down(c.cr, 20, 38, 34, 36, colors[c.pattern % 3]);
}

// Pointer with its tip in the top-left corner, where clicks land.
void cursor(const Cell& c) {
  cairo_t* cr = c.cr;
  cairo_new_path(cr);
  cairo_move_to(cr, 1.5, 1.5);
  cairo_line_to(cr, 1.5, 24);
  cairo_line_to(cr, 7.5, 18.5);
  cairo_line_to(cr, 12, 28);
  cairo_line_to(cr, 16.5, 26);
  cairo_line_to(cr, 12.5, 17);
  cairo_line_to(cr, 20.5, 16.5);
  cairo_close_path(cr);
  ink_fill(cr, pal::hazard_yellow, 2.2);
}

void text_balloon(const Cell& c) {
  cairo_t* cr = c.cr;
  // Tail towards the chief at the lower left, then the rounded balloon.
  cairo_new_path(cr);
  rounded_rect(cr, 8, 3, 258, 62, 18);
  ink_fill(cr, pal::white, 3);
  cairo_new_path(cr);
  cairo_move_to(cr, 22, 56);
  cairo_line_to(cr, 4, 78);
  cairo_line_to(cr, 46, 60);
  ink_fill(cr, pal::white, 3);
  // Cover the tail's seam with the balloon's body colour.
  rounded_rect(cr, 14, 50, 36, 10, 4);
  set_color(cr, pal::white);
  cairo_fill(cr);
}

void moltrand(const Cell& c) {
  cairo_t* cr = c.cr;
  rounded_rect(cr, 2, 4, 116, 32, 16);
  ink_fill(cr, pal::overall_blue, 2);
  gear(cr, 20, 20, 11, 9, pal::hazard_yellow, 1.5);
  text_centered(cr, "moltrand", 70, 26, 15, pal::white, pal::ink, 1.2);
}

}  // namespace assetgen::art

// The chief: walks in (patterns 1-4), waits with his clipboard (6) and rates
// the shift with one of three faces (5 fair, 7 very good, 8 fired).

#include "art.h"
#include "draw.h"
#include "shapes.h"

namespace assetgen::art {

namespace {

constexpr Color kSuit = pal::suit_grey;
constexpr Color kShirtWhite = hex(0xF4F1EA);

enum class Mood { Neutral, Fair, Pleased, Angry };
enum class Arms { Down, SwingA, SwingB, Clipboard, Finger, ThumbsUp, Point };

void hand(cairo_t* cr, double x, double y) { ball(cr, x, y, 7, pal::skin, 2.0); }

void chief_face(cairo_t* cr, Mood mood) {
  const Color face = mood == Mood::Angry ? hex(0xF29A80) : pal::skin;
  for (double side : {-1.0, 1.0}) {
    ellipse(cr, 50 + side * 25, 52, 6, 8);
    ink_fill(cr, face);
  }
  ellipse(cr, 50, 48, 26, 30);
  ink_fill(cr, face);
  // Grey fringe around a shiny crown.
  for (double side : {-1.0, 1.0}) {
    ellipse(cr, 50 + side * 22, 38, 7, 12);
    ink_fill(cr, pal::hair_grey, 1.6);
  }
  gloss(cr, 42, 26, 8, 4, 0.6);
  // Glasses.
  for (double ex : {40.0, 60.0}) {
    ellipse(cr, ex, 46, 8, 7);
    set_color(cr, pal::glass, 0.5);
    cairo_fill_preserve(cr);
    set_color(cr, pal::ink);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    const double pupil_y = mood == Mood::Angry ? 47 : 46;
    ball(cr, ex, pupil_y, 2.4, pal::eye, 0);
  }
  line(cr, 48, 46, 52, 46, pal::ink, 2);
  // Brows.
  const double brow = mood == Mood::Angry ? 5 : mood == Mood::Pleased ? -2 : 0;
  line(cr, 32, 36 - brow * 0.3, 46, 36 + brow, pal::hair_grey, 4);
  line(cr, 54, 36 + brow, 68, 36 - brow * 0.3, pal::hair_grey, 4);
  line(cr, 32, 36 - brow * 0.3, 46, 36 + brow, darker(pal::hair_grey, 0.4), 1);
  line(cr, 54, 36 + brow, 68, 36 - brow * 0.3, darker(pal::hair_grey, 0.4), 1);
  ellipse(cr, 50, 56, 5, 5);
  ink_fill(cr, pal::skin_shade, 1.6);
  // Mouth under a big moustache.
  cairo_new_path(cr);
  switch (mood) {
    case Mood::Pleased:
      cairo_move_to(cr, 38, 66);
      cairo_curve_to(cr, 42, 78, 58, 78, 62, 66);
      cairo_close_path(cr);
      flat_fill(cr, hex(0x9E3B3B), 2);
      break;
    case Mood::Angry:
      rounded_rect(cr, 40, 66, 20, 8, 3);
      flat_fill(cr, pal::white, 2);
      line(cr, 45, 66, 45, 74, pal::ink, 1);
      line(cr, 50, 66, 50, 74, pal::ink, 1);
      line(cr, 55, 66, 55, 74, pal::ink, 1);
      break;
    case Mood::Fair:
      cairo_move_to(cr, 42, 70);
      cairo_line_to(cr, 58, 68);
      set_color(cr, pal::ink);
      cairo_set_line_width(cr, 2.4);
      cairo_stroke(cr);
      break;
    case Mood::Neutral:
      cairo_move_to(cr, 42, 68);
      cairo_curve_to(cr, 46, 72, 54, 72, 58, 68);
      set_color(cr, pal::ink);
      cairo_set_line_width(cr, 2.4);
      cairo_stroke(cr);
      break;
  }
  cairo_new_path(cr);
  cairo_move_to(cr, 50, 60);
  cairo_curve_to(cr, 42, 58, 34, 62, 33, 67);
  cairo_curve_to(cr, 40, 66, 46, 66, 50, 63);
  cairo_curve_to(cr, 54, 66, 60, 66, 67, 67);
  cairo_curve_to(cr, 66, 62, 58, 58, 50, 60);
  cairo_close_path(cr);
  ink_fill(cr, pal::hair_grey, 1.6);
  if (mood == Mood::Angry) {
    // Steam from the ears.
    for (double side : {-1.0, 1.0}) {
      ellipse(cr, 50 + side * 37, 36, 6, 5);
      flat_fill(cr, pal::white, 1.5);
      ellipse(cr, 50 + side * 42, 26, 5, 4);
      flat_fill(cr, pal::white, 1.5);
    }
  }
}

void chief_body(cairo_t* cr, double stride, Arms arms) {
  // Legs and shoes.
  limb(cr, {{38, 200}, {38 - stride * 10, 286}}, 20, darker(kSuit, 0.15));
  limb(cr, {{62, 200}, {62 + stride * 10, 286}}, 20, darker(kSuit, 0.15));
  for (double lx : {38 - stride * 10, 62 + stride * 10}) {
    ellipse(cr, lx + 4, 291, 14, 7);
    ink_fill(cr, hex(0x3A2A22));
  }
  // Jacket with a round belly.
  cairo_new_path(cr);
  cairo_move_to(cr, 22, 90);
  cairo_curve_to(cr, 5, 128, 3, 186, 18, 208);
  cairo_line_to(cr, 82, 208);
  cairo_curve_to(cr, 97, 186, 95, 128, 78, 90);
  cairo_curve_to(cr, 66, 82, 34, 82, 22, 90);
  cairo_close_path(cr);
  ink_fill(cr, kSuit);
  // A belt peeking under the belly.
  line(cr, 24, 200, 76, 200, hex(0x3A2A22), 3);
  // Shirt, tie, lapels, buttons.
  cairo_new_path(cr);
  cairo_move_to(cr, 38, 88);
  cairo_line_to(cr, 50, 150);
  cairo_line_to(cr, 62, 88);
  cairo_close_path(cr);
  flat_fill(cr, kShirtWhite, 1.8);
  cairo_new_path(cr);
  cairo_move_to(cr, 46, 94);
  cairo_line_to(cr, 54, 94);
  cairo_line_to(cr, 57, 136);
  cairo_line_to(cr, 50, 146);
  cairo_line_to(cr, 43, 136);
  cairo_close_path(cr);
  ink_fill(cr, pal::tie_red, 1.6);
  rivet(cr, 50, 165, 3);
  rivet(cr, 50, 185, 3);
  rounded_rect(cr, 62, 110, 14, 4, 1.5);
  flat_fill(cr, pal::white, 1.2);  // pocket square

  switch (arms) {
    case Arms::SwingA:
    case Arms::SwingB: {
      const double s = arms == Arms::SwingA ? 1 : -1;
      limb(cr, {{24, 98}, {14 + s * 6, 150}, {16 + s * 10, 188}}, 15, kSuit);
      hand(cr, 16 + s * 10, 192);
      limb(cr, {{76, 98}, {86 - s * 6, 150}, {84 - s * 10, 188}}, 15, kSuit);
      hand(cr, 84 - s * 10, 192);
      break;
    }
    case Arms::Clipboard:
      limb(cr, {{26, 98}, {20, 140}, {42, 150}}, 15, kSuit);
      limb(cr, {{74, 98}, {80, 140}, {60, 152}}, 15, kSuit);
      rounded_rect(cr, 30, 122, 40, 50, 3);
      ink_fill(cr, pal::wood);
      rounded_rect(cr, 34, 128, 32, 40, 1);
      flat_fill(cr, pal::white, 1.2);
      rounded_rect(cr, 43, 118, 14, 8, 2);
      ink_fill(cr, pal::steel, 1.4);
      for (int i = 0; i < 4; ++i) line(cr, 38, 136 + i * 8, 62, 136 + i * 8, pal::floor_tile, 1.5);
      hand(cr, 40, 152);
      hand(cr, 62, 154);
      break;
    case Arms::Finger:
      limb(cr, {{24, 98}, {12, 150}, {15, 188}}, 15, kSuit);
      hand(cr, 15, 192);
      limb(cr, {{74, 98}, {90, 110}, {86, 76}}, 15, kSuit);
      hand(cr, 86, 72);
      limb(cr, {{86, 66}, {86, 56}}, 4, pal::skin);
      break;
    case Arms::ThumbsUp:
      limb(cr, {{24, 98}, {12, 150}, {15, 188}}, 15, kSuit);
      hand(cr, 15, 192);
      limb(cr, {{74, 98}, {92, 120}, {88, 96}}, 15, kSuit);
      hand(cr, 88, 92);
      limb(cr, {{88, 86}, {88, 76}}, 5, pal::skin);
      break;
    case Arms::Point:
      limb(cr, {{26, 98}, {18, 130}, {30, 150}}, 15, kSuit);  // fist on the hip
      hand(cr, 32, 150);
      limb(cr, {{74, 98}, {90, 104}, {96, 108}}, 15, kSuit);
      hand(cr, 94, 108);
      break;
    case Arms::Down:
      limb(cr, {{24, 98}, {12, 150}, {15, 188}}, 15, kSuit);
      hand(cr, 15, 192);
      limb(cr, {{76, 98}, {88, 150}, {85, 188}}, 15, kSuit);
      hand(cr, 85, 192);
      break;
  }
}

void draw_chief(cairo_t* cr, double stride, double bob, Arms arms, Mood mood) {
  cairo_save(cr);
  cairo_translate(cr, 0, bob);
  chief_body(cr, stride, arms);
  limb(cr, {{50, 76}, {50, 90}}, 16, pal::skin);
  chief_face(cr, mood);
  cairo_restore(cr);
}

}  // namespace

void chief(const Cell& c) {
  switch (c.pattern) {
    case 1: draw_chief(c.cr, 1.0, 0, Arms::SwingA, Mood::Neutral); break;
    case 2: draw_chief(c.cr, 0.0, -3, Arms::Down, Mood::Neutral); break;
    case 3: draw_chief(c.cr, -1.0, 0, Arms::SwingB, Mood::Neutral); break;
    case 4: draw_chief(c.cr, 0.0, -3, Arms::Down, Mood::Neutral); break;
    case 5: draw_chief(c.cr, 0.0, 0, Arms::Finger, Mood::Fair); break;
    case 6: draw_chief(c.cr, 0.0, 0, Arms::Clipboard, Mood::Neutral); break;
    case 7: draw_chief(c.cr, 0.0, 0, Arms::ThumbsUp, Mood::Pleased); break;
    case 8: draw_chief(c.cr, 0.0, 0, Arms::Point, Mood::Angry); break;
    default: draw_chief(c.cr, 0.0, 0, Arms::Down, Mood::Neutral); break;
  }
}

}  // namespace assetgen::art

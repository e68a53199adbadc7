// John, the worker: head, body and arms are separate strips so the game can
// combine walking, facing, blinking and carrying freely.

#include "art.h"
#include "draw.h"
#include "shapes.h"

#include <numbers>

namespace assetgen::art {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr Color kShirt = hex(0x9CCCF2);
constexpr Color kGlove = pal::hazard_yellow;

enum class Face { Smile, Blink, Grin, Worried, Surprised, Happy, Talk };

void eyes(cairo_t* cr, double look, Face face) {
  for (double ex : {27.0, 43.0}) {
    if (face == Face::Blink || face == Face::Happy) {
      cairo_new_path(cr);
      if (face == Face::Blink) {
        cairo_move_to(cr, ex - 5, 46);
        cairo_curve_to(cr, ex - 2, 49, ex + 2, 49, ex + 5, 46);
      } else {
        cairo_move_to(cr, ex - 5, 47);
        cairo_curve_to(cr, ex - 2, 41, ex + 2, 41, ex + 5, 47);
      }
      set_color(cr, pal::ink);
      cairo_set_line_width(cr, 2.2);
      cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
      cairo_stroke(cr);
      continue;
    }
    const double ry = face == Face::Surprised ? 7.5 : 6.5;
    ellipse(cr, ex, 45, 5.2, ry);
    flat_fill(cr, pal::white, 1.6);
    ellipse(cr, ex + look * 2.2, 46, 2.6, 3.3);
    set_color(cr, pal::eye);
    cairo_fill(cr);
    ellipse(cr, ex + look * 2.2 - 0.9, 44.6, 0.9, 0.9);
    set_color(cr, pal::white);
    cairo_fill(cr);
  }
  // Brows tell the mood at a glance.
  const double tilt = face == Face::Worried ? 2.5 : face == Face::Surprised ? -1.5 : 0;
  line(cr, 22, 37 - tilt * 0.2, 31, 36 + tilt, pal::hair_brown, 2.4);
  line(cr, 39, 36 + tilt, 48, 37 - tilt * 0.2, pal::hair_brown, 2.4);
}

void mouth(cairo_t* cr, double look, Face face) {
  const double mx = 35 + look * 2;
  cairo_new_path(cr);
  switch (face) {
    case Face::Grin:
    case Face::Happy:
    case Face::Talk: {
      const double open = face == Face::Talk ? 4 : 7;
      cairo_move_to(cr, mx - 8, 58);
      cairo_curve_to(cr, mx - 5, 58 + open + 2, mx + 5, 58 + open + 2, mx + 8, 58);
      cairo_close_path(cr);
      flat_fill(cr, hex(0x9E3B3B), 1.8);
      break;
    }
    case Face::Worried:
      cairo_move_to(cr, mx - 7, 62);
      cairo_curve_to(cr, mx - 4, 58, mx - 1, 64, mx + 2, 60);
      cairo_curve_to(cr, mx + 4, 58, mx + 6, 62, mx + 7, 61);
      set_color(cr, pal::ink);
      cairo_set_line_width(cr, 2.0);
      cairo_stroke(cr);
      break;
    case Face::Surprised:
      ellipse(cr, mx, 61, 3.5, 4.5);
      flat_fill(cr, hex(0x9E3B3B), 1.8);
      break;
    default:
      cairo_move_to(cr, mx - 7, 58);
      cairo_curve_to(cr, mx - 3, 63, mx + 3, 63, mx + 7, 58);
      set_color(cr, pal::ink);
      cairo_set_line_width(cr, 2.2);
      cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
      cairo_stroke(cr);
  }
}

void cap_front(cairo_t* cr, double look) {
  cairo_new_path(cr);
  cairo_arc(cr, 35, 33, 23, kPi, 2 * kPi);
  cairo_close_path(cr);
  ink_fill(cr, pal::cap_orange);
  ball(cr, 35, 20, 3, pal::cap_orange, 1.5);
  ellipse(cr, 35 + look * 3, 33, 26, 5.5);
  ink_fill(cr, darker(pal::cap_orange, 0.12));
  gear(cr, 35, 25, 6, 8, pal::hazard_yellow, 1.2);
}

void head_front(cairo_t* cr, double look, Face face) {
  limb(cr, {{35, 66}, {35, 80}}, 13, pal::skin);  // neck
  for (double side : {-1.0, 1.0}) {
    ellipse(cr, 35 + side * 22 + look, 47, 5, 7);
    ink_fill(cr, pal::skin);
  }
  ellipse(cr, 35 + look, 46, 22, 24);
  ink_fill(cr, pal::skin);
  // Sideburns peeking out below the cap.
  for (double side : {-1.0, 1.0}) {
    ellipse(cr, 35 + side * 18 + look, 36, 5, 6);
    flat_fill(cr, pal::hair_brown, 1.5);
  }
  for (double side : {-1.0, 1.0}) {
    ellipse(cr, 35 + side * 13 + look, 55, 4.5, 3);
    set_color(cr, hex(0xF08A7A), 0.45);
    cairo_fill(cr);
  }
  cairo_save(cr);
  cairo_translate(cr, look * 1.5, 0);
  eyes(cr, look, face);
  cairo_restore(cr);
  ellipse(cr, 35 + look * 3.5, 52, 3.6, 3);
  ink_fill(cr, pal::skin_shade, 1.5);
  mouth(cr, look, face);
  cap_front(cr, look);
  if (face == Face::Worried) {
    // A drop of sweat: the chief is looking.
    cairo_new_path(cr);
    cairo_move_to(cr, 58, 28);
    cairo_curve_to(cr, 62, 35, 63, 39, 58, 40);
    cairo_curve_to(cr, 53, 39, 54, 35, 58, 28);
    flat_fill(cr, pal::glass, 1.4);
  }
}

void head_back(cairo_t* cr, double look) {
  limb(cr, {{35, 66}, {35, 80}}, 13, pal::skin);
  for (double side : {-1.0, 1.0}) {
    ellipse(cr, 35 + side * 22 - look, 47, 5, 7);
    ink_fill(cr, pal::skin);
  }
  ellipse(cr, 35 - look, 46, 22, 24);
  ink_fill(cr, pal::hair_brown);
  // The cap from behind, with its strap and the hair tuft through the gap.
  cairo_new_path(cr);
  cairo_arc(cr, 35, 33, 23, kPi, 2 * kPi);
  cairo_close_path(cr);
  ink_fill(cr, pal::cap_orange);
  rounded_rect(cr, 28, 30, 14, 5, 2);
  flat_fill(cr, darker(pal::cap_orange, 0.3), 1.2);
  ball(cr, 35, 20, 3, pal::cap_orange, 1.5);
  line(cr, 30, 56, 34, 62, darker(pal::hair_brown, 0.3), 1.5);
  line(cr, 40, 56, 36, 62, darker(pal::hair_brown, 0.3), 1.5);
}

void body_front(cairo_t* cr, int stride) {
  // Legs first: the overall's trousers and boots.
  const double lx = 25 - stride * 3, rx = 45 + stride * 3;
  limb(cr, {{27, 60}, {lx, 90}}, 14, darker(pal::overall_blue, 0.1));
  limb(cr, {{43, 60}, {rx, 90}}, 14, darker(pal::overall_blue, 0.1));
  rounded_rect(cr, lx - 10, 88, 17, 10, 4);
  ink_fill(cr, pal::boot_brown);
  rounded_rect(cr, rx - 7, 88, 17, 10, 4);
  ink_fill(cr, pal::boot_brown);
  // Shirt.
  rounded_rect(cr, 10, 2, 50, 58, 14);
  ink_fill(cr, kShirt);
  // Collar.
  cairo_new_path(cr);
  cairo_move_to(cr, 26, 2);
  cairo_line_to(cr, 35, 11);
  cairo_line_to(cr, 44, 2);
  flat_fill(cr, pal::white, 1.5);
  // Bib and trousers of the overall.
  rounded_rect(cr, 17, 22, 36, 48, 6);
  ink_fill(cr, pal::overall_blue);
  line(cr, 20, 24, 16, 4, pal::overall_blue, 5);
  line(cr, 50, 24, 54, 4, pal::overall_blue, 5);
  rounded_rect(cr, 27, 30, 16, 12, 3);
  ink_fill(cr, darker(pal::overall_blue, 0.1), 1.5);
  gear(cr, 35, 36, 4.5, 7, pal::hazard_yellow, 1.0);
  rivet(cr, 21, 26, 2.5);
  rivet(cr, 49, 26, 2.5);
  line(cr, 35, 56, 35, 69, darker(pal::overall_blue, 0.35), 1.5);
}

void body_back(cairo_t* cr) {
  limb(cr, {{27, 60}, {25, 90}}, 14, darker(pal::overall_blue, 0.1));
  limb(cr, {{43, 60}, {45, 90}}, 14, darker(pal::overall_blue, 0.1));
  rounded_rect(cr, 16, 88, 17, 10, 4);
  ink_fill(cr, pal::boot_brown);
  rounded_rect(cr, 37, 88, 17, 10, 4);
  ink_fill(cr, pal::boot_brown);
  rounded_rect(cr, 10, 2, 50, 58, 14);
  ink_fill(cr, kShirt);
  rounded_rect(cr, 16, 46, 38, 26, 6);
  ink_fill(cr, pal::overall_blue);
  // Crossed straps on the back.
  line(cr, 18, 4, 48, 48, pal::overall_blue, 5);
  line(cr, 52, 4, 22, 48, pal::overall_blue, 5);
  rounded_rect(cr, 22, 54, 11, 10, 2);
  ink_fill(cr, darker(pal::overall_blue, 0.15), 1.4);
  rounded_rect(cr, 37, 54, 11, 10, 2);
  ink_fill(cr, darker(pal::overall_blue, 0.15), 1.4);
}

// One arm from the shoulder through the elbow to the hand.
void arm(cairo_t* cr, Point shoulder, Point elbow, Point hand) {
  limb(cr, {shoulder, elbow}, 11, kShirt);
  limb(cr, {elbow, hand}, 8, pal::skin);
  ball(cr, hand.first, hand.second, 5.5, kGlove, 1.8);
}

constexpr Point kLeftShoulder{75, 33};
constexpr Point kRightShoulder{119, 33};

}  // namespace

void worker_head(const Cell& c) {
  switch (c.pattern) {
    case 1: head_front(c.cr, -1, Face::Smile); break;
    case 2: head_front(c.cr, 1, Face::Smile); break;
    case 3: head_back(c.cr, -1); break;
    case 4: head_back(c.cr, 1); break;
    case 5: head_front(c.cr, 0, Face::Grin); break;
    case 6: head_front(c.cr, 0, Face::Worried); break;
    case 7: head_front(c.cr, 0, Face::Surprised); break;
    case 8: head_front(c.cr, 0, Face::Happy); break;
    case 9: head_front(c.cr, 0, Face::Talk); break;
    case 10: head_front(c.cr, 1, Face::Grin); break;
    case 11: head_front(c.cr, 0, Face::Blink); break;
    default: head_front(c.cr, 0, Face::Smile); break;
  }
}

void worker_body(const Cell& c) {
  switch (c.pattern) {
    case 1: body_front(c.cr, 1); break;
    case 2: body_front(c.cr, -1); break;
    case 3: body_back(c.cr); break;
    default: body_front(c.cr, 0); break;
  }
}

void worker_arms(const Cell& c) {
  cairo_t* cr = c.cr;
  switch (c.pattern) {
    case 1:  // carrying parts in front of the chest
      arm(cr, kLeftShoulder, {70, 52}, {80, 62});
      arm(cr, kRightShoulder, {124, 52}, {112, 62});
      break;
    case 2:  // a wave
      arm(cr, kLeftShoulder, {66, 54}, {68, 72});
      arm(cr, kRightShoulder, {136, 24}, {140, 6});
      break;
    case 3:  // hands on the hips
      arm(cr, kLeftShoulder, {58, 50}, {76, 66});
      arm(cr, kRightShoulder, {136, 50}, {118, 66});
      break;
    case 5:  // reaching up to the bench
      arm(cr, kLeftShoulder, {77, 16}, {84, 6});
      arm(cr, kRightShoulder, {117, 16}, {110, 6});
      break;
    case 6:  // cheering
      arm(cr, kLeftShoulder, {60, 20}, {56, 6});
      arm(cr, kRightShoulder, {134, 20}, {138, 6});
      break;
    case 7:  // arms folded
      arm(cr, kLeftShoulder, {72, 56}, {112, 48});
      arm(cr, kRightShoulder, {122, 56}, {82, 50});
      break;
    case 8:  // scratching the head
      arm(cr, kLeftShoulder, {67, 54}, {69, 72});
      arm(cr, kRightShoulder, {140, 20}, {124, 2});
      break;
    case 9:  // pointing ahead
      arm(cr, kLeftShoulder, {67, 54}, {69, 72});
      arm(cr, kRightShoulder, {140, 36}, {162, 32});
      break;
    case 10:  // holding a tool at the left side
      arm(cr, kLeftShoulder, {66, 48}, {80, 44});
      arm(cr, kRightShoulder, {122, 52}, {92, 56});
      break;
    default:  // hanging loosely (front and back look alike)
      arm(cr, kLeftShoulder, {67, 54}, {69, 72});
      arm(cr, kRightShoulder, {127, 54}, {125, 72});
      break;
  }
}

}  // namespace assetgen::art

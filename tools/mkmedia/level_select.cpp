#include "level_select.h"

#include <cmath>

#include "shapes.h"
#include "ui_kit.h"

namespace mkmedia {

namespace {

constexpr int kPlateW = 72, kPlateH = 44;
constexpr float kPi = 3.14159265f;
const Rgba kInk = Hex(0x3a2410);

// The plate of one state: dark lacquer like the frame's buttons, so that the
// gold figures the game sets on it read on every plate.
void Plate(Image& strip, int cell, int state, bool chosen) {
  const float x0 = static_cast<float>(cell * kPlateW);
  const Bounds box{x0 + 2, 2, x0 + kPlateW - 2, kPlateH - 2.0f};
  const Shape shape = RoundBox(box.x0, box.y0, box.x1, box.y1, 7);
  const Rgba tops[] = {Hex(0x6a5a48, 0.35f), Hex(0x6a1420), Hex(0x3a4a1c), Hex(0x4a3a5a)};
  const Rgba bottoms[] = {Hex(0x4a3a28, 0.35f), Hex(0x420810), Hex(0x1e2a0c), Hex(0x2a1e38)};
  Fill(strip, box, shape, LinearGradient({0, box.y0}, tops[state], {0, box.y1}, bottoms[state]));
  const Rgba rim = state == 0 ? Hex(0x8a6a3a, 0.4f) : chosen ? Hex(0xffe090) : Hex(0xc89a48);
  Fill(strip, box, Subtract(shape, Grow(shape, chosen ? -2.5f : -1.2f)), Solid(rim));
  if (chosen) {
    Fill(strip, box, Grow(shape, -2.5f), RadialGradient({x0 + kPlateW / 2.0f, kPlateH / 2.0f}, 34,
                                                        Hex(0xffc060, 0.35f), Hex(0xffc060, 0.0f)));
  }
}

Shape Star(float cx, float cy, float outer, float inner) {
  std::vector<Point> points;
  for (int k = 0; k < 10; ++k) {
    const float a = k * kPi / 5 - kPi / 2, r = k % 2 == 0 ? outer : inner;
    points.push_back({cx + std::cos(a) * r, cy + std::sin(a) * r});
  }
  return Polygon(points);
}

}  // namespace

Image LevelSelectPage() {
  Image page(800, 600);
  Parchment(page, {0, 0, 800, 600}, 0, 81);
  TextLook ink;
  ink.fill = Solid(kInk);
  PaintText(page, TextStyle{Face::SerifBold, 34, 0.5f}, 400, 54, "Levels", ink, Align::Centre);
  Flourish(page, 400, 68, 90, Hex(0x8a6a3a));
  TextLook small;
  small.fill = Solid(Hex(0x5a4028));
  PaintText(page, TextStyle{Face::SansMedium, 13, 0.6f}, 400, 586,
            "Arrows or the mouse choose  \u00b7  Enter or a click plays  \u00b7  Esc goes back", small, Align::Centre);
  return page;
}

Image LevelPlatesPicture() {
  Image strip(kPlateW * 8, kPlateH);
  for (int state = 0; state < 4; ++state) {
    Plate(strip, state, state, false);
    Plate(strip, 4 + state, state, true);
  }
  return strip;
}

Image ParStarPicture() {
  Image star(16, 16);
  Fill(star, WholeImage(star), Grow(Star(8, 8.5f, 7.5f, 3.2f), 0.8f), Solid(Hex(0x2a1004, 0.8f)));
  Fill(star, WholeImage(star), Star(8, 8.5f, 7.5f, 3.2f), GoldPaint(1, 15));
  return star;
}

Image NoWayOutPicture() {
  Image note(520, 40);
  const Shape band = RoundBox(2, 2, 518, 38, 12);
  Fill(note, WholeImage(note), band, Solid(Hex(0x1a0406, 0.85f)));
  Fill(note, WholeImage(note), Subtract(band, Grow(band, -1.2f)), Solid(Hex(0xc89a48)));
  TextLook look;
  look.fill = Solid(Hex(0xf6ead0));
  look.shadow = Rgba{0, 0, 0, 0.8f};
  // No key is named: the player may have chosen others.
  PaintText(note, TextStyle{Face::SansBold, 15, 0.3f}, 260, 25, "No way to the exit from here: undo a move, or restart",
            look, Align::Centre);
  return note;
}

}  // namespace mkmedia

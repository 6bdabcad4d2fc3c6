#include "icon.h"

#include <cmath>

#include "board_pieces.h"
#include "filters.h"
#include "shapes.h"

namespace mkmedia {

Image ChestIcon(int size) {
  // Drawn in a 32-unit design space scaled to the size, so every size is
  // drawn afresh rather than shrunk; the smallest leave out the planks.
  const float k = size / 32.0f;
  auto box = [k](float x0, float y0, float x1, float y1, float r) { return RoundBox(x0 * k, y0 * k, x1 * k, y1 * k, r * k); };
  Image icon(size, size);
  const Bounds all = WholeImage(icon);
  Shape body = box(3, 14, 29, 29, 1.5f);
  Shape lid = Union(box(3, 9, 29, 15, 1.0f), Intersect(Ellipse(16 * k, 10 * k, 13 * k, 6 * k), box(3, 3, 29, 10, 0)));
  Shape chest = Union(body, lid);
  Mask shadow(size, size);
  FillMask(shadow, all, chest);
  ShadowUnder(icon, shadow, std::max(1, size / 32), std::max(1, size / 24), std::max(0.8f, k), Rgba{0, 0, 0, 0.5f});
  const Rgba outline = Hex(0x2a1408);
  Fill(icon, all, Grow(chest, 0.9f * k), Solid(outline));
  Fill(icon, all, body, LinearGradient({0, 14 * k}, Hex(0x9a5a2a), {0, 29 * k}, Hex(0x5a2e12)));
  Fill(icon, all, lid, LinearGradient({0, 4 * k}, Hex(0xc07a3a), {0, 15 * k}, Hex(0x7a4018)));
  if (size >= 32)
    for (float y : {19.5f, 24.5f})
      Fill(icon, all, box(4, y - 0.25f, 28, y + 0.25f, 0), Solid(Hex(0x3a1c0a, 0.7f)));
  // Gold bands and the seam between lid and body.
  Paint gold = LinearGradient({0, 3 * k}, Hex(0xfff0a0), {0, 29 * k}, Hex(0xa06a10));
  for (float x : {6.0f, 26.0f}) Fill(icon, all, Intersect(box(x - 1.6f, 2, x + 1.6f, 29, 0), chest), gold);
  Fill(icon, all, box(3, 14, 29, 15.6f, 0), gold);
  if (size >= 48) {
    // A little light escaping under the lid.
    Fill(icon, all, box(7.5f, 14.2f, 24.5f, 15.2f, 0.5f), Solid(Hex(0xffc060, 0.35f)), Blend::Add);
  }
  // The lock plate with the ball in it.
  Fill(icon, all, Grow(box(11.5f, 11, 20.5f, 21, 1.5f), 0.6f * k), Solid(outline));
  Fill(icon, all, box(11.5f, 11, 20.5f, 21, 1.5f), gold);
  DrawBall(icon, 16 * k, 16 * k, 3.6f * k);
  return icon;
}

}  // namespace mkmedia

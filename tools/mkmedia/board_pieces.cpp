#include "board_pieces.h"

#include <cmath>

#include "filters.h"
#include "shapes.h"

namespace mkmedia {

namespace {

constexpr float kPi = 3.14159265f;
// How far the swirl's arms turn from its eye to its rim, in radians times three.
constexpr float kSwirlTwist = 7.0f;

// Metal shading from a gradient light at the top left to a dark lower right.
Paint Metal(Rgba light, Rgba mid, Rgba dark, Bounds b) {
  return [=](float x, float y) {
    float t = Clamp01(((x - b.x0) / (b.x1 - b.x0) * 0.4f + (y - b.y0) / (b.y1 - b.y0) * 0.6f));
    return t < 0.5f ? Mix(light, mid, t * 2) : Mix(mid, dark, (t - 0.5f) * 2);
  };
}

// Paints the shape with a dark outline and a soft shadow, as an icon on any background.
void Icon(Image& image, const Shape& shape, Bounds b, const Paint& paint, float outline, float shadow) {
  Mask m(image.Width(), image.Height());
  FillMask(m, b, Grow(shape, outline));
  ShadowUnder(image, m, 1, 1, 1.2f * shadow, Rgba{0, 0, 0, 0.55f});
  Fill(image, b, Grow(shape, outline), Solid(Hex(0x1a120a, 0.92f)));
  Fill(image, b, shape, paint);
}

}  // namespace

void DrawBall(Image& image, float cx, float cy, float radius) {
  // A glowing marble with three curved bands: drawn additively and turning,
  // so the bands show its spin; the shading is round-symmetric, so no
  // highlight turns with it.
  Fill(image, Around(cx, cy, radius + 1), Circle(cx, cy, radius), [=](float x, float y) {
    float dx = (x - cx) / radius, dy = (y - cy) / radius;
    float r = std::min(1.0f, std::hypot(dx, dy));
    float limb = std::sqrt(1 - r * r * 0.85f);
    float a = std::atan2(dy, dx);
    float swirl = std::sin(3 * a + r * 4.2f);
    float band = SmoothStep(0.25f, 0.65f, swirl);
    Rgba body = Mix(Hex(0xa8400c), Hex(0xffd890), band);
    body = Mix(body, Hex(0xfff6e0), (1 - SmoothStep(0.0f, 0.32f, r)) * 0.8f);
    return Shade(body, 0.45f + 0.6f * limb);
  });
}

Image BallPicture(int size) {
  // The board's ball is painted over the floor, not added to it: a dark rim
  // and a soft shadow part it from light floors, its bright body from dark ones.
  Image ball(size, size);
  const float c = size / 2.0f, radius = size * 0.43f;
  Mask shadow(size, size);
  FillMask(shadow, WholeImage(ball), Circle(c, c, radius + 0.6f));
  BlurMask(shadow, size / 20.0f);
  PaintMask(ball, shadow, Solid(Hex(0x000000, 0.7f)));
  DrawBall(ball, c, c, radius);
  Fill(ball, Around(c, c, radius + 2), Ring(c, c, radius - 0.2f, 1.8f), Solid(Hex(0x120804)));
  return ball;
}

Image TileBorderPicture() {
  Image border(32, 32);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      int inset = std::min({x, y, 31 - x, 31 - y});
      Rgba c{0, 0, 0, 0};
      if (inset == 0) {
        c = Rgba{0.03f, 0.02f, 0.02f, 0.7f};
      } else if (inset <= 2) {
        // Bevel: the top and left sides face the light; the diagonal splits
        // the two corners where a lit side meets a shaded one.
        bool lit = std::min(x, y) == inset && x + y < 31;
        float strength = inset == 1 ? 0.42f : 0.2f;
        c = lit ? Rgba{1, 0.97f, 0.9f, strength} : Rgba{0.05f, 0.03f, 0.02f, strength + 0.05f};
      }
      border.At(x, y) = c;
    }
  return border;
}

void DrawPadlock(Image& image, float cx, float cy, float scale) {
  float s = scale;
  Shape shackle = Intersect(Ring(cx, cy - 3 * s, 5.2f * s, 2.4f * s), RoundBox(cx - 9 * s, cy - 12 * s, cx + 9 * s, cy + 1 * s, 0));
  Shape legs = Union(RoundBox(cx - 6.4f * s, cy - 3.2f * s, cx - 4.0f * s, cy + 2 * s, 0),
                     RoundBox(cx + 4.0f * s, cy - 3.2f * s, cx + 6.4f * s, cy + 2 * s, 0));
  Shape body = RoundBox(cx - 8.5f * s, cy - 0.5f * s, cx + 8.5f * s, cy + 11 * s, 2.2f * s);
  Bounds b = Around(cx, cy, 14 * s);
  Icon(image, Union(Union(shackle, legs), body), b, Solid(Hex(0x1a120a)), 1.0f * s, s);
  Fill(image, b, Union(shackle, legs), Metal(Hex(0xf0f0f4), Hex(0xa8aab4), Hex(0x5a5c66), b));
  Fill(image, b, body, Metal(Hex(0xffe9a0), Hex(0xd8a83a), Hex(0x7a5410), Bounds{cx - 8.5f * s, cy, cx + 8.5f * s, cy + 11 * s}));
  Fill(image, b, RoundBox(cx - 7 * s, cy + 0.6f * s, cx + 7 * s, cy + 1.6f * s, 0.5f * s), Solid(Hex(0xfff4c8, 0.6f)));
  Shape keyhole = Union(Circle(cx, cy + 4.3f * s, 1.8f * s),
                        Polygon({{cx - 1.0f * s, cy + 4.5f * s}, {cx + 1.0f * s, cy + 4.5f * s}, {cx + 1.6f * s, cy + 8.6f * s}, {cx - 1.6f * s, cy + 8.6f * s}}));
  Fill(image, b, keyhole, Solid(Hex(0x20140a)));
}

void DrawKey(Image& image, float cx, float cy, float scale, bool silver) {
  // The key lies diagonally: bow at the upper left, bit at the lower right.
  float s = scale;
  Shape bow = silver ? Union(Union(Circle(-8.5f, -2.6f, 3.6f), Circle(-8.5f, 2.6f, 3.6f)), Circle(-12.2f, 0, 3.6f))
                     : Circle(-9.5f, 0, 5.6f);
  Shape hole = silver ? Circle(-9.5f, 0, 1.5f) : Circle(-9.5f, 0, 2.5f);
  Shape shaft = RoundBox(-5, -1.5f, 12, 1.5f, 0.8f);
  Shape bit = silver ? Union(RoundBox(6.5f, 1, 9, 6, 0.4f), RoundBox(10.2f, 1, 12, 4.5f, 0.4f))
                     : Union(RoundBox(5.5f, 1, 8, 5.5f, 0.4f), RoundBox(9.5f, 1, 12, 6.5f, 0.4f));
  Shape key = Subtract(Union(Union(bow, shaft), bit), hole);
  Bounds b = Around(cx, cy, 17 * s);
  Shape placed = Transformed(key, cx, cy, kPi / 4, s);
  Paint metal = silver ? Metal(Hex(0xffffff), Hex(0xb8c4d4), Hex(0x4a5466), b) : Metal(Hex(0xfff0a8), Hex(0xe0a830), Hex(0x7a4a08), b);
  Icon(image, placed, b, metal, 1.0f * s, s);
}

Image KeyTilesPicture() {
  Image tiles(96, 32);
  DrawPadlock(tiles, 16, 15, 1.0f);
  DrawKey(tiles, 48, 16, 1.05f, false);
  DrawKey(tiles, 80, 16, 1.05f, true);
  return tiles;
}

namespace {

// The gateway's frame: a silver square ring just inside the cell, riveted at
// the corners, so that even open it stands out from any floor.
Shape GatewayFrame() {
  return Union(Subtract(RoundBox(2.5f, 2.5f, 29.5f, 29.5f, 3), RoundBox(6, 6, 26, 26, 1)),
               Union(Union(Circle(4.5f, 4.5f, 2.6f), Circle(27.5f, 4.5f, 2.6f)),
                     Union(Circle(4.5f, 27.5f, 2.6f), Circle(27.5f, 27.5f, 2.6f))));
}

// Closed, its bars are down across the frame: no wall of any style has them.
Shape GatewayBars() {
  Shape bars = RoundBox(15, 5, 17, 27, 0.6f);
  for (float x : {9.0f, 21.0f}) bars = Union(bars, RoundBox(x, 5, x + 2, 27, 0.6f));
  return Union(bars, RoundBox(5, 14.5f, 27, 16.5f, 0.6f));
}

void DrawGatewayMark(Image& image, float left, bool closed) {
  const Bounds b{left, 0, left + 32, 32};
  const Shape shape = closed ? Union(GatewayFrame(), GatewayBars()) : GatewayFrame();
  Icon(image, Transformed(shape, left, 0, 0, 1), b, Metal(Hex(0xffffff), Hex(0xc0cad8), Hex(0x5a6476), b), 0.9f, 1.0f);
}

// Light pips with dark rims, evenly round a circle starting at the top:
// one to five make a dot, a bar, a triangle, a square and a pentagon, which
// the eye counts without counting.
void DrawTeleportPips(Image& image, float left, int pips) {
  const Bounds b{left, 0, left + 32, 32};
  // Inside the cell with their rims; over the swirl's arms, which turn beneath.
  constexpr float Radius = 11.6f, PipRadius = 2.8f;
  Shape shape = [](float, float) { return 1e9f; };
  for (int i = 0; i < pips; ++i) {
    const float angle = -kPi / 2 + 2 * kPi * static_cast<float>(i) / static_cast<float>(pips);
    shape = Union(shape, Circle(left + 16 + Radius * std::cos(angle), 16 + Radius * std::sin(angle), PipRadius));
  }
  Icon(image, shape, b, Solid(Hex(0xfbfbf4)), 1.2f, 0.6f);
}

}  // namespace

Image BoardMarksPicture() {
  Image marks(32 * (kFirstTeleportMark + kTeleportPairs), 32);
  DrawGatewayMark(marks, 32 * kGatewayClosedMark, true);
  DrawGatewayMark(marks, 32 * kGatewayOpenMark, false);
  for (int pair = 0; pair < kTeleportPairs; ++pair) DrawTeleportPips(marks, 32.0f * (kFirstTeleportMark + pair), pair + 1);
  return marks;
}

Image ArrowPicture(int direction) {
  // Drawn on a 96-pixel square centred on the ball; the arrow pointing up sits
  // above the ball and is turned for the other directions.
  const int size = 96;
  const float c = size / 2.0f;
  Image arrow(size, size);
  Shape up = Polygon({{0, -43}, {13, -26}, {5, -26}, {5, -19}, {-5, -19}, {-5, -26}, {-13, -26}});
  Shape shape = Transformed(up, c, c, (direction - 1) * kPi / 2, 1);
  Mask glow(size, size);
  FillMask(glow, WholeImage(arrow), shape);
  BlurMask(glow, 4.0f);
  PaintMask(arrow, glow, Solid(Hex(0xffa040, 0.7f)));
  Fill(arrow, WholeImage(arrow), shape, LinearGradient({c - 30, c - 30}, Hex(0xfff2c8), {c + 30, c + 30}, Hex(0xffc060)));
  return arrow;
}

Image TrailGlow() {
  // A swirl of three arms curling out from a bright eye: turned step by step,
  // it is seen turning. The arms taper and fade towards the rim.
  Image glow(32, 32);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      float dx = x + 0.5f - 16, dy = y + 0.5f - 16;
      float r = std::hypot(dx, dy) / 15.5f;
      float phase = 3 * std::atan2(dy, dx) - kSwirlTwist * r;
      float arm = std::pow(0.5f + 0.5f * std::cos(phase), 2.0f);
      float reach = SmoothStep(0.08f, 0.3f, r) * (1 - SmoothStep(0.62f, 0.98f, r));
      float eye = std::exp(-r * r * 40.0f) * 0.9f;
      glow.At(x, y) = Rgba{1, 1, 1, Clamp01(arm * reach * 1.1f + eye)};
    }
  return glow;
}

Image ShadeGlow() {
  // Multiplied into the floor under an exit or a teleport: a soft dark pool,
  // so that their light reads on light floors too. Outside the pool the
  // picture is white and changes nothing.
  Image pool(32, 32);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      float r = std::hypot(x + 0.5f - 16, y + 0.5f - 16) / 15.5f;
      float depth = 0.75f * (1 - SmoothStep(0.45f, 1.0f, r));
      float keep = 1 - depth;
      pool.At(x, y) = Rgba{keep, keep, keep, 1};
    }
  return pool;
}

Image SparkGlow() {
  Image glow(32, 32);
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) {
      float dx = x + 0.5f - 16, dy = y + 0.5f - 16;
      float r = std::hypot(dx, dy) / 15.5f;
      float core = std::exp(-r * r * 28.0f);
      float halo = std::exp(-r * r * 6.0f) * 0.45f;
      float rays = (std::exp(-std::fabs(dx) * 1.1f) + std::exp(-std::fabs(dy) * 1.1f)) * std::exp(-r * 3.0f) * 0.6f;
      glow.At(x, y) = Rgba{1, 1, 1, Clamp01(core + halo + rays - 0.01f)};
    }
  return glow;
}

}  // namespace mkmedia

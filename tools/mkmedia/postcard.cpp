#include "postcard.h"

#include <cmath>

#include "board_pieces.h"
#include "filters.h"
#include "noise.h"
#include "random.h"
#include "ui_kit.h"

namespace mkmedia {

namespace {

constexpr int kWidth = 800, kHeight = 600;
constexpr float kSunX = 505, kSunY = 262;

Rgba Sky(float x, float y) {
  float t = Clamp01(y / 330);
  Rgba sky = Ramp({Hex(0x141a3a), Hex(0x2a2a5a), Hex(0x6a3a6a), Hex(0xc0605a), Hex(0xf0a060), Hex(0xf8d090)}, t);
  // Clouds: long streaks lit from below by the sun.
  float streak = Fractal(x / 1600, y / 260, 3, 5, 51);
  float cloud = SmoothStep(0.05f, 0.35f, streak) * SmoothStep(40, 120, y) * (1 - SmoothStep(250, 320, y));
  Rgba lit = Mix(Hex(0x5a3050), Hex(0xf8b070), SmoothStep(80, 300, y));
  sky = Mix(sky, lit, cloud * 0.75f);
  float glow = std::exp(-std::hypot(x - kSunX, (y - kSunY) * 1.6f) / 160);
  return Mix(sky, Hex(0xfff0c0), glow * 0.6f);
}

// Ridge heights of the three ranges of hills, as screen y of their tops.
float Ridge(int layer, float x) {
  switch (layer) {
    case 0: return 298 - 38 * std::fabs(Noise1(x / 140, 61)) - 20 * Noise1(x / 50, 62);
    case 1: return 350 - 26 * Noise1(x / 180, 63) - 8 * Noise1(x / 40, 64) - 40 * std::exp(-std::pow((x - 620) / 70, 2.0f));
    default: return 455 - 30 * Noise1(x / 220, 65) - 6 * Noise1(x / 30, 66);
  }
}

void Castle(Image& card, float baseX, float baseY) {
  const Rgba dark = Hex(0x1e1630);
  Bounds b{baseX - 60, baseY - 120, baseX + 60, baseY + 10};
  Shape keep = RoundBox(baseX - 16, baseY - 62, baseX + 16, baseY + 5, 0);
  Shape left = RoundBox(baseX - 44, baseY - 44, baseX - 28, baseY + 5, 0);
  Shape right = RoundBox(baseX + 26, baseY - 50, baseX + 42, baseY + 5, 0);
  Shape wall = RoundBox(baseX - 30, baseY - 26, baseX + 28, baseY + 5, 0);
  Shape roofs = Union(Union(Polygon({{baseX - 19, baseY - 62}, {baseX, baseY - 96}, {baseX + 19, baseY - 62}}),
                            Polygon({{baseX - 47, baseY - 44}, {baseX - 36, baseY - 66}, {baseX - 25, baseY - 44}})),
                      Polygon({{baseX + 23, baseY - 50}, {baseX + 34, baseY - 74}, {baseX + 45, baseY - 50}}));
  Shape merlons = [=](float x, float y) {
    if (y < baseY - 31 || y > baseY - 25) return 9.0f;
    float f = std::fmod(x - (baseX - 30) + 100, 6.0f);
    return (f < 3 ? -1.0f : 1.0f);
  };
  Shape castle = Union(Union(Union(keep, left), Union(right, wall)), Union(roofs, Intersect(merlons, RoundBox(baseX - 30, baseY - 32, baseX + 28, baseY - 25, 0))));
  Fill(card, b, castle, Solid(dark));
  for (Point w : {Point{baseX, baseY - 46}, Point{baseX - 36, baseY - 30}, Point{baseX + 34, baseY - 36}, Point{baseX - 12, baseY - 14},
                  Point{baseX + 12, baseY - 14}}) {
    Fill(card, Around(w.x, w.y, 8), Circle(w.x, w.y, 6), Solid(Hex(0xffa040, 0.25f)), Blend::Add);
    Fill(card, Around(w.x, w.y, 3), RoundBox(w.x - 1.2f, w.y - 2.5f, w.x + 1.2f, w.y + 2.5f, 1), Solid(Hex(0xffd080)));
  }
  Fill(card, {baseX - 1, baseY - 112, baseX + 14, baseY - 94}, Stroke({{baseX, baseY - 96}, {baseX, baseY - 110}}, 1.2f), Solid(dark));
  Fill(card, {baseX - 1, baseY - 112, baseX + 14, baseY - 94}, Polygon({{baseX + 0.5f, baseY - 110}, {baseX + 12, baseY - 106}, {baseX + 0.5f, baseY - 102}}),
       Solid(Hex(0x8a1a24)));
}

void Pine(Image& card, float x, float baseY, float h, Rgba colour) {
  Bounds b{x - h * 0.4f, baseY - h - 2, x + h * 0.4f, baseY + 2};
  std::vector<Point> p = {{x, baseY - h}};
  for (int k = 1; k <= 4; ++k) {
    float y = baseY - h + k * h / 4.6f, w = h * 0.1f * k;
    p.push_back({x + w, y});
    p.push_back({x + w * 0.45f, y});
  }
  p.push_back({x + h * 0.04f, baseY});
  p.push_back({x - h * 0.04f, baseY});
  for (int k = 4; k >= 1; --k) {
    float y = baseY - h + k * h / 4.6f, w = h * 0.1f * k;
    p.push_back({x - w * 0.45f, y});
    p.push_back({x - w, y});
  }
  Fill(card, b, Polygon(p), Solid(colour));
}

void Stamp(Image& card, float x0, float y0) {
  const float w = 104, h = 124;
  // Perforated paper edge.
  Shape paper = [=](float x, float y) {
    float d = BoxDistance(x, y, x0 + w / 2, y0 + h / 2, w / 2, h / 2);
    float px = std::fmod(x - x0 + 1000, 8.0f) - 4, py = std::fmod(y - y0 + 1000, 8.0f) - 4;
    float holeX = std::hypot(px, std::min(std::fabs(y - y0), std::fabs(y - y0 - h))) - 2.4f;
    float holeY = std::hypot(py, std::min(std::fabs(x - x0), std::fabs(x - x0 - w))) - 2.4f;
    return std::max(d, -std::min(holeX, holeY));
  };
  Mask m(kWidth, kHeight);
  FillMask(m, {x0 - 4, y0 - 4, x0 + w + 4, y0 + h + 4}, paper);
  ShadowUnder(card, m, 2, 3, 2.5f, Rgba{0, 0, 0, 0.5f});
  Fill(card, {x0 - 4, y0 - 4, x0 + w + 4, y0 + h + 4}, paper, Solid(Hex(0xf2e8d4)));
  // The stamp's picture: the ball on a deep red ground.
  Fill(card, {x0, y0, x0 + w, y0 + h}, RoundBox(x0 + 9, y0 + 9, x0 + w - 9, y0 + h - 30, 1),
       RadialGradient({x0 + w / 2, y0 + 50}, 60, Hex(0x8a1a24), Hex(0x3a060c)));
  DrawBall(card, x0 + w / 2, y0 + 50, 22);
  TextLook ink;
  ink.fill = Solid(Hex(0x5a0a14));
  PaintText(card, TextStyle{Face::SerifBold, 13, 1.0f}, x0 + w / 2, y0 + h - 12, "MARROWICK", ink, Align::Centre);
  // A wavy postmark across the corner.
  for (int k = 0; k < 4; ++k) {
    std::vector<Point> wave;
    for (int i = 0; i <= 30; ++i) {
      float x = x0 - 70 + i * 4.0f;
      wave.push_back({x, y0 + 78 + k * 9 + 3 * std::sin(i * 0.7f)});
    }
    Fill(card, {x0 - 80, y0 + 60, x0 + 60, y0 + 120}, Stroke(wave, 1.6f), Solid(Hex(0x1a1a2a, 0.45f)));
  }
  Fill(card, Around(x0 - 10, y0 + 92, 34), Ring(x0 - 10, y0 + 92, 28, 2), Solid(Hex(0x1a1a2a, 0.5f)));
}

}  // namespace

Image PostcardPicture() {
  Image card(kWidth, kHeight);
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) card.At(x, y) = Sky(x + 0.5f, y + 0.5f);
  // The sun.
  Fill(card, Around(kSunX, kSunY, 30), Circle(kSunX, kSunY, 24), RadialGradient({kSunX, kSunY}, 24, Hex(0xfffae8), Hex(0xffd890)));

  // Hills, far to near, hazier with distance; a lake below the middle range.
  const Rgba far = Hex(0x6a4a7a), mid = Hex(0x3a2a52), nearHill = Hex(0x1a1428);
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      float fx = x + 0.5f, fy = y + 0.5f;
      Rgba& c = card.At(x, y);
      float r0 = Ridge(0, fx), r1 = Ridge(1, fx);
      if (fy > r0) c = Mix(c, Mix(far, Hex(0xc08080), Clamp01((fy - r0) / 60) * 0.3f), Clamp01(fy - r0));
      if (fy > r1) {
        Rgba hill = Mix(mid, Hex(0x5a3a5a), Fractal(fx / 800, fy / 800, 8, 3, 67) * 0.6f + 0.2f);
        c = Mix(c, hill, Clamp01(fy - r1));
      }
      // The lake mirrors the sky, broken by ripples.
      const float shore = 392;
      if (fy > shore && fy > r1) {
        float ripple = Noise1(fy * 0.9f, 68) * 4 + Noise1(fx / 30 + fy, 69) * 2;
        float mirrored = 2 * shore - fy - 40 + ripple;
        Rgba water = Shade(Sky(fx + ripple * 2, std::max(0.0f, mirrored * 0.8f)), 0.7f);
        // The sun's path on the water: broken glints under the sun.
        float glint = std::exp(-std::pow((fx - kSunX + ripple * 3) / 18, 2.0f)) *
                      SmoothStep(0.2f, 0.8f, Noise1(fy * 1.7f + fx / 9, 72)) * (1 - SmoothStep(shore, shore + 90, fy));
        water = Mix(water, Hex(0xffe0a0), glint * 0.8f);
        float lake = Clamp01(fy - shore) * (1 - SmoothStep(0, 1, std::fabs(fx - 430) / 330 - 0.4f));
        c = Mix(c, water, lake);
      }
    }
  // The castle on its hill, then the near slopes with pines.
  Castle(card, 620, Ridge(1, 620) + 4);
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      float r2 = Ridge(2, x + 0.5f) + 0.02f * std::pow(x - 430, 2.0f) / 20;
      if (y + 0.5f > r2) card.At(x, y) = Mix(card.At(x, y), nearHill, Clamp01(y + 0.5f - r2));
    }
  Random r(70);
  for (int k = 0; k < 26; ++k) {
    float x = k < 13 ? static_cast<float>(r.Range(0, 260)) : static_cast<float>(r.Range(650, 800));
    float base = Ridge(2, x) + 0.02f * std::pow(x - 430, 2.0f) / 20 + 12;
    Pine(card, x, base, static_cast<float>(r.Range(50, 110)), Hex(0x100c1a));
  }
  // A winding road up from the shore, with the ball rolling on it.
  std::vector<Point> road;
  for (int i = 0; i <= 40; ++i) {
    float t = i / 40.0f;
    road.push_back({470 + 90 * t + 25 * std::sin(t * 6), 600 - 140 * t});
  }
  Fill(card, {400, 440, 620, 600}, Stroke(road, 7), Solid(Hex(0x3a2a3a, 0.9f)));
  Fill(card, {400, 440, 620, 600}, Stroke(road, 3), Solid(Hex(0x6a4a4a, 0.8f)));
  Point ball = road[18];
  Fill(card, Around(ball.x, ball.y, 60), Circle(ball.x, ball.y, 50), RadialGradient({ball.x, ball.y}, 50, Hex(0xff9030, 0.45f), Hex(0xff6010, 0.0f)),
       Blend::Add);
  for (int i = 4; i < 18; ++i) {
    Point p = road[i];
    float s = (i - 3) / 15.0f;
    Fill(card, Around(p.x, p.y, 8), Circle(p.x, p.y, 1.5f + 2.5f * s), Solid(Hex(0xff7a10, 0.5f * s)), Blend::Add);
  }
  DrawBall(card, ball.x, ball.y - 4, 10);

  // The left side is shaded so the menu reads clearly over it.
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      float k = 0.42f + 0.58f * SmoothStep(300, 470, x + 40 * Noise1(y / 90.0f, 71));
      Rgba& c = card.At(x, y);
      c = Shade(c, k);
    }
  TextLook title;
  title.fill = GoldPaint(90, 152);
  title.shadow = Rgba{0, 0, 0, 0.8f};
  title.shadowBlur = 4;
  title.shadowDy = 3;
  title.glow = Hex(0xff9040, 0.35f);
  title.glowRadius = 12;
  PaintText(card, TextStyle{Face::SerifBold, 64, 1}, 226, 148, "Marrowick", title, Align::Centre);
  TextLook sub;
  sub.fill = Solid(Hex(0xe8d4b0));
  sub.shadow = Rgba{0, 0, 0, 0.8f};
  PaintText(card, TextStyle{Face::SerifItalic, 22, 0.5f}, 226, 182, "a rolling puzzle in seventeen lands", sub, Align::Centre);
  Stamp(card, 664, 22);
  return card;
}

Image LogoPicture() {
  Image logo(kWidth, kHeight);
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      float r = std::hypot(x - 400.0f, (y - 300.0f) * 1.2f) / 500;
      float n = Fractal(x / 800.0f, y / 800.0f, 4, 4, 81);
      logo.At(x, y) = Shade(Mix(Hex(0x4a0c16), Hex(0x0c0204), Clamp01(r + n * 0.15f)), 1);
    }
  // The ball's trail sweeps in from the left and curls under the title.
  std::vector<Point> trail;
  for (int i = 0; i <= 120; ++i) {
    float t = i / 120.0f;
    trail.push_back({90 + t * 560, 380 + 40 * std::sin(t * 3.3f + 0.6f) - 30 * t});
  }
  Image light(kWidth, kHeight, Rgba{0, 0, 0, 1});
  for (size_t i = 0; i < trail.size(); ++i) {
    float s = static_cast<float>(i) / trail.size();
    Point p = trail[i];
    Fill(light, Around(p.x, p.y, 14), Circle(p.x, p.y, 2 + 7 * s), Solid(Hex(0xff6a10, 0.05f + 0.12f * s)), Blend::Add);
    Fill(light, Around(p.x, p.y, 5), Circle(p.x, p.y, 0.8f + 1.4f * s), Solid(Hex(0xffc060, 0.3f * s)), Blend::Add);
  }
  BlurImage(light, 2.5f);
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) BlendPixel(logo.At(x, y), light.At(x, y), 1, Blend::Add);
  Point head = trail.back();
  Fill(logo, Around(head.x, head.y, 90), Circle(head.x, head.y, 80),
       RadialGradient(head, 80, Hex(0xff9030, 0.5f), Hex(0xff5010, 0)), Blend::Add);
  DrawBall(logo, head.x, head.y, 24);

  TextLook title;
  title.fill = GoldPaint(196, 282);
  title.shadow = Rgba{0, 0, 0, 0.9f};
  title.shadowBlur = 5;
  title.shadowDy = 4;
  title.glow = Hex(0xff8a30, 0.4f);
  title.glowRadius = 16;
  PaintText(logo, TextStyle{Face::SerifBold, 104, 2}, 400, 276, "Marrowick", title, Align::Centre);
  Flourish(logo, 400, 306, 200, Hex(0xd8b060));
  TextLook sub;
  sub.fill = Solid(Hex(0xe8d4b0));
  PaintText(logo, TextStyle{Face::SerifItalic, 26, 0.5f}, 400, 344, "a rolling puzzle", sub, Align::Centre);
  return logo;
}

}  // namespace mkmedia

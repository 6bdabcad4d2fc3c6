#include "world_map.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "filters.h"
#include "menus/world_route.h"
#include "map_landmarks.h"
#include "noise.h"
#include "random.h"
#include "ui_kit.h"

namespace mkmedia {

namespace {

constexpr int kWidth = 800, kHeight = 600;
constexpr float kPi = 3.14159265f;
// One completed group of levels lengthens the route by this much.
constexpr float kStageLength = 117;
constexpr int kStages = 15;

using world_route::kPieces;

Point Bezier(const int* p, float t) {
  float s = 1 - t;
  // Control points in curve order: start, first control, second control, end.
  float x = s * s * s * p[0] + 3 * s * s * t * p[2] + 3 * s * t * t * p[6] + t * t * t * p[4];
  float y = s * s * s * p[1] + 3 * s * s * t * p[3] + 3 * s * t * t * p[7] + t * t * t * p[5];
  return {x, y};
}

// Approximate Euclidean distance to the nearest set cell (two chamfer passes).
Mask DistanceField(const Mask& seeds) {
  const int w = seeds.Width(), h = seeds.Height();
  Mask d(w, h, 1e6f);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (seeds.At(x, y) > 0.5f) d.At(x, y) = 0;
  const float a = 1.0f, b = 1.41421356f;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      float v = d.At(x, y);
      if (x > 0) v = std::min(v, d.At(x - 1, y) + a);
      if (y > 0) {
        v = std::min(v, d.At(x, y - 1) + a);
        if (x > 0) v = std::min(v, d.At(x - 1, y - 1) + b);
        if (x < w - 1) v = std::min(v, d.At(x + 1, y - 1) + b);
      }
      d.At(x, y) = v;
    }
  for (int y = h - 1; y >= 0; --y)
    for (int x = w - 1; x >= 0; --x) {
      float v = d.At(x, y);
      if (x < w - 1) v = std::min(v, d.At(x + 1, y) + a);
      if (y < h - 1) {
        v = std::min(v, d.At(x, y + 1) + a);
        if (x < w - 1) v = std::min(v, d.At(x + 1, y + 1) + b);
        if (x > 0) v = std::min(v, d.At(x - 1, y + 1) + b);
      }
      d.At(x, y) = v;
    }
  return d;
}

Mask Seeds(const std::vector<Point>& line, float width) {
  Mask m(kWidth, kHeight);
  for (size_t i = 1; i < line.size(); ++i) {
    Point a = line[i - 1], b = line[i];
    FillMask(m, {std::min(a.x, b.x) - width, std::min(a.y, b.y) - width, std::max(a.x, b.x) + width, std::max(a.y, b.y) + width},
             Stroke({a, b}, width));
  }
  return m;
}

// The river runs from a spring in the east down the valley between the two
// roads into the lake in the west.
std::vector<Point> River() {
  std::vector<Point> river;
  for (int k = 0; k <= 60; ++k) {
    float t = k / 60.0f;
    float x = 565 - t * (565 - 232);
    float y = 279 + 3.5f * std::sin(t * 17) + 1.5f * std::sin(t * 41);
    river.push_back({x, y});
  }
  return river;
}

constexpr float kLakeX = 186, kLakeY = 272;

float LakeDistance(float x, float y) {
  float a = std::atan2(y - kLakeY, x - kLakeX);
  float r = 46 + 6 * Noise1(a * 2.2f + 7, 901) + 3 * Noise1(a * 6 + 1, 902);
  return std::hypot((x - kLakeX) * 0.95f, (y - kLakeY) * 0.82f) - r;
}

void Mountain(Image& map, float x, float y, float size, Random& r) {
  const Rgba ink = Hex(0x3a2a1a);
  float h = size * static_cast<float>(r.Range(0.9, 1.3));
  Point peak{x + static_cast<float>(r.Range(-1.5, 1.5)), y - h}, left{x - size, y}, right{x + size, y};
  Bounds b{x - size - 2, y - h - 2, x + size + 2, y + 2};
  Fill(map, b, Polygon({peak, right, left}), Solid(Hex(0xb8a07a, 0.9f)));
  Fill(map, b, Polygon({peak, {x + size * 0.15f, y}, left}), Solid(Hex(0xe8d8b0, 0.8f)));
  Fill(map, b, Stroke({left, peak, right}, 1.1f), Solid(ink));
  for (int k = 1; k <= 3; ++k) {
    float t = k / 4.0f;
    Point p{peak.x + (right.x - peak.x) * t, peak.y + (right.y - peak.y) * t};
    Fill(map, b, Stroke({p, {p.x - size * 0.25f, p.y + h * 0.2f}}, 0.7f), Solid(WithAlpha(ink, 0.7f)));
  }
  if (size > 8) {  // snow on the tall ones
    Fill(map, b, Polygon({peak, {peak.x + size * 0.28f, peak.y + h * 0.28f}, {peak.x - size * 0.28f, peak.y + h * 0.28f}}),
         Solid(Hex(0xfaf6ee)));
    Fill(map, b, Stroke({{peak.x - size * 0.28f, peak.y + h * 0.28f}, peak, {peak.x + size * 0.28f, peak.y + h * 0.28f}}, 1.0f), Solid(ink));
  }
}

void Tree(Image& map, float x, float y, float size, Rgba leaf) {
  const Rgba ink = Hex(0x2a2418);
  Bounds b = Around(x, y - size, size * 2 + 2);
  Fill(map, b, Stroke({{x, y}, {x, y - size * 0.8f}}, 1.0f), Solid(ink));
  Fill(map, b, Circle(x, y - size * 1.1f, size * 0.75f), Solid(leaf));
  Fill(map, b, Ring(x, y - size * 1.1f, size * 0.75f, 0.9f), Solid(ink));
}

void Town(Image& map, float x, float y) {
  const Rgba ink = Hex(0x2a1a10);
  for (int k = -1; k <= 1; ++k) {
    float hx = x + k * 7, hy = y + (k == 0 ? -3 : 0);
    Bounds b = Around(hx, hy, 9);
    Shape house = Polygon({{hx - 3.5f, hy}, {hx - 3.5f, hy - 5}, {hx, hy - 9}, {hx + 3.5f, hy - 5}, {hx + 3.5f, hy}});
    Fill(map, b, house, Solid(Hex(0xc87a5a)));
    Fill(map, b, Polygon({{hx - 4.2f, hy - 4.6f}, {hx, hy - 9.5f}, {hx + 4.2f, hy - 4.6f}}), Solid(Hex(0x8a2a1a)));
    Fill(map, b, Subtract(Grow(house, 0.5f), Grow(house, -0.5f)), Solid(ink));
  }
}

void CompassRose(Image& map, float cx, float cy, float r) {
  const Rgba ink = Hex(0x2a1a10);
  Fill(map, Around(cx, cy, r + 4), Ring(cx, cy, r * 0.72f, 1.2f), Solid(ink));
  Fill(map, Around(cx, cy, r + 4), Ring(cx, cy, r * 0.62f, 0.7f), Solid(ink));
  for (int k = 0; k < 8; ++k) {
    float a = k * kPi / 4 - kPi / 2, len = k % 2 ? r * 0.6f : r;
    Point tip{cx + std::cos(a) * len, cy + std::sin(a) * len};
    Point l{cx + std::cos(a - kPi / 2) * r * 0.13f, cy + std::sin(a - kPi / 2) * r * 0.13f};
    Point rr{cx + std::cos(a + kPi / 2) * r * 0.13f, cy + std::sin(a + kPi / 2) * r * 0.13f};
    Fill(map, Around(cx, cy, r + 2), Polygon({tip, l, {cx, cy}}), Solid(k % 2 ? Hex(0x8a6a3a) : Hex(0x8a1a14)));
    Fill(map, Around(cx, cy, r + 2), Polygon({tip, {cx, cy}, rr}), Solid(Hex(0xf0e2c0)));
    Fill(map, Around(cx, cy, r + 2), Stroke({l, tip, rr}, 0.8f), Solid(ink));
  }
  TextLook look;
  look.fill = Solid(ink);
  PaintText(map, TextStyle{Face::SerifBold, 16, 0}, cx, cy - r - 4, "N", look, Align::Centre);
}

struct Waymark {
  Point at;
  Point along;  // unit direction of travel
};

// A point of a piece the way the map screen computes it: the cubic in power
// form in single precision, truncated to whole pixels.
Point ScreenPoint(const int* p, float t) {
  auto axis = [t](float p0, float p1, float p2, float p3) {
    float c = 3 * (p1 - p0), b = 3 * (p2 - p1) - c, a = p3 - p0 - c - b;
    float t2 = t * t, t3 = t2 * t;
    return std::trunc(a * t3 + b * t2 + c * t + p0);
  };
  return {axis(p[0], p[2], p[6], p[4]), axis(p[1], p[3], p[7], p[5])};
}

// A piece's length as the map screen measures it: 100 chords between truncated points.
float ScreenLength(const int* p) {
  float length = 0;
  Point previous = ScreenPoint(p, 0);
  for (int i = 0; i <= 100; ++i) {
    Point current = ScreenPoint(p, i * 1.0f / 100);
    length += std::hypot(current.x - previous.x, current.y - previous.y);
    previous = current;
  }
  return length;
}

// Where each stage of the journey ends (stage k after k completed groups),
// found along the pieces as the map screen walks them, so the waymarks sit
// where the growing path stops.
std::vector<Waymark> StageEnds() {
  std::vector<Waymark> marks;
  float before = 0;
  int k = 0;
  for (int stage = 1; stage <= kStages; ++stage) {
    const float target = stage * kStageLength;
    while (k < 27 && target - before > ScreenLength(kPieces[k])) before += ScreenLength(kPieces[k++]);
    const float u = std::min(1.0f, (target - before) / ScreenLength(kPieces[k]));
    Point at = ScreenPoint(kPieces[k], u);
    Point a = Bezier(kPieces[k], std::max(0.0f, u - 0.02f)), b = Bezier(kPieces[k], std::min(1.0f, u + 0.02f));
    float d = std::max(1e-3f, std::hypot(b.x - a.x, b.y - a.y));
    marks.push_back({at, {(b.x - a.x) / d, (b.y - a.y) / d}});
  }
  return marks;
}

}  // namespace

std::vector<Point> WorldRoute() {
  std::vector<Point> route;
  for (const auto& piece : kPieces)
    for (int k = 0; k < 24; ++k) route.push_back(Bezier(piece, k / 24.0f));
  route.push_back(route.front());
  return route;
}

Image WorldMapPicture() {
  const std::vector<Point> route = WorldRoute();
  const std::vector<Point> river = River();
  const Mask routeDistance = DistanceField(Seeds(route, 1.5f));
  const Mask riverMask = Seeds(river, 1.5f);

  // Elevation: rising to the east, with the lake and the valley low.
  auto elevation = [&](float x, float y) {
    float e = Fractal(x / 800, y / 800, 3, 5, 903) * 0.5f + 0.1f + SmoothStep(520, 720, x) * 0.35f;
    e -= 0.3f * (1 - SmoothStep(0, 40, std::fabs(y - 279))) * SmoothStep(230, 300, x) * (1 - SmoothStep(560, 600, x));
    return e;
  };
  // How far inside the coast each pixel lies (negative out at sea).
  Mask coast(kWidth, kHeight);
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x)
      coast.At(x, y) = 78 + Fractal(x / 800.0f, y / 800.0f, 4, 5, 904) * 55 - routeDistance.At(x, y);
  auto landness = [&](int x, int y) { return coast.At(x, y); };

  Image map(kWidth, kHeight);
  Mask height(kWidth, kHeight);
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) height.At(x, y) = landness(x, y) > 0 ? elevation(x + 0.5f, y + 0.5f) : 0;
  Mask shade = Relief(height, 60.0f, false);

  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      float u = x / 800.0f, v = y / 800.0f;
      float paper = Fractal(u, v, 6, 5, 905);
      float land = landness(x, y);
      Rgba c;
      if (land > 0) {
        float e = height.At(x, y);
        c = Ramp({Hex(0x6e8a4a), Hex(0x8a9a58), Hex(0xa89a64), Hex(0x9a8a6a)}, Clamp01(e * 1.3f + paper * 0.2f));
        c = Shade(c, 0.6f + 0.4f * shade.At(x, y));
        // Ink coastline and a pale beach inside it.
        c = Mix(c, Hex(0xc8b486), 1 - SmoothStep(1.5f, 5, land));
        c = Mix(c, Hex(0x2a1e12), 1 - SmoothStep(0.6f, 1.6f, land));
      } else {
        float depth = -land;
        c = Ramp({Hex(0x3e6a70), Hex(0x2e5660), Hex(0x24424e)}, Clamp01(depth / 120) + paper * 0.2f);
        // Ripple lines following the coast, fading out to sea.
        float ring = std::fabs(std::fmod(depth, 7.0f) - 3.5f);
        c = Mix(c, Hex(0x9ab8b4), (1 - SmoothStep(0.3f, 0.9f, ring)) * (1 - SmoothStep(0, 30, depth)) * 0.5f);
      }
      // Old paper: darker towards the edges.
      float edge = std::min({x, y, kWidth - 1 - x, kHeight - 1 - y}) / 70.0f;
      c = Shade(c, (0.7f + 0.3f * SmoothStep(0, 1, edge)) * (0.95f + paper * 0.1f));
      map.At(x, y) = WithAlpha(c, 1);
    }

  // The lake and the river.
  Fill(map, {100, 180, 280, 370}, [&](float x, float y) { return LakeDistance(x, y); },
       [](float x, float y) { return Mix(Hex(0x3e7a86), Hex(0x2a5a6a), Clamp01(1.2f - std::hypot(x - kLakeX, y - kLakeY) / 45)); });
  Fill(map, {100, 180, 280, 370}, [&](float x, float y) { return std::fabs(LakeDistance(x, y)) - 0.7f; }, Solid(Hex(0x2a1e12)));
  PaintMask(map, riverMask, Solid(Hex(0x3e7a86)));
  for (size_t i = 1; i < river.size(); ++i) {
    Point a = river[i - 1], b = river[i];
    Bounds bb{std::min(a.x, b.x) - 3, std::min(a.y, b.y) - 3, std::max(a.x, b.x) + 3, std::max(a.y, b.y) + 3};
    Fill(map, bb, [=](float x, float y) { return std::fabs(SegmentDistance(x, y, a, b) - 1.8f) - 0.4f; }, Solid(Hex(0x2a1e12, 0.7f)));
  }

  // Mountains in the high east, woods in the low middle; none on the road or in the water.
  Random r(906);
  std::vector<Point> placed;
  // Each land's sign stands beside the waymark that ends its stage, on
  // whichever side of the road has more room; the last stage ends back at the
  // start, where the treasury's crown waits on the other side of the road.
  std::vector<std::pair<int, Point>> signs;
  {
    const std::vector<Waymark> marks = StageEnds();
    const Point start = route.front(), next = route[1];
    const float len = std::hypot(next.x - start.x, next.y - start.y);
    const Waymark home{start, {(next.x - start.x) / len, (next.y - start.y) / len}};
    auto room = [&](Point p) {
      int ix = static_cast<int>(p.x), iy = static_cast<int>(p.y);
      if (ix < 24 || iy < 24 || ix >= kWidth - 24 || iy >= kHeight - 24) return -1.0f;
      float water = std::min(LakeDistance(p.x, p.y), (p.x > 225 && p.x < 575) ? std::fabs(p.y - 279) : 99.0f);
      return std::min({routeDistance.At(ix, iy), landness(ix, iy) - 6, water});
    };
    auto beside = [&](const Waymark& m, bool roomier) {
      Point normal{-m.along.y, m.along.x};
      Point a{m.at.x + normal.x * 19, m.at.y + normal.y * 19}, b{m.at.x - normal.x * 19, m.at.y - normal.y * 19};
      return (room(a) >= room(b)) == roomier ? a : b;
    };
    for (size_t k = 0; k < marks.size(); ++k) signs.push_back({static_cast<int>(k) + 1, beside(marks[k], true)});
    signs.push_back({16, beside(home, false)});
  }
  auto clear = [&](float x, float y, float room) {
    int ix = static_cast<int>(x), iy = static_cast<int>(y);
    if (ix < 20 || iy < 20 || ix >= kWidth - 20 || iy >= kHeight - 20) return false;
    if (routeDistance.At(ix, iy) < room || landness(ix, iy) < room) return false;
    if (LakeDistance(x, y) < room * 0.6f || (std::fabs(y - 279) < 8 && x > 225 && x < 575)) return false;
    for (Point p : placed)
      if (std::hypot(p.x - x, p.y - y) < room * 1.1f) return false;
    for (const auto& sign : signs)
      if (std::hypot(sign.second.x - x, sign.second.y - y) < 16 + room) return false;
    return true;
  };
  std::vector<Point> mountains, trees;
  for (int k = 0; k < 4000; ++k) {
    float x = static_cast<float>(r.Range(0, kWidth)), y = static_cast<float>(r.Range(0, kHeight));
    float e = elevation(x, y);
    if (e > 0.42f && clear(x, y + 4, 11)) {
      placed.push_back({x, y});
      mountains.push_back({x, y});
    } else if (e < 0.3f && Fractal(x / 800, y / 800, 5, 3, 907) > 0.05f && clear(x, y, 7)) {
      placed.push_back({x, y});
      trees.push_back({x, y});
    }
  }
  // Draw back to front so nearer symbols overlap farther ones.
  std::sort(mountains.begin(), mountains.end(), [](Point a, Point b) { return a.y < b.y; });
  std::sort(trees.begin(), trees.end(), [](Point a, Point b) { return a.y < b.y; });
  for (Point p : mountains) Mountain(map, p.x, p.y + 6, static_cast<float>(r.Range(7, 11)), r);
  for (Point p : trees) Tree(map, p.x, p.y + 4, static_cast<float>(r.Range(3.5, 5)), Mix(Hex(0x3e5a2a), Hex(0x5a7a34), static_cast<float>(r.Unit())));
  for (Point p : {Point{238, 200}, Point{455, 228}, Point{470, 330}, Point{712, 318}}) Town(map, p.x, p.y);
  for (const auto& [land, at] : signs) DrawLandmark(map, land, at.x, at.y);

  // The road: a dotted brown track; the game lights it up as groups are completed.
  // The edges all go down first, so no piece's edge covers its neighbour's surface.
  for (float width : {4.2f, 2.2f})
    for (size_t i = 1; i < route.size(); ++i) {
      Point a = route[i - 1], b = route[i];
      Bounds bb{std::min(a.x, b.x) - 4, std::min(a.y, b.y) - 4, std::max(a.x, b.x) + 4, std::max(a.y, b.y) + 4};
      Fill(map, bb, Stroke({a, b}, width), Solid(width > 3 ? Hex(0x2a1e12, 0.45f) : Hex(0xc8a870, 0.9f)));
    }
  // Waymarks where each stage of the journey ends, and the starting flag.
  for (const Waymark& m : StageEnds()) {
    Fill(map, Around(m.at.x, m.at.y, 6), Circle(m.at.x, m.at.y, 4.2f), Solid(Hex(0x2a1e12)));
    Fill(map, Around(m.at.x, m.at.y, 6), Circle(m.at.x, m.at.y, 3.0f), Solid(Hex(0xe8d4a0)));
  }
  const Point start = route.front();
  Fill(map, Around(start.x, start.y - 10, 14), Stroke({{start.x, start.y}, {start.x, start.y - 18}}, 1.4f), Solid(Hex(0x2a1e12)));
  Fill(map, Around(start.x + 5, start.y - 15, 8), Polygon({{start.x + 0.5f, start.y - 18}, {start.x + 11, start.y - 15}, {start.x + 0.5f, start.y - 12}}),
       Solid(Hex(0xa01a14)));

  // Title cartouche, compass and frame.
  Parchment(map, {40, 488, 320, 572}, 10, 908);
  TextLook ink;
  ink.fill = Solid(Hex(0x3a2410));
  PaintText(map, TextStyle{Face::SerifBold, 30, 1}, 180, 528, "Marrowick", ink, Align::Centre);
  PaintText(map, TextStyle{Face::SerifItalic, 15, 0}, 180, 550, "the road through the seventeen lands", ink, Align::Centre);
  CompassRose(map, 712, 500, 44);
  Shape border = Subtract(RoundBox(12, 12, kWidth - 12, kHeight - 12, 2), RoundBox(15, 15, kWidth - 15, kHeight - 15, 1));
  Fill(map, WholeImage(map), border, Solid(Hex(0x2a1e12, 0.85f)));
  Shape inner = Subtract(RoundBox(19, 19, kWidth - 19, kHeight - 19, 1), RoundBox(20, 20, kWidth - 20, kHeight - 20, 1));
  Fill(map, WholeImage(map), inner, Solid(Hex(0x2a1e12, 0.6f)));
  return map;
}

Image LevelSquaresPicture() {
  // Five little squares, one per level of a group.
  Image squares(200, 40);
  for (int i = 0; i < 5; ++i) {
    float x = 4 + i * 40.0f;
    Fill(squares, {x, 4, x + 32, 36}, RoundBox(x, 4, x + 32, 36, 5), LinearGradient({x, 4}, Hex(0xf0d080), {x + 32, 36}, Hex(0x9a6a20)));
    Fill(squares, {x, 4, x + 32, 36}, Subtract(RoundBox(x, 4, x + 32, 36, 5), RoundBox(x + 2, 6, x + 30, 34, 4)), Solid(Hex(0x3a2410)));
  }
  return squares;
}

}  // namespace mkmedia

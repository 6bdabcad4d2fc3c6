#include "tutorial_diagrams.h"

#include <cmath>
#include <vector>

#include "board_pieces.h"
#include "shapes.h"
#include "tokens_digits.h"
#include "ui_kit.h"

namespace mkmedia {

namespace {

constexpr float kPi = 3.14159265f;
constexpr float kCellSize = 30;
const Rgba kInk = Hex(0x3a2410);

// A little board of cells, drawn in ink: '#' wall, 'L' locked wall, 'G' open gateway.
class Sketch {
 public:
  Sketch(Image& image, float x, float y) : image_(image), x_(x), y_(y) {}

  Point Centre(float col, float row) const { return {x_ + (col + 0.5f) * kCellSize, y_ + (row + 0.5f) * kCellSize}; }

  void Grid(int cols, int rows) {
    Bounds b{x_ - 2, y_ - 2, x_ + cols * kCellSize + 2, y_ + rows * kCellSize + 2};
    for (int c = 0; c <= cols; ++c)
      Fill(image_, b, Stroke({{x_ + c * kCellSize, y_}, {x_ + c * kCellSize, y_ + rows * kCellSize}}, 0.6f),
           Solid(WithAlpha(kInk, 0.25f)));
    for (int r = 0; r <= rows; ++r)
      Fill(image_, b, Stroke({{x_, y_ + r * kCellSize}, {x_ + cols * kCellSize, y_ + r * kCellSize}}, 0.6f),
           Solid(WithAlpha(kInk, 0.25f)));
  }

  void Wall(int col, int row) {
    float x0 = x_ + col * kCellSize + 1, y0 = y_ + row * kCellSize + 1;
    Bounds b{x0 - 1, y0 - 1, x0 + kCellSize, y0 + kCellSize};
    Fill(image_, b, RoundBox(x0, y0, x0 + kCellSize - 2, y0 + kCellSize - 2, 2), Solid(Hex(0x8a6a44, 0.75f)));
    // Cross-hatching, as in a pen drawing.
    for (float k = -kCellSize; k < kCellSize; k += 4.5f)
      Fill(image_, b, Intersect(Stroke({{x0 + k, y0 + kCellSize}, {x0 + k + kCellSize, y0}}, 0.7f),
                                RoundBox(x0, y0, x0 + kCellSize - 2, y0 + kCellSize - 2, 2)),
           Solid(WithAlpha(kInk, 0.55f)));
    Fill(image_, b, Subtract(RoundBox(x0, y0, x0 + kCellSize - 2, y0 + kCellSize - 2, 2),
                             RoundBox(x0 + 1.2f, y0 + 1.2f, x0 + kCellSize - 3.2f, y0 + kCellSize - 3.2f, 1.5f)),
         Solid(kInk));
  }

  void Gateway(int col, int row) {
    float x0 = x_ + col * kCellSize + 3, y0 = y_ + row * kCellSize + 3, s = kCellSize - 6;
    Bounds b{x0 - 2, y0 - 2, x0 + s + 2, y0 + s + 2};
    for (int k = 0; k < 4; ++k) {
      float t0 = k / 4.0f + 0.04f, t1 = k / 4.0f + 0.21f;
      for (int side = 0; side < 4; ++side) {
        auto at = [&](float t) -> Point {
          switch (side) {
            case 0: return {x0 + t * s, y0};
            case 1: return {x0 + s, y0 + t * s};
            case 2: return {x0 + s - t * s, y0 + s};
            default: return {x0, y0 + s - t * s};
          }
        };
        Fill(image_, b, Stroke({at(t0), at(t1)}, 1.1f), Solid(kInk));
      }
    }
  }

  void Ball(float col, float row) {
    Point p = Centre(col, row);
    DrawBall(image_, p.x, p.y, kCellSize * 0.38f);
    Fill(image_, Around(p.x, p.y, 13), Ring(p.x, p.y, kCellSize * 0.38f, 0.9f), Solid(WithAlpha(kInk, 0.7f)));
  }

  // A dashed path with an arrow head at its end.
  void Path(std::vector<Point> cells) {
    std::vector<Point> pts;
    for (Point c : cells) pts.push_back(Centre(c.x, c.y));
    for (size_t i = 1; i < pts.size(); ++i) {
      Point a = pts[i - 1], b = pts[i];
      float len = std::hypot(b.x - a.x, b.y - a.y);
      for (float t = 0; t < len - 12; t += 7) {
        float t1 = std::min(t + 4, len - 10);
        Point p0{a.x + (b.x - a.x) * t / len, a.y + (b.y - a.y) * t / len};
        Point p1{a.x + (b.x - a.x) * t1 / len, a.y + (b.y - a.y) * t1 / len};
        Fill(image_, Bounds{std::min(p0.x, p1.x) - 3, std::min(p0.y, p1.y) - 3, std::max(p0.x, p1.x) + 3, std::max(p0.y, p1.y) + 3},
             Stroke({p0, p1}, 1.6f), Solid(Hex(0x8a1420)));
      }
      if (i + 1 == pts.size()) {
        float dx = (b.x - a.x) / len, dy = (b.y - a.y) / len;
        Point tip{b.x - dx * 6, b.y - dy * 6};
        Fill(image_, Around(tip.x, tip.y, 9),
             Polygon({tip, {tip.x - dx * 8 - dy * 5, tip.y - dy * 8 + dx * 5}, {tip.x - dx * 8 + dy * 5, tip.y - dy * 8 - dx * 5}}),
             Solid(Hex(0x8a1420)));
      }
    }
  }

  // Dots of light in a ring (the exit, gold) or a swirl (a teleport, in the
  // blue of the first pair), as the particles show them.
  void Lights(float col, float row, bool swirl) {
    Point c = Centre(col, row);
    const Rgba halo = swirl ? Hex(0x3a8aff, 0.35f) : Hex(0xffb830, 0.35f);
    const Rgba dot = swirl ? Hex(0x1450c8) : Hex(0xc07800);
    for (int k = 0; k < 14; ++k) {
      float a = k * 2 * kPi / 14, r = swirl ? 3 + k * 0.8f : 10;
      if (swirl) a *= 1.6f;
      Point p{c.x + std::cos(a) * r, c.y + std::sin(a) * r};
      Fill(image_, Around(p.x, p.y, 4), Circle(p.x, p.y, 2.6f), Solid(halo));
      Fill(image_, Around(p.x, p.y, 3), Circle(p.x, p.y, 1.3f), Solid(dot));
    }
  }

 private:
  Image& image_;
  float x_, y_;
};

void Caption(Image& image, float x, float y, const char* text) {
  TextLook look;
  look.fill = Solid(Hex(0x6a4a24));
  PaintText(image, TextStyle{Face::SerifItalic, 15, 0}, x, y, text, look, Align::Centre);
}

}  // namespace

bool HasTutorialDiagram(int page) { return page >= 0 && page <= 9; }

void TutorialDiagram(Image& image, int page, float x, float y) {
  Sketch s(image, x + 10, y + 16);
  const float mid = x + 100;
  switch (page) {
    case 0:
      s.Grid(6, 5);
      s.Wall(5, 1);
      s.Wall(0, 4);
      s.Wall(1, 4);
      s.Wall(3, 3);
      s.Ball(0, 1);
      s.Path({{0, 1}, {4, 1}});
      s.Path({{4, 1.2f}, {4, 2.8f}});
      s.Lights(4, 3, false);
      Caption(image, mid, y + 190, "The ball rolls until it is stopped.");
      Caption(image, mid, y + 210, "The ring of light is the exit.");
      break;
    case 1:
      s.Grid(6, 5);
      s.Wall(2, 3);
      s.Ball(1, 1);
      s.Path({{1, 1}, {6.2f, 1}});
      Caption(image, mid, y + 190, "Off the edge:");
      Caption(image, mid, y + 210, "back to the start.");
      break;
    case 2:
      s.Grid(6, 5);
      s.Ball(0, 1);
      s.Lights(3, 1, true);
      s.Lights(2, 3.4f, true);
      s.Path({{0, 1}, {2.6f, 1}});
      s.Path({{2.4f, 3.4f}, {5, 3.4f}});
      s.Wall(5, 1);
      Caption(image, mid, y + 190, "In at one swirl, out of its twin,");
      Caption(image, mid, y + 210, "rolling the same way.");
      break;
    case 3: {
      s.Grid(6, 5);
      Point k = s.Centre(1, 2);
      DrawKey(image, k.x, k.y, 0.85f, false);
      s.Wall(4, 2);
      Point l = s.Centre(4, 2);
      DrawPadlock(image, l.x, l.y - 1, 0.8f);
      s.Path({{1.4f, 2}, {3.4f, 2}});
      Caption(image, mid, y + 190, "The gold key opens");
      Caption(image, mid, y + 210, "every locked wall.");
      break;
    }
    case 4: {
      s.Grid(6, 5);
      Point k = s.Centre(1, 2);
      DrawKey(image, k.x, k.y, 0.85f, true);
      s.Gateway(3, 2);
      s.Wall(4, 2);
      s.Path({{1.4f, 2}, {2.6f, 2}});
      Caption(image, mid, y + 190, "The silver key turns open");
      Caption(image, mid, y + 210, "gateways into walls.");
      break;
    }
    case 5: {
      Image tokens = TokensPicture();
      for (int i = 0; i < 5; ++i) {
        float cy = y + 30 + i * 34, cx = mid;
        Fill(image, Around(cx, cy, 20), Circle(cx, cy, 16), Solid(Hex(0x6a4a24, 0.25f)));
        if (i < 3) image.Paste(tokens.Crop(i == 1 ? 40 : 0, 0, 40, 40), static_cast<int>(cx - 20), static_cast<int>(cy - 20));
      }
      Caption(image, mid, y + 210, "Gold: solved. Silver: skipped.");
      break;
    }
    case 6: {
      Image tokens = TokensPicture();
      for (int i = 0; i < 5; ++i) {
        float a = kPi + i * kPi / 4, cx = mid + std::cos(a) * 60, cy = y + 120 + std::sin(a) * 60;
        image.Paste(tokens.Crop(0, 0, 40, 40), static_cast<int>(cx - 20), static_cast<int>(cy - 20));
      }
      DrawBall(image, mid, y + 110, 22);
      Caption(image, mid, y + 190, "Sixteen lands crossed, one to go.");
      break;
    }
    case 7:
      s.Grid(6, 5);
      s.Wall(4, 0);
      s.Wall(2, 4);
      s.Wall(0, 3);
      s.Ball(0, 0);
      s.Lights(3, 2, false);
      s.Path({{0, 0}, {3, 0}});
      s.Path({{3, 0.2f}, {3, 1.8f}});
      Caption(image, mid, y + 190, "Two moves to the exit,");
      Caption(image, mid, y + 210, "found from the exit back.");
      break;
    case 8:
      s.Grid(6, 5);
      s.Wall(5, 0);
      s.Wall(1, 3);
      s.Wall(4, 4);
      s.Ball(0, 0);
      s.Path({{0, 0}, {4, 0}});
      s.Path({{4, 0.2f}, {4, 3}});
      s.Path({{3.8f, 3}, {2, 3}});
      Caption(image, mid, y + 190, "Each wall is a place");
      Caption(image, mid, y + 210, "where the ball can stop.");
      break;
    case 9: {
      // Resting places as rings, joined by the moves between them.
      const Point spots[] = {{0.5f, 0.5f}, {4.5f, 0.5f}, {4.5f, 3.5f}, {0.5f, 3.5f}, {2.5f, 3.5f}};
      const int moves[][2] = {{0, 1}, {1, 2}, {2, 4}, {0, 3}};
      for (const auto& m : moves) s.Path({spots[m[0]], spots[m[1]]});
      for (Point p : spots) {
        Point c = s.Centre(p.x, p.y);
        Fill(image, Around(c.x, c.y, 12), Circle(c.x, c.y, 8), Solid(Hex(0xf0e4c6)));
        Fill(image, Around(c.x, c.y, 12), Ring(c.x, c.y, 8, 1.6f), Solid(kInk));
      }
      s.Ball(0.5f, 0.5f);
      Caption(image, mid, y + 190, "Resting places, and the moves");
      Caption(image, mid, y + 210, "that join them.");
      break;
    }
    default: break;
  }
}

}  // namespace mkmedia

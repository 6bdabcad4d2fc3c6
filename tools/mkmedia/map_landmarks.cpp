#include "map_landmarks.h"

#include <cmath>
#include <vector>

#include "shapes.h"

namespace mkmedia {

namespace {

constexpr float kPi = 3.14159265f;
const Rgba kInk = Hex(0x2a1a10);

// Fills the shape with a wash of colour and outlines it in ink.
void Sign(Image& map, float x, float y, const Shape& shape, Rgba wash) {
  Bounds b = Around(x, y, 14);
  Fill(map, b, shape, Solid(wash));
  Fill(map, b, [&](float px, float py) { return std::fabs(shape(px, py)) - 0.55f; }, Solid(kInk));
}

void Line(Image& map, float x, float y, std::vector<Point> points, float width, Rgba colour) {
  Fill(map, Around(x, y, 14), Stroke(std::move(points), width), Solid(colour));
}

}  // namespace

void DrawLandmark(Image& map, int land, float x, float y) {
  switch (land) {
    case 0:  // a meadow flower
      for (int k = 0; k < 5; ++k) {
        float a = k * 2 * kPi / 5;
        Sign(map, x, y, Circle(x + std::cos(a) * 3.5f, y + std::sin(a) * 3.5f, 2.6f), Hex(0xf4f0e0));
      }
      Sign(map, x, y, Circle(x, y, 2), Hex(0xe0a020));
      break;
    case 1: {  // a scallop shell
      Shape fan = Intersect(Circle(x, y + 5, 9), RoundBox(x - 10, y - 5, x + 10, y + 5, 0));
      Sign(map, x, y, fan, Hex(0xf0c8a8));
      for (int k = -2; k <= 2; ++k) Line(map, x, y, {{x, y + 4}, {x + k * 3.2f, y - 3}}, 0.6f, kInk);
      break;
    }
    case 2:  // a watchtower
      Sign(map, x, y, Union(RoundBox(x - 4, y - 4, x + 4, y + 8, 0), Polygon({{x - 6, y - 4}, {x, y - 11}, {x + 6, y - 4}})),
           Hex(0xb05a3a));
      Fill(map, Around(x, y, 4), RoundBox(x - 1, y + 2, x + 1, y + 6, 0.5f), Solid(kInk));
      break;
    case 3:  // an oak
      Sign(map, x, y, Union(Circle(x - 3.5f, y - 2, 5), Union(Circle(x + 3.5f, y - 2, 5), Circle(x, y - 6, 5))), Hex(0x4a7a2a));
      Line(map, x, y, {{x, y + 1}, {x, y + 9}}, 1.6f, kInk);
      break;
    case 4:  // a snowflake
      for (int k = 0; k < 3; ++k) {
        float a = k * kPi / 3;
        Line(map, x, y, {{x - std::cos(a) * 8, y - std::sin(a) * 8}, {x + std::cos(a) * 8, y + std::sin(a) * 8}}, 1.4f,
             Hex(0x2a5a9a));
      }
      break;
    case 5:  // a pyramid
      Sign(map, x, y, Polygon({{x - 10, y + 7}, {x, y - 8}, {x + 10, y + 7}}), Hex(0xd8b070));
      Line(map, x, y, {{x, y - 8}, {x + 2, y + 7}}, 0.7f, kInk);
      break;
    case 6:  // a fish
      Sign(map, x, y, Union(Ellipse(x - 1, y, 7, 4), Polygon({{x + 5, y}, {x + 10, y - 4.5f}, {x + 10, y + 4.5f}})), Hex(0xe07a5a));
      Fill(map, Around(x, y, 10), Circle(x - 5, y - 1, 0.9f), Solid(kInk));
      break;
    case 7:  // a smoking volcano
      Sign(map, x, y, Polygon({{x - 10, y + 7}, {x - 3, y - 5}, {x + 3, y - 5}, {x + 10, y + 7}}), Hex(0x5a4a4a));
      Fill(map, Around(x, y, 10), Polygon({{x - 3, y - 5}, {x + 3, y - 5}, {x + 1.5f, y - 1}, {x - 1.5f, y - 1}}), Solid(Hex(0xe04a10)));
      for (int k = 0; k < 3; ++k) Sign(map, x, y, Circle(x + 2 + k * 2.5f, y - 8 - k * 2.5f, 1.6f + k * 0.5f), Hex(0xb8b0a8));
      break;
    case 8:  // a pagoda
      for (int k = 0; k < 3; ++k) {
        float yy = y + 6 - k * 5.5f, w = 9 - k * 2.2f;
        Sign(map, x, y, Polygon({{x - w, yy}, {x - w * 0.6f, yy - 3}, {x + w * 0.6f, yy - 3}, {x + w, yy}}), Hex(0x3a8a5a));
      }
      Line(map, x, y, {{x, y - 11}, {x, y - 14}}, 0.9f, kInk);
      break;
    case 9:  // the moon and a star
      Sign(map, x, y, Subtract(Circle(x - 2, y, 7), Circle(x + 1.5f, y - 2, 6)), Hex(0xf0d870));
      Fill(map, Around(x, y, 12), Circle(x + 6, y - 5, 1.4f), Solid(Hex(0xf0d870)));
      break;
    case 10:  // an open book
      Sign(map, x, y, Polygon({{x - 10, y - 4}, {x, y - 1}, {x + 10, y - 4}, {x + 10, y + 6}, {x, y + 8}, {x - 10, y + 5}}),
           Hex(0xf0e4c8));
      Line(map, x, y, {{x, y - 1}, {x, y + 8}}, 0.7f, kInk);
      for (float side : {-1.0f, 1.0f})
        for (int k = 0; k < 3; ++k)
          Line(map, x, y, {{x + side * 2, y + 1 + k * 2.2f}, {x + side * 8, y - 1.2f + k * 2.2f}}, 0.45f, Hex(0x6a4a2a));
      break;
    case 11: {  // a gear wheel
      Shape gear = [=](float px, float py) {
        float a = std::atan2(py - y, px - x), r = std::hypot(px - x, py - y);
        float tooth = std::cos(a * 8) > 0.2f ? 2.2f : 0.0f;
        return std::max(r - 6.5f - tooth, -(r - 2.5f));
      };
      Sign(map, x, y, gear, Hex(0xc09a48));
      break;
    }
    case 12:  // a snowy peak
      Sign(map, x, y, Polygon({{x - 10, y + 7}, {x, y - 9}, {x + 10, y + 7}}), Hex(0x8a8aa0));
      Sign(map, x, y, Polygon({{x - 3.8f, y - 3}, {x, y - 9}, {x + 3.8f, y - 3}, {x + 1, y - 4.5f}, {x - 1, y - 3}}), Hex(0xfafcff));
      break;
    case 13:  // a blue-and-white vase
      Sign(map, x, y, Union(Ellipse(x, y + 3, 6, 6), RoundBox(x - 2.5f, y - 8, x + 2.5f, y, 1)), Hex(0xf0f2f8));
      Line(map, x, y, {{x - 5, y + 3}, {x + 5, y + 3}}, 1.2f, Hex(0x2a4aa8));
      break;
    case 14:  // a bolt of lightning
      Sign(map, x, y, Polygon({{x + 2, y - 10}, {x - 6, y + 1}, {x - 0.5f, y + 1}, {x - 3, y + 10}, {x + 6, y - 2}, {x + 0.5f, y - 2}}),
           Hex(0x50d0c0));
      break;
    case 15:  // a chapel with its spire
      Sign(map, x, y, Union(RoundBox(x - 7, y - 1, x + 7, y + 8, 0), Polygon({{x - 3, y - 1}, {x, y - 11}, {x + 3, y - 1}})),
           Hex(0xb8b0c8));
      Fill(map, Around(x, y, 6), Circle(x, y + 3, 2), Solid(Hex(0xa02040)));
      break;
    default:  // a crown
      Sign(map, x, y, Polygon({{x - 9, y + 6}, {x - 9, y - 5}, {x - 4.5f, y}, {x, y - 8}, {x + 4.5f, y}, {x + 9, y - 5}, {x + 9, y + 6}}),
           Hex(0xf0c040));
      Fill(map, Around(x, y, 4), Circle(x, y + 2, 1.6f), Solid(Hex(0xc01830)));
      break;
  }
}

}  // namespace mkmedia

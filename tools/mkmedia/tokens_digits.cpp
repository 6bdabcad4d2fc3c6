#include "tokens_digits.h"

#include <cmath>
#include <string>

#include "filters.h"
#include "shapes.h"
#include "ui_kit.h"

namespace mkmedia {

namespace {

constexpr float kPi = 3.14159265f;

void Medallion(Image& image, float cx, float cy, Rgba light, Rgba mid, Rgba dark, const Shape& emblem) {
  const float r = 17.5f;
  Bounds b = Around(cx, cy, 20);
  Mask m(image.Width(), image.Height());
  FillMask(m, b, Circle(cx, cy, r + 1));
  ShadowUnder(image, m, 1, 2, 1.5f, Rgba{0, 0, 0, 0.6f});
  Fill(image, b, Circle(cx, cy, r + 1), Solid(Hex(0x1a1008, 0.9f)));
  Fill(image, b, Circle(cx, cy, r), LinearGradient({cx - r, cy - r}, light, {cx + r, cy + r}, dark));
  Fill(image, b, Circle(cx, cy, r - 3.2f), LinearGradient({cx - r, cy - r}, dark, {cx + r, cy + r}, light));
  Fill(image, b, Circle(cx, cy, r - 4.2f), RadialGradient({cx - 4, cy - 5}, r * 1.3f, mid, Darken(mid, 0.35f)));
  // The emblem stands out: a dark edge below right, a light edge above left.
  Fill(image, b, Transformed(emblem, cx + 0.8f, cy + 0.8f, 0, 1), Solid(WithAlpha(dark, 0.9f)));
  Fill(image, b, Transformed(emblem, cx - 0.6f, cy - 0.6f, 0, 1), Solid(Lighten(light, 0.3f)));
  Fill(image, b, Transformed(emblem, cx, cy, 0, 1), LinearGradient({cx, cy - 9}, light, {cx, cy + 9}, mid));
}

Shape StarEmblem() {
  std::vector<Point> star;
  for (int k = 0; k < 10; ++k) {
    float a = -kPi / 2 + k * kPi / 5, rad = k % 2 ? 4.2f : 10.0f;
    star.push_back({std::cos(a) * rad, std::sin(a) * rad + 0.8f});
  }
  return Polygon(star);
}

Shape SkipEmblem() {
  return Union(Polygon({{-9, -7}, {-1.5f, 0}, {-9, 7}, {-9, 3.6f}, {-5, 0}, {-9, -3.6f}}),
               Polygon({{-1, -7}, {6.5f, 0}, {-1, 7}, {-1, 3.6f}, {3, 0}, {-1, -3.6f}}));
}

}  // namespace

Image TokensPicture() {
  Image tokens(80, 40);
  Medallion(tokens, 20, 19.5f, Hex(0xfff0a8), Hex(0xd8a030), Hex(0x6a4008), StarEmblem());
  Medallion(tokens, 60, 19.5f, Hex(0xf0f4fa), Hex(0x98a4b4), Hex(0x3a4250), SkipEmblem());
  return tokens;
}

Image DigitsPicture() {
  Image digits(400, 74);
  const TextStyle style{Face::SansBold, 60, 0};
  TextLook look;
  look.fill = GoldPaint(14, 62);
  look.outline = Hex(0x1a0c04, 0.95f);
  look.outlineWidth = 2;
  look.shadow = Rgba{0, 0, 0, 0.6f};
  look.shadowBlur = 2;
  for (int d = 0; d < 10; ++d) {
    // Cabin's figures are lining figures: centre them in the cell by their cap height.
    float baseline = 37 + CapHeight(style) / 2;
    PaintText(digits, style, d * 40 + 20.0f, baseline, std::to_string(d), look, Align::Centre);
  }
  return digits;
}

Image CounterFiguresPicture() {
  constexpr int cell = 12, height = 18;
  const char* const figures[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "\u2013", "/"};
  Image strip(cell * 12, height);
  const TextStyle style{Face::SansBold, 16, 0};
  TextLook look;
  look.fill = GoldPaint(2, height - 3);
  look.shadow = Rgba{0, 0, 0, 0.7f};
  look.shadowBlur = 1;
  look.shadowDx = 0;
  look.shadowDy = 1;
  for (int i = 0; i < 12; ++i) PaintText(strip, style, i * cell + cell / 2.0f, height - 3.0f, figures[i], look, Align::Centre);
  return strip;
}

}  // namespace mkmedia

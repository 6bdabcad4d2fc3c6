#include "ui_kit.h"

#include <algorithm>
#include <cmath>

#include "filters.h"
#include "noise.h"

namespace mkmedia {

namespace {

float AlignedX(const TextStyle& style, float x, std::string_view utf8, Align align) {
  if (align == Align::Left) return x;
  float w = TextWidth(style, utf8);
  return align == Align::Centre ? x - w / 2 : x - w;
}

}  // namespace

Mask TextCoverage(int width, int height, const TextStyle& style, float x, float baseline, std::string_view utf8,
                  Align align) {
  Mask m(width, height);
  DrawText(m, style, AlignedX(style, x, utf8, align), baseline, utf8);
  return m;
}

void PaintText(Image& image, const TextStyle& style, float x, float baseline, std::string_view utf8,
               const TextLook& look, Align align) {
  // Work in a small mask around the text, then paint it at its offset.
  const float left = AlignedX(style, x, utf8, align);
  const float width = TextWidth(style, utf8);
  const int pad = static_cast<int>(std::ceil(std::max({look.glowRadius * 2, look.shadowBlur * 2 + 3, 4.0f}))) + 4;
  const int ox = static_cast<int>(std::floor(left)) - pad;
  const int oy = static_cast<int>(std::floor(baseline - Ascent(style))) - pad;
  const int w = static_cast<int>(std::ceil(width)) + 2 * pad + 2;
  const int h = static_cast<int>(std::ceil(Ascent(style) + Descent(style))) + 2 * pad + 2;
  Mask text(w, h);
  DrawText(text, style, left - ox, baseline - oy, utf8);

  Mask body = look.outline.a > 0 ? Dilate(text, look.outlineWidth) : text;
  if (look.glow.a > 0) {
    Mask glow = body;
    BlurMask(glow, look.glowRadius);
    PaintMask(image, glow, Solid(look.glow), ox, oy, Blend::Add);
  }
  if (look.shadow.a > 0) {
    Mask shadow = body;
    BlurMask(shadow, look.shadowBlur);
    PaintMask(image, shadow, Solid(look.shadow), ox + look.shadowDx, oy + look.shadowDy);
  }
  if (look.outline.a > 0) PaintMask(image, body, Solid(look.outline), ox, oy);
  PaintMask(image, text, look.fill, ox, oy);
}

Paint GoldPaint(float top, float bottom) {
  return [=](float, float y) {
    float t = Clamp01((y - top) / (bottom - top));
    // Bright band just above the middle, as on a rounded polished surface.
    return Ramp({Hex(0xfff2b8), Hex(0xf0c860), Hex(0xb07a20), Hex(0xe0b050), Hex(0x8a5a14)}, t);
  };
}

void Parchment(Image& image, Bounds box, float radius, uint32_t seed, bool rules) {
  const float w = box.x1 - box.x0, h = box.y1 - box.y0;
  Shape outline = RoundBox(box.x0, box.y0, box.x1, box.y1, radius);
  Fill(image, box, outline, [=](float x, float y) {
    float u = (x - box.x0) / w, v = (y - box.y0) / h;
    float n = Fractal(u * w / 256, v * h / 256, 4, 5, seed);
    float fibre = Fractal(u * w / 128, v * h / 128, 16, 2, seed + 1);
    Rgba paper = Ramp({Hex(0xcdb68a), Hex(0xe3d2ac), Hex(0xf0e4c6)}, 0.55f + n * 0.8f);
    paper = Shade(paper, 0.96f + fibre * 0.08f);
    // Edges browned with age.
    float edge = std::min({x - box.x0, box.x1 - x, y - box.y0, box.y1 - y});
    return Mix(Hex(0x9a7a4a), paper, SmoothStep(0.0f, 22.0f, edge + n * 8));
  });
  if (rules) {
    Rgba rule = Hex(0x8a6a3a, 0.8f);
    Fill(image, box, Subtract(Grow(RoundBox(box.x0 + 8, box.y0 + 8, box.x1 - 8, box.y1 - 8, radius * 0.6f), 0.7f),
                              Grow(RoundBox(box.x0 + 8, box.y0 + 8, box.x1 - 8, box.y1 - 8, radius * 0.6f), -0.7f)),
         Solid(rule));
    Fill(image, box, Subtract(Grow(RoundBox(box.x0 + 12, box.y0 + 12, box.x1 - 12, box.y1 - 12, radius * 0.5f), 0.45f),
                              Grow(RoundBox(box.x0 + 12, box.y0 + 12, box.x1 - 12, box.y1 - 12, radius * 0.5f), -0.45f)),
         Solid(WithAlpha(rule, 0.5f)));
  }
}

void Flourish(Image& image, float cx, float y, float halfWidth, Rgba colour) {
  Bounds b{cx - halfWidth - 2, y - 6, cx + halfWidth + 2, y + 6};
  Fill(image, b, Stroke({{cx - halfWidth, y}, {cx - 7, y}}, 1.0f), Solid(colour));
  Fill(image, b, Stroke({{cx + 7, y}, {cx + halfWidth, y}}, 1.0f), Solid(colour));
  Fill(image, b, Polygon({{cx, y - 4}, {cx + 4, y}, {cx, y + 4}, {cx - 4, y}}), Solid(colour));
  Fill(image, b, Circle(cx - halfWidth, y, 1.6f), Solid(colour));
  Fill(image, b, Circle(cx + halfWidth, y, 1.6f), Solid(colour));
}

Image LightToGlow(const Image& light) {
  Image glow(light.Width(), light.Height());
  for (int y = 0; y < light.Height(); ++y)
    for (int x = 0; x < light.Width(); ++x) {
      const Rgba& c = light.At(x, y);
      float a = std::max({c.r, c.g, c.b});
      glow.At(x, y) = a > 0 ? Rgba{c.r / a, c.g / a, c.b / a, a} : Rgba{0, 0, 0, 0};
    }
  return glow;
}

}  // namespace mkmedia

#include "style_kit.h"

#include <cmath>
#include <vector>

#include "filters.h"

namespace mkmedia {

Image Texture(int size, int scale, const ColourAt& colour) {
  Image big(size * scale, size * scale);
  const float inv = 1.0f / (size * scale);
  for (int y = 0; y < size * scale; ++y)
    for (int x = 0; x < size * scale; ++x) big.At(x, y) = colour((x + 0.5f) * inv, (y + 0.5f) * inv);
  return scale == 1 ? big : Downsample(big, scale);
}

Mask HeightField(int size, const HeightAt& height) {
  Mask m(size, size);
  const float inv = 1.0f / size;
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) m.At(x, y) = height((x + 0.5f) * inv, (y + 0.5f) * inv);
  return m;
}

Image Lit(const Image& albedo, const Mask& height, float depth, float specular, bool wrap, float shininess) {
  Mask highlight;
  Mask shade = Relief(height, depth, wrap, &highlight, shininess);
  Image out = albedo;
  for (int y = 0; y < out.Height(); ++y)
    for (int x = 0; x < out.Width(); ++x) {
      Rgba& c = out.At(x, y);
      float s = shade.At(x, y), h = highlight.At(x, y) * specular;
      c.r = Clamp01(c.r * s + h);
      c.g = Clamp01(c.g * s + h);
      c.b = Clamp01(c.b * s + h);
    }
  return out;
}

Image Downsample(const Image& image, int factor) {
  Image out(image.Width() / factor, image.Height() / factor);
  const float inv = 1.0f / (factor * factor);
  for (int y = 0; y < out.Height(); ++y)
    for (int x = 0; x < out.Width(); ++x) {
      float r = 0, g = 0, b = 0, a = 0;
      for (int j = 0; j < factor; ++j)
        for (int i = 0; i < factor; ++i) {
          const Rgba& p = image.At(x * factor + i, y * factor + j);
          r += p.r * p.a;
          g += p.g * p.a;
          b += p.b * p.a;
          a += p.a;
        }
      out.At(x, y) = a > 1e-6f ? Rgba{r / a, g / a, b / a, a * inv} : Rgba{0, 0, 0, 0};
    }
  return out;
}

Image WallStrip(const std::array<Image, kWallLooks>& walls) {
  Image strip(kCell * kWallLooks, kCell);
  for (int i = 0; i < kWallLooks; ++i) strip.Paste(walls[i], i * kCell, 0, Blend::Replace);
  return strip;
}

void NormaliseBrightness(Image& image, float target) {
  double sum = 0, weight = 0;
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x) {
      const Rgba& c = image.At(x, y);
      sum += Luma(c) * c.a;
      weight += c.a;
    }
  if (weight <= 0 || sum <= 0) return;
  const float k = target / static_cast<float>(sum / weight);
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x) {
      Rgba& c = image.At(x, y);
      c = {Clamp01(c.r * k), Clamp01(c.g * k), Clamp01(c.b * k), c.a};
    }
}

Image WallLook(const ColourAt& albedo, const HeightAt& height, float depth, float specular, const HeightAt& alpha,
               float shininess) {
  const int size = kCell * kWallScale;
  Image colour = Texture(size, 1, albedo);
  Mask relief = HeightField(size, height);
  Image lit = Lit(colour, relief, depth * size, specular, false, shininess);
  if (alpha) lit.MultiplyAlpha(HeightField(size, alpha));
  return Downsample(lit, kWallScale);
}

Image BackgroundLook(const ColourAt& albedo, const HeightAt& height, float depth, float specular, int scale) {
  // Every pattern repeats once over the unit square and its grid lines
  // (joints, slab and tile edges) fall on whole cells of its origin. The
  // origin goes to the picture's pixel that lands on a cell corner of the
  // board, so the lines run along the cells' edges.
  const float du = 1.0f - static_cast<float>(kCellEdge - kFloorTileLeft) / kBackground;
  const float dv = 1.0f - static_cast<float>(kCellEdge - kFloorTileTop) / kBackground;
  const int size = kBackground * scale;
  Image colour = Texture(size, 1, [&](float u, float v) { return albedo(u + du, v + dv); });
  if (!height) return Downsample(colour, scale);
  Mask relief = HeightField(size, [&](float u, float v) { return height(u + du, v + dv); });
  return Downsample(Lit(colour, relief, depth * size, specular, true), scale);
}

}  // namespace mkmedia

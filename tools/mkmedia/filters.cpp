#include "filters.h"

#include <algorithm>
#include <cmath>

namespace mkmedia {

namespace {

int WrapIndex(int v, int n) {
  int m = v % n;
  return m < 0 ? m + n : m;
}

// One box pass along a line of n values with the given stride.
void BoxLine(float* data, int n, int stride, int r, bool wrap, std::vector<float>& scratch) {
  scratch.resize(n);
  for (int i = 0; i < n; ++i) scratch[i] = data[static_cast<size_t>(i) * stride];
  auto get = [&](int i) { return wrap ? scratch[WrapIndex(i, n)] : scratch[std::clamp(i, 0, n - 1)]; };
  float sum = 0;
  for (int i = -r; i <= r; ++i) sum += get(i);
  float inv = 1.0f / (2 * r + 1);
  for (int i = 0; i < n; ++i) {
    data[static_cast<size_t>(i) * stride] = sum * inv;
    sum += get(i + r + 1) - get(i - r);
  }
}

void BlurPlane(float* data, int w, int h, float radius, bool wrap) {
  // Three box passes of this width approximate a Gaussian of sigma ~ radius / 2.
  int r = std::max(1, static_cast<int>(std::lround(radius / 1.7f)));
  std::vector<float> scratch;
  for (int pass = 0; pass < 3; ++pass) {
    for (int y = 0; y < h; ++y) BoxLine(data + static_cast<size_t>(y) * w, w, 1, r, wrap, scratch);
    for (int x = 0; x < w; ++x) BoxLine(data + x, h, w, r, wrap, scratch);
  }
}

}  // namespace

void BlurMask(Mask& mask, float radius, bool wrap) {
  if (radius <= 0) return;
  BlurPlane(mask.Values().data(), mask.Width(), mask.Height(), radius, wrap);
}

void BlurImage(Image& image, float radius, bool wrap) {
  if (radius <= 0) return;
  int w = image.Width(), h = image.Height();
  std::vector<float> planes[4];
  for (auto& p : planes) p.resize(static_cast<size_t>(w) * h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const Rgba& c = image.At(x, y);
      size_t i = static_cast<size_t>(y) * w + x;
      planes[0][i] = c.r * c.a;
      planes[1][i] = c.g * c.a;
      planes[2][i] = c.b * c.a;
      planes[3][i] = c.a;
    }
  for (auto& p : planes) BlurPlane(p.data(), w, h, radius, wrap);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      size_t i = static_cast<size_t>(y) * w + x;
      float a = planes[3][i];
      Rgba& c = image.At(x, y);
      if (a > 1e-6f) c = {planes[0][i] / a, planes[1][i] / a, planes[2][i] / a, a};
      else c = {0, 0, 0, 0};
    }
}

Mask Dilate(const Mask& mask, int radius) {
  Mask out(mask.Width(), mask.Height());
  for (int y = 0; y < mask.Height(); ++y)
    for (int x = 0; x < mask.Width(); ++x) {
      float best = 0;
      for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx) {
          if (dx * dx + dy * dy > radius * radius + radius) continue;
          int nx = x + dx, ny = y + dy;
          if (nx < 0 || ny < 0 || nx >= mask.Width() || ny >= mask.Height()) continue;
          best = std::max(best, mask.At(nx, ny));
        }
      out.At(x, y) = best;
    }
  return out;
}

Mask Relief(const Mask& height, float depth, bool wrap, Mask* specular, float shininess) {
  int w = height.Width(), h = height.Height();
  Mask shade(w, h, 1.0f);
  if (specular) *specular = Mask(w, h);
  // Light from the upper left and somewhat above; the viewer straight above.
  const float lx = -0.5f, ly = -0.6f, lz = 0.62f;
  const float ln = std::sqrt(lx * lx + ly * ly + lz * lz);
  const float flat = lz / ln;
  auto get = [&](int x, int y) { return wrap ? height.AtWrapped(x, y) : height.AtClamped(x, y); };
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      float gx = (get(x + 1, y) - get(x - 1, y)) * 0.5f * depth;
      float gy = (get(x, y + 1) - get(x, y - 1)) * 0.5f * depth;
      float nx = -gx, ny = -gy, nz = 1.0f;
      float nn = std::sqrt(nx * nx + ny * ny + nz * nz);
      float d = (nx * lx + ny * ly + nz * lz) / (nn * ln);
      shade.At(x, y) = std::max(0.0f, d) / flat;
      if (specular) {
        // Blinn half vector between the light and the viewer (0, 0, 1).
        float hx = lx / ln, hy = ly / ln, hz = lz / ln + 1.0f;
        float hn = std::sqrt(hx * hx + hy * hy + hz * hz);
        float s = std::max(0.0f, (nx * hx + ny * hy + nz * hz) / (nn * hn));
        specular->At(x, y) = std::pow(s, shininess);
      }
    }
  return shade;
}

void PaintMask(Image& image, const Mask& mask, const Paint& paint, int dx, int dy, Blend mode, bool wrap) {
  for (int y = 0; y < mask.Height(); ++y)
    for (int x = 0; x < mask.Width(); ++x) {
      float m = mask.At(x, y);
      if (m <= 0) continue;
      int px = x + dx, py = y + dy;
      image.Put(px, py, paint(px + 0.5f, py + 0.5f), std::min(m, 1.0f), mode, wrap);
    }
}

void ShadowUnder(Image& image, const Mask& mask, int dx, int dy, float blur, Rgba colour) {
  Mask soft = mask;
  BlurMask(soft, blur);
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x) {
      int sx = x - dx, sy = y - dy;
      if (sx < 0 || sy < 0 || sx >= soft.Width() || sy >= soft.Height()) continue;
      float a = Clamp01(soft.At(sx, sy) * colour.a);
      if (a <= 0) continue;
      Rgba& d = image.At(x, y);
      // Under: the shadow only fills what the existing picture leaves uncovered.
      Rgba s = WithAlpha(colour, a);
      float outA = d.a + s.a * (1 - d.a);
      if (outA <= 0) continue;
      float k = s.a * (1 - d.a);
      d = {(d.r * d.a + s.r * k) / outA, (d.g * d.a + s.g * k) / outA, (d.b * d.a + s.b * k) / outA, outA};
    }
}

}  // namespace mkmedia

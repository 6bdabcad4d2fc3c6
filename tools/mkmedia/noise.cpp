#include "noise.h"

#include <cmath>

#include "random.h"

namespace mkmedia {

namespace {

int WrapIndex(int v, int n) {
  int m = v % n;
  return m < 0 ? m + n : m;
}

float Fade(float t) { return t * t * t * (t * (t * 6 - 15) + 10); }

float Corner(int ix, int iy, float dx, float dy, uint32_t seed) {
  float angle = HashUnit(ix, iy, seed) * 6.2831853f;
  return std::cos(angle) * dx + std::sin(angle) * dy;
}

}  // namespace

float GradientNoise(float x, float y, int periodX, int periodY, uint32_t seed) {
  float fx = std::floor(x), fy = std::floor(y);
  int x0 = static_cast<int>(fx), y0 = static_cast<int>(fy);
  float dx = x - fx, dy = y - fy;
  int ax = WrapIndex(x0, periodX), bx = WrapIndex(x0 + 1, periodX);
  int ay = WrapIndex(y0, periodY), by = WrapIndex(y0 + 1, periodY);
  float n00 = Corner(ax, ay, dx, dy, seed), n10 = Corner(bx, ay, dx - 1, dy, seed);
  float n01 = Corner(ax, by, dx, dy - 1, seed), n11 = Corner(bx, by, dx - 1, dy - 1, seed);
  float u = Fade(dx), v = Fade(dy);
  float top = n00 + (n10 - n00) * u, bottom = n01 + (n11 - n01) * u;
  return (top + (bottom - top) * v) * 1.41421356f;
}

float Fractal(float u, float v, int cells, int octaves, uint32_t seed, float gain) {
  float sum = 0, amplitude = 1, norm = 0;
  int period = cells;
  for (int o = 0; o < octaves; ++o) {
    sum += amplitude * GradientNoise(u * period, v * period, period, period, seed + 1013u * o);
    norm += amplitude;
    amplitude *= gain;
    period *= 2;
  }
  return sum / norm;
}

float Ridged(float u, float v, int cells, int octaves, uint32_t seed) {
  float sum = 0, amplitude = 1, norm = 0;
  int period = cells;
  for (int o = 0; o < octaves; ++o) {
    float n = 1.0f - std::fabs(GradientNoise(u * period, v * period, period, period, seed + 7919u * o));
    sum += amplitude * n * n;
    norm += amplitude;
    amplitude *= 0.5f;
    period *= 2;
  }
  return sum / norm;
}

CellSample Cellular(float u, float v, int cells, uint32_t seed, float jitter) {
  float x = u * cells, y = v * cells;
  int cx = static_cast<int>(std::floor(x)), cy = static_cast<int>(std::floor(y));
  CellSample best{1e9f, 1e9f, 0, 0, 0};
  for (int j = -1; j <= 1; ++j)
    for (int i = -1; i <= 1; ++i) {
      int gx = cx + i, gy = cy + j;
      int wx = WrapIndex(gx, cells), wy = WrapIndex(gy, cells);
      float px = gx + 0.5f + (HashUnit(wx, wy, seed) - 0.5f) * jitter;
      float py = gy + 0.5f + (HashUnit(wx, wy, seed ^ 0x5bd1e995u) - 0.5f) * jitter;
      float d = std::hypot(px - x, py - y);
      if (d < best.nearest) {
        best.second = best.nearest;
        best.nearest = d;
        best.id = HashCoords(wx, wy, seed ^ 0x1234567u);
        best.pointU = px / cells;
        best.pointV = py / cells;
      } else if (d < best.second) {
        best.second = d;
      }
    }
  return best;
}

float Noise1(float x, uint32_t seed) {
  float f = std::floor(x);
  int i = static_cast<int>(f);
  float t = x - f;
  float g0 = HashUnit(i, 0, seed) * 2 - 1, g1 = HashUnit(i + 1, 0, seed) * 2 - 1;
  float a = g0 * t, b = g1 * (t - 1);
  return (a + (b - a) * Fade(t)) * 2.0f;
}

}  // namespace mkmedia

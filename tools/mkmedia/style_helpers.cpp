#include "style_helpers.h"

#include <algorithm>
#include <cmath>

#include "filters.h"

namespace mkmedia {

void DropShadowInCell(Image& wall, float dx, float dy, float blur, float strength) {
  Mask alpha = wall.Alpha();
  // Shift by whole pixels plus the blur; sub-pixel offsets vanish in the blur anyway.
  ShadowUnder(wall, alpha, static_cast<int>(std::lround(dx)), static_cast<int>(std::lround(dy)), blur,
              Rgba{0.02f, 0.02f, 0.03f, strength});
}

void Scatter(Image& tile, int count, uint64_t seed, const std::function<void(Random&, float, float)>& make) {
  Random random(seed);
  for (int i = 0; i < count; ++i) {
    float x = static_cast<float>(random.Range(0, tile.Width()));
    float y = static_cast<float>(random.Range(0, tile.Height()));
    make(random, x, y);
  }
}

float BevelHeight(float distance, float bevel) {
  if (distance >= 0) return 0;
  float t = std::min(1.0f, -distance / bevel);
  return std::sin(t * 1.5707963f);
}

BrickCell Bricks(float u, float v, int rows, int columns, float shift) {
  BrickCell b{};
  float y = v * rows;
  b.row = static_cast<int>(std::floor(y));
  float x = u * columns + ((b.row % 2 + 2) % 2) * shift;
  b.column = static_cast<int>(std::floor(x));
  b.localU = x - b.column;
  b.localV = y - b.row;
  float ex = std::min(b.localU, 1 - b.localU) / columns;
  float ey = std::min(b.localV, 1 - b.localV) / rows;
  b.edge = std::min(ex, ey);
  return b;
}

}  // namespace mkmedia

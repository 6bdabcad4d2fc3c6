#pragma once
// Small pieces shared by several art styles.

#include <functional>

#include "image.h"
#include "random.h"
#include "shapes.h"

namespace mkmedia {

// A soft shadow inside the cell, down and to the right of a borderless wall.
void DropShadowInCell(Image& wall, float dx = 1.2f, float dy = 1.6f, float blur = 1.6f, float strength = 0.55f);

// Scatters `count` small shapes over a seamless tile; make(random, x, y) draws
// one at (x, y), painting with wrap so it may cross the tile's edges.
void Scatter(Image& tile, int count, uint64_t seed, const std::function<void(Random&, float, float)>& make);

// Height of a rounded slab: 0 outside, rising over `bevel` (in the distance's
// units) to 1 inside. `distance` is a signed distance, negative inside.
float BevelHeight(float distance, float bevel);

// Brick bond over the cell: which brick (row, column) a point is in and its
// distance to the nearest mortar line, in u units.
struct BrickCell {
  int row, column;
  float edge;
  float localU, localV;  // 0..1 inside the brick
};
BrickCell Bricks(float u, float v, int rows, int columns, float shift = 0.5f);

}  // namespace mkmedia

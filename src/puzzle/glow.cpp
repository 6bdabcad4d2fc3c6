// The ball lights the cells around it every step; the light fades by one step
// per step, so a cell lit once goes dark after 25 steps.

#include <algorithm>

#include "puzzle/ball.h"
#include "puzzle/map.h"

namespace {

constexpr int FullGlow = 25;
constexpr int RingFade = 15;

}  // namespace

void mapType::Glow(int x, int y, int ring) {
  if (!board::Contains(x, y)) return;
  glow[x][y] = std::max(glow[x][y], FullGlow - RingFade * ring);
}

void mapType::DecayGlow() {
  for (auto& column : glow) {
    for (int& cell : column) {
      if (cell > 0) cell -= 1;
    }
  }
}

void ballType::LightNeighbours(mapType& map) {
  struct Neighbour {
    int dx, dy, ring;
  };
  static constexpr Neighbour neighbours[] = {
      {1, 0, 0}, {-1, 0, 0}, {0, 1, 0}, {0, -1, 0}, {1, 1, 1}, {1, -1, 1}, {-1, 1, 1}, {-1, -1, 1},
  };
  for (const Neighbour& n : neighbours) {
    const int x = cellX + n.dx;
    const int y = cellY + n.dy;
    if (map.TileKind(x, y) != tilekind::OffGrid) map.Glow(x, y, n.ring);
  }
}

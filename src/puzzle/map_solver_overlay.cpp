// The distance map drawn over the board: each reached cell shows its distance,
// redder for the near cells and yellower farther out, the farthest tinted
// toward white, with grey lines for the ways the ball crossed it.

#include <algorithm>

#include "platform/render/graphics.h"
#include "platform/host/text.h"
#include "puzzle/map.h"
#include "puzzle/map_solver.h"

using namespace platform;

void mapSolverType::DrawOverlay(const mapType& map, int originX, int originY) const {
  SetBlend(AlphaBlend);
  SetAlpha(1.0f);
  const int offsetX = map.OffsetX();
  const int offsetY = map.OffsetY();
  const int half = board::CellSize / 2;

  for (int x = 0; x < board::Width; ++x) {
    for (int y = 0; y < board::Height; ++y) {
      int d = -1;
      int m = 0;
      if (shownState == -1) {
        for (int s = 0; s < StateCount; ++s) {
          const int ds = distance[x][y][s];
          if (ds >= 0 && (d < 0 || ds < d)) d = ds;
          m = std::max(m, marks[x][y][s]);
        }
      } else {
        d = distance[x][y][shownState];
        m = marks[x][y][shownState];
      }
      if (d < 0) continue;

      const float cx = static_cast<float>(originX + board::CellSize * x + offsetX);
      const float cy = static_cast<float>(originY + board::CellSize * y + offsetY);
      const int blue = d >= 0.9 * maxDistance ? std::min(8 * d, 255) : 0;
      SetColor(std::min(16 * d + 164, 255), std::min(16 * d, 255), blue);
      DrawText(Str(d), cx, cy);

      const int grey = std::min(16 * d + 128, 255);
      SetColor(grey, grey, grey);
      if (m == CrossedHorizontally || m >= CrossedVertically + CrossedHorizontally) {
        DrawLine(cx - half, cy, cx + half, cy);
      }
      if (m == CrossedVertically || m >= CrossedVertically + CrossedHorizontally) {
        DrawLine(cx, cy - half, cx, cy + half);
      }
    }
  }
  SetColor(255, 255, 255);
}

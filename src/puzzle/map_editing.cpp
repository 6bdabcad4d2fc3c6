// Changes the level editor makes to a map as a whole.

#include "platform/host/random.h"
#include "puzzle/map.h"

void mapType::Randomize(int n) {
  for (int x = 0; x < board::Width; ++x) {
    for (int y = 0; y < board::Height; ++y) {
      if (IsEditable(x, y) == 0) continue;
      SetTile(x, y, platform::Rand(0, n) == 0 ? tile::Void : tile::Floor);
    }
  }
}

void mapType::CopyRegion(const mapType& source, int x0, int y0, int x1, int y1, int toX, int toY, int convert) {
  protectLeft = toX;
  protectRight = toX + x1 - x0;
  protectTop = toY;
  protectBottom = toY + y1 - y0;
  for (int i = x0; i <= x1; ++i) {
    for (int j = y0; j <= y1; ++j) {
      const int x = i + toX - x0;
      const int y = j + toY - y0;
      // Cells falling outside either board are skipped.
      if (!board::Contains(i, j) || !board::Contains(x, y)) continue;
      const int kind = source.TileKind(i, j);
      if (convert == 1 && kind == tilekind::Exit) {
        tiles[x][y] = tile::Start;
        startX = x;
        startY = y;
      } else if (convert == 1 && kind == tile::Start) {
        tiles[x][y] = tile::Floor;
      } else {
        tiles[x][y] = source.tiles[i][j];
      }
    }
  }
}

#include "puzzle/level_chain.h"

#include <algorithm>

#include "puzzle/board.h"
#include "puzzle/map.h"

int EdgeNearestTo(int x, int y) {
  const int top = 20 * y + 20;
  const int bottom = 280 - 20 * y;
  const int left = 14 * x + 14;
  const int right = 280 - 14 * x;
  if (std::min(top, bottom) < std::min(left, right)) return top < bottom ? direction::Up : direction::Down;
  return left < right ? direction::Left : direction::Right;
}

ChainLink LinkFromExit(int exitX, int exitY) {
  constexpr int LastX = board::Width - 1;
  constexpr int LastY = board::Height - 1;
  ChainLink link;
  link.edge = EdgeNearestTo(exitX, exitY);
  link.right = LastX;
  link.bottom = LastY;
  switch (link.edge) {
    case direction::Up:
      link.bottom = exitY;
      link.toY = LastY - exitY;
      link.shiftY = -(LastY - exitY);
      break;
    case direction::Down:
      link.top = exitY;
      link.shiftY = exitY;
      break;
    case direction::Left:
      link.right = exitX;
      link.toX = LastX - exitX;
      link.shiftX = -(LastX - exitX);
      break;
    default:
      link.left = exitX;
      link.shiftX = exitX;
      break;
  }
  return link;
}

void CarryStripOver(const mapType& previous, mapType& next) {
  CarryStripOver(previous, previous.exitX, previous.exitY, next);
}

void CarryStripOver(const mapType& previous, int exitX, int exitY, mapType& next) {
  const ChainLink link = LinkFromExit(exitX, exitY);
  next.CopyRegion(previous, link.left, link.top, link.right, link.bottom, link.toX, link.toY, 1);
  next.SetShift(link.shiftX, link.shiftY);
}

int ChainMismatches(const mapType& previous, const mapType& next) {
  int mismatches = 0;
  for (int x = 0; x < board::Width; ++x) {
    for (int y = 0; y < board::Height; ++y) {
      const int px = x + next.shiftX;
      const int py = y + next.shiftY;
      if (!board::Contains(px, py)) continue;
      int shown = previous.tiles[px][py];
      if (previous.TileKind(px, py) == tilekind::Exit) {
        shown = tile::Start;
      } else if (shown == tile::Start) {
        shown = tile::Floor;
      }
      if (next.tiles[x][y] != shown) ++mismatches;
    }
  }
  return mismatches;
}

#include "puzzle/map.h"

#include "platform/host/random.h"
#include "puzzle/ball.h"

std::shared_ptr<mapType> mapType::Create(int number) {
  auto map = std::make_shared<mapType>();
  map->number = number;
  map->Load();
  return map;
}

std::shared_ptr<mapType> mapType::Copy() const {
  auto copy = std::make_shared<mapType>(*this);
  if (ball) copy->ball = std::make_shared<ballType>(*ball);
  return copy;
}

void mapType::Scroll(int dx, int dy) {
  offsetX += dx;
  offsetY += dy;
}

int mapType::OffsetX() const { return offsetX; }

int mapType::OffsetY() const { return offsetY; }

void mapType::SetTile(int x, int y, int type) {
  if (!board::Contains(x, y)) return;
  switch (type) {
    case tile::Start:
      tiles[x][y] = tile::Start;
      startX = x;
      startY = y;
      break;
    case tile::Exit:
      tiles[x][y] = tile::Exit;
      exitX = x;
      exitY = y;
      break;
    case tile::Void:
      tiles[x][y] = RandomWallCode();
      break;
    default:
      tiles[x][y] = type;
      break;
  }
}

int mapType::RandomWallCode() const { return platform::Rand(wallMin, wallMax); }

int mapType::IsEditable(int x, int y) const {
  const bool inside = protectLeft <= x && x <= protectRight && protectTop <= y && y <= protectBottom;
  return inside ? 0 : 1;
}

void mapType::ClearProtection() {
  protectLeft = -1;
  protectRight = -1;
  protectTop = -1;
  protectBottom = -1;
}

void mapType::SetShift(int x, int y) {
  shiftX = x;
  shiftY = y;
}

int mapType::ScrollTargetX() const { return -board::CellSize * shiftX; }

int mapType::ScrollTargetY() const { return -board::CellSize * shiftY; }

int mapType::TileKind(int x, int y) const {
  if (!board::Contains(x, y)) return tilekind::OffGrid;
  const int code = tiles[x][y];
  if (code >= wallMin && code <= wallMax) return tilekind::Wall;
  if (code >= tile::FirstTeleport && code <= tile::LastTeleport) return tilekind::Teleport;
  if (code >= tile::FirstLock && code <= tile::LastLock) return tilekind::Lock;
  if (code >= tile::FirstKey && code <= tile::LastKey) return tilekind::Key;
  return code;
}

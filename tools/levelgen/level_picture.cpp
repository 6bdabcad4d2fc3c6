#include "level_picture.h"

#include "puzzle/map.h"

namespace {

char CellChar(int code) {
  switch (code) {
    case tile::Start: return 'S';
    case tile::Exit: return 'E';
    case tile::Floor: return '.';
    case tile::FirstWall: return '#';
    case tile::FirstKey: return 'a';
    case tile::LastKey: return 'b';
    case tile::FirstLock: return 'A';
    case tile::LastLock: return 'B';
    default: break;
  }
  if (code > tile::FirstWall && code <= tile::LastWall) return static_cast<char>('0' + code - tile::FirstWall);
  if (code >= tile::FirstTeleport && code <= tile::LastTeleport) return static_cast<char>('p' + code - tile::FirstTeleport);
  return '?';
}

}  // namespace

std::string LevelPicture(const mapType& map) {
  std::string text;
  for (int y = 0; y < board::Height; ++y) {
    for (int x = 0; x < board::Width; ++x) text += CellChar(map.tiles[x][y]);
    text += '\n';
  }
  return text;
}

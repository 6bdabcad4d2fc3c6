#pragma once
// The board every level shares, and the meaning of the tile codes in its cells.

#include "services/level_numbers.h"

namespace board {

constexpr int Width = 20;
constexpr int Height = 14;
constexpr int CellSize = 32;  // pixels

inline bool Contains(int x, int y) { return x >= 0 && x < Width && y >= 0 && y < Height; }

}  // namespace board

// Tile codes as stored in a level file.
namespace tile {

constexpr int Void = 0;  // an unset cell; the ball rolls over it like floor
constexpr int Start = 1;
constexpr int Exit = 2;
constexpr int Floor = 3;
constexpr int FirstWall = 10;
constexpr int LastWall = 15;
constexpr int FirstTeleport = 16;
constexpr int LastTeleport = 25;
constexpr int FirstKey = 31;  // key of lock colour 0; the next code is colour 1's
constexpr int LastKey = 32;
constexpr int FirstLock = 33;  // lock of colour 0 (starts closed); 34 starts open
constexpr int LastLock = 34;

}  // namespace tile

// What TileKind answers. Codes without a kind of their own (start, exit, floor,
// unknown codes) answer the code itself.
namespace tilekind {

constexpr int OffGrid = -2;
constexpr int Wall = 0;
constexpr int Exit = 2;
constexpr int Teleport = 4;
constexpr int Key = 5;
constexpr int Lock = 6;

}  // namespace tilekind

// Directions of movement.
namespace direction {

constexpr int None = 0;
constexpr int Up = 1;
constexpr int Right = 2;
constexpr int Down = 3;
constexpr int Left = 4;

}  // namespace direction


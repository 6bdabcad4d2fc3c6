#pragma once
// One level in memory: its grid of tile codes, start and exit, lock colours,
// the glow the ball leaves behind, its drawing offset while the board scrolls
// and where it lies relative to the level before it. Files: level_file.cpp
// (load and save), keys_locks_teleports.cpp, glow.cpp, map_draw.cpp.

#include <array>
#include <memory>

#include "puzzle/board.h"

struct ballType;
struct keyStateType;
struct ParticleSink;

using TileGrid = std::array<std::array<int, board::Height>, board::Width>;  // [x][y]

struct mapType {
  TileGrid tiles{};
  TileGrid glow{};  // 0-25 per cell
  int number = 0;
  int offsetX = 0, offsetY = 0;  // pixels; 0 at rest
  int startX = 0, startY = 0;
  int exitX = -1, exitY = -1;    // -1 when the map has no exit
  int shiftX = 0, shiftY = 0;    // this map's origin relative to the previous map's, in cells
  // Cells the editor may not change (the strip copied from the previous map); -1 when none.
  int protectLeft = -1, protectRight = -1, protectTop = -1, protectBottom = -1;
  std::shared_ptr<ballType> ball;  // made by the first Restart
  int artStyle = 0;                // 0-16: background and tile set
  static constexpr int lockCount = 2;
  std::array<int, lockCount> lockState{};    // 0 closed, 1 open, 2 changing
  std::array<int, lockCount> lockInitial{};  // colour 0 starts closed, colour 1 open
  std::array<int, lockCount> lockTimer{};    // steps since the colour started changing
  int wallMin = tile::FirstWall;
  int wallMax = tile::LastWall;

  // A new map of void cells for level `number`, loaded from its file.
  static std::shared_ptr<mapType> Create(int number);
  void Scroll(int dx, int dy);
  int OffsetX() const;
  int OffsetY() const;
  // Lights a cell: 25 beside the ball (ring 0), 10 on the diagonals (ring 1).
  void Glow(int x, int y, int ring);
  // Type 0 makes a wall of random look; 1 and 2 also move the start and exit.
  void SetTile(int x, int y, int type);
  int RandomWallCode() const;
  void Load();
  void IntroSparkles(const ParticleSink& sink);
  // Locks back to how they start, the ball on the start.
  void Restart();
  // A copy with a ball of its own.
  std::shared_ptr<mapType> Copy() const;
  // quick: over the level's own file after a backup copy; otherwise where the
  // player chooses. A file that cannot be created stops the program.
  void Save(int quick);
  int IsEditable(int x, int y) const;
  void ClearProtection();
  void Randomize(int n);
  void Draw(int originX, int originY, int withGlow);
  void SetShift(int x, int y);
  // Plays the teleport and puts the ball on the partner cell.
  void Teleport(ballType& ball);
  int ScrollTargetX() const;
  int ScrollTargetY() const;
  // Copies a rectangle of source into this map and protects it; with convert 1
  // the source's exit becomes this map's start and its start becomes floor.
  void CopyRegion(const mapType& source, int x0, int y0, int x1, int y1, int toX, int toY, int convert);
  int TileKind(int x, int y) const;
  // May the ball enter the cell? Lock colours come from the snapshot when given.
  int CanEnter(int x, int y, const keyStateType* snapshot = nullptr) const;
  // A key under the ball: 1 when its lock starts opening, -1 closing, 0 neither.
  int UseKey(int x, int y);
  void UpdateLocks();
  void DecayGlow();
};

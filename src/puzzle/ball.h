#pragma once
// The player's ball: the cell it belongs to, how far it has rolled towards the
// next one, and where it is heading. It crosses a cell in three steps and only
// chooses a direction while resting on a cell centre.

#include <memory>

#include "platform/render/graphics.h"

struct LevelState;
struct PlayRequests;
struct mapType;

struct ballType {
  int cellX = 1, cellY = 1;
  int subX = 0, subY = 0;  // -2..2, at most one of them non-zero
  int direction = 3;       // 0 resting, 1 up, 2 right, 3 down, 4 left
  int hoverDirection = 0;  // the arrow shown while the pointer is over the board
  int spin = 0;            // degrees
  platform::TImage arrowUp, arrowDown, arrowLeft, arrowRight;

  static std::shared_ptr<ballType> Create();
  void SetPosition(int x, int y);
  // origin: where the board's cell 0 lies on screen, the map's scroll included.
  void Draw(int originX, int originY);
  void DrawArrow(int x, int y);
  // Lights the eight cells around the ball on its map.
  void LightNeighbours(mapType& map);
  // One step of play on the level's current map. playerControl 0 ignores the requests.
  void Update(LevelState& level, const PlayRequests& requests, int playerControl);
  void Solved(LevelState& level);
  // Gives up the level: nothing on the last level.
  void Skip(LevelState& level);
  int IsResting() const;

  // Pixel position relative to the board origin, sub-steps included.
  int PixelX() const;
  int PixelY() const;
};

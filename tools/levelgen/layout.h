#pragma once
// A level as the generator thinks of it: a wall frame round the board with
// openings, wall shapes placed on the board (some mirrored to the other
// side), keys, locks and teleports, and the exit; painted over the cells the
// level inherits from the one before.

#include <utility>
#include <vector>

#include "level_plan.h"
#include "puzzle/level_solver.h"
#include "puzzle/map.h"

struct ShapeForm {
  int lookClass;  // 0 pillar, 1 bar, 2 bulky: each class has its own wall look in a level
  std::vector<std::pair<int, int>> cells;
};

// Pillars, bars, blocks, corners, tees, crosses and cups.
const std::vector<ShapeForm>& ShapeForms();

struct WallShape {
  int form = 0;
  int x = 0, y = 0;
  bool mirrored = false;  // painted a second time as the plan's symmetry reflects it
};

struct FrameGap {
  int edge = 1;  // direction code of the board edge
  int from = 0, length = 1;
};

struct Piece {
  int code = 0;  // key, lock or teleport
  int x = 0, y = 0;
};

struct Layout {
  std::vector<WallShape> shapes;
  std::vector<FrameGap> gaps;
  std::vector<Piece> pieces;
  int exitX = board::Width - 1, exitY = board::Height / 2;
};

// What a level inherits and cannot change: the strip shown with the previous
// level (the start among it) and its shift, or for the first level its start.
struct LevelGround {
  mapType base;
  CellMask fixed{};
  int startEdge = 0;  // edge the start lies on; 0 for the first level
};

LevelGround GroundFor(int number, const mapType* previous);
// The finished map; start and exit are where its tiles say.
mapType PaintLevel(const Layout& layout, const LevelPlan& plan, const LevelGround& ground);

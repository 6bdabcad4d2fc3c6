#include <gtest/gtest.h>

#include "puzzle/level_chain.h"
#include "puzzle/map.h"

namespace {

// A level whose every cell holds its own code, so that moved cells are easy to trace.
mapType Numbered(int startX, int startY, int exitX, int exitY) {
  mapType map;
  for (int x = 0; x < board::Width; ++x) {
    for (int y = 0; y < board::Height; ++y) map.tiles[x][y] = 100 + 14 * x + y;
  }
  map.tiles[startX][startY] = tile::Start;
  map.tiles[exitX][exitY] = tile::Exit;
  map.startX = startX, map.startY = startY;
  map.exitX = exitX, map.exitY = exitY;
  return map;
}

TEST(LevelChainTest, TheNearestEdgeWeighsRowsAndColumnsAlike) {
  EXPECT_EQ(EdgeNearestTo(19, 6), direction::Right);
  EXPECT_EQ(EdgeNearestTo(0, 6), direction::Left);
  EXPECT_EQ(EdgeNearestTo(10, 0), direction::Up);
  EXPECT_EQ(EdgeNearestTo(10, 13), direction::Down);
  // Corners go to the sides: 14 across against 20 down.
  EXPECT_EQ(EdgeNearestTo(0, 0), direction::Left);
  EXPECT_EQ(EdgeNearestTo(19, 13), direction::Right);
  // A tie between 140 up and 140 right goes to the side too.
  EXPECT_EQ(EdgeNearestTo(10, 6), direction::Right);
  EXPECT_EQ(EdgeNearestTo(4, 1), direction::Up);  // 40 up, 70 left
}

TEST(LevelChainTest, TheNextLevelLiesBeyondTheNearestEdge) {
  const ChainLink right = LinkFromExit(19, 6);
  EXPECT_EQ(right.edge, direction::Right);
  EXPECT_EQ(right.shiftX, 19);
  EXPECT_EQ(right.shiftY, 0);
  EXPECT_EQ(right.left, 19);
  EXPECT_EQ(right.right, 19);
  EXPECT_EQ(right.toX, 0);

  const ChainLink up = LinkFromExit(5, 2);
  EXPECT_EQ(up.edge, direction::Up);
  EXPECT_EQ(up.shiftY, -11);
  EXPECT_EQ(up.top, 0);
  EXPECT_EQ(up.bottom, 2);
  EXPECT_EQ(up.toY, 11);

  const ChainLink left = LinkFromExit(1, 7);
  EXPECT_EQ(left.shiftX, -18);
  EXPECT_EQ(left.right, 1);
  EXPECT_EQ(left.toX, 18);

  const ChainLink down = LinkFromExit(9, 12);
  EXPECT_EQ(down.shiftY, 12);
  EXPECT_EQ(down.top, 12);
  EXPECT_EQ(down.bottom, 13);
  EXPECT_EQ(down.toY, 0);
}

TEST(LevelChainTest, TheStripCarriedOverShowsTheSameCellsAfterTheScroll) {
  // Exit near the top: rows 0-2 come along to rows 11-13, the old start among them.
  const mapType previous = Numbered(8, 1, 5, 2);
  mapType next;
  CarryStripOver(previous, next);
  EXPECT_EQ(next.shiftX, 0);
  EXPECT_EQ(next.shiftY, -11);
  EXPECT_EQ(next.startX, 5);
  EXPECT_EQ(next.startY, 13);
  EXPECT_EQ(next.tiles[5][13], tile::Start);
  EXPECT_EQ(next.tiles[8][12], tile::Floor);
  EXPECT_EQ(next.tiles[19][11], previous.tiles[19][0]);
  EXPECT_EQ(next.tiles[0][10], 0);  // outside the strip
  EXPECT_EQ(next.IsEditable(3, 11), 0);
  EXPECT_EQ(next.IsEditable(3, 10), 1);
  EXPECT_EQ(ChainMismatches(previous, next), 0);

  // A cell outside the strip may be anything; one inside it may not.
  next.tiles[0][10] = tile::FirstWall;
  EXPECT_EQ(ChainMismatches(previous, next), 0);
  next.tiles[0][11] = tile::Floor;
  EXPECT_EQ(ChainMismatches(previous, next), 1);
  // Nor may the old exit stay an exit, or the old start a start.
  next.tiles[0][11] = previous.tiles[0][0];
  next.tiles[5][13] = tile::Exit;
  next.tiles[8][12] = tile::Start;
  EXPECT_EQ(ChainMismatches(previous, next), 2);
}

TEST(LevelChainTest, AWrongShiftShowsAsJumpingCells) {
  const mapType previous = Numbered(3, 3, 19, 6);
  mapType next;
  CarryStripOver(previous, next);
  EXPECT_EQ(next.startX, 0);
  EXPECT_EQ(next.startY, 6);
  EXPECT_EQ(ChainMismatches(previous, next), 0);
  next.SetShift(18, 0);
  EXPECT_GT(ChainMismatches(previous, next), 0);
}

}  // namespace

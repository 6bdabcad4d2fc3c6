#pragma once
// How one level hands over to the next. The next level lies beyond the board
// edge nearest to the finished level's exit and overlaps it by the strip from
// the exit to that edge: after the scroll both maps show that strip in the same
// place, the old exit as the new start and the old start as floor.

struct mapType;

struct ChainLink {
  int edge = 0;              // 1 top, 2 right, 3 bottom, 4 left (the direction codes)
  int shiftX = 0, shiftY = 0;  // the next level's origin relative to this one's, in cells
  // The shared strip in this level's cells (inclusive) and its top-left corner in the next level's.
  int left = 0, top = 0, right = 0, bottom = 0;
  int toX = 0, toY = 0;
};

// The edge nearest to a cell, rows weighed 20 and columns 14 so that both
// axes of the 20 x 14 board span 280; ties go to the sides.
int EdgeNearestTo(int x, int y);

// Where the level after one whose exit is at (exitX, exitY) lies.
ChainLink LinkFromExit(int exitX, int exitY);

// Lays the strip of `previous` that stays on screen into `next` and gives
// `next` its shift; the strip becomes next's protected rectangle.
void CarryStripOver(const mapType& previous, mapType& next);
// The same, with the exit taken as (exitX, exitY) rather than previous's own.
void CarryStripOver(const mapType& previous, int exitX, int exitY, mapType& next);

// How many cells the two maps both show after the scroll differ, taking the
// old exit as the new start and the old start as floor. Uses next's own shift.
int ChainMismatches(const mapType& previous, const mapType& next);

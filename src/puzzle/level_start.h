#pragma once
// The hand-over from one level to the next: both maps scroll by up to 8 pixels
// a step until the next map's start lies where the old exit was, then the next
// map becomes the current one and its level starts. A level started directly
// gets a transition that is already at rest.

#include <memory>

struct LevelState;
struct mapType;

struct levelStartType {
  int targetX = 0, targetY = 0;  // pixel offset the current map scrolls to
  int pending = 0;               // 1 until a finished level has handed over
  int groupPosition = 0;         // 0-4: the finished level's place in its group
  int groupDone = 0;             // 1 when that was the fifth level of its group

  // finishing 1: after a finished level; 0: a level started directly.
  static std::shared_ptr<levelStartType> Create(int dx, int dy, int finishing);
  // Keeps the finished board still, the ball resting, until a level is started.
  static std::shared_ptr<levelStartType> Hold(const mapType& current);
  int IsPending() const;
  // One step of the scroll; the last one swaps the maps and starts the next level.
  void Update(LevelState& level);
  void Swap(LevelState& level);
  void Start(LevelState& level);
  void ScrollAll(LevelState& level, int dx, int dy);
};

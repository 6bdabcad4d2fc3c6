#pragma once
// The editor's move-distance map: for every cell of a map and every
// combination of lock colours, the least number of moves after which the ball
// passes or rests there, found by trying every move from every resting point.
// Files: map_solver.cpp (the search), map_solver_overlay.cpp (drawing it).

#include <array>
#include <memory>
#include <optional>

#include "puzzle/board.h"
#include "puzzle/key_state.h"

struct mapType;

struct mapSolverType {
  static constexpr int StateCount = 1 << keyStateType::lockCount;  // lock-state indexes 0-3
  using StateTable = std::array<std::array<std::array<int, StateCount>, board::Height>, board::Width>;

  // How a cell was crossed, per lock state: bits for vertically and
  // horizontally; a resting point from which moves were tried is marked Rested.
  static constexpr int CrossedVertically = 1;
  static constexpr int CrossedHorizontally = 2;
  static constexpr int Rested = 4;

  StateTable distance{};  // -1: never reached
  StateTable marks{};
  int maxDistance = 0;       // the largest distance with both locks as they start
  int exitX = -1, exitY = -1;  // the exit found by the last solve that found one
  int shownState = -1;       // the lock state the overlay shows; -1 the least over all

  // A resting point reached by a move that improved on what was known there.
  struct RestingPoint {
    int x = 0, y = 0, dist = 0;
    keyStateType snapshot;
  };

  // -1, 0, 1, 2, 3, then -1 again.
  void CycleShownState();
  static std::shared_ptr<mapSolverType> Create();
  // Recomputes every distance of `map` from its start.
  void Solve(const mapType& map);
  // Carries the strip of the current map between its exit and the nearest
  // board edge into the next map, the exit becoming the next map's start.
  void CreateNextMap(const mapType& current, mapType& next);
  // 1 top, 2 right, 3 bottom, 4 left.
  static int NearestEdge(int x, int y);
  // Records (x, y) as a resting point and tries every move from it and from
  // every resting point those moves improve, depth first.
  void Explore(const mapType& map, int x, int y, int dist, const keyStateType& snapshot);
  // One move from (x, y), recording the cells it crosses. Answers where the
  // ball comes to rest when that cell was improved, to be explored next.
  std::optional<RestingPoint> Slide(const mapType& map, int x, int y, int dist, int direction,
                                    const keyStateType& snapshot);
  // Over the map, scrolled as it is.
  void DrawOverlay(const mapType& map, int originX, int originY) const;
};

#pragma once
// A snapshot of the lock colours (0 closed, 1 open) that lets a move be tried
// without touching the map's own locks.

#include <array>

struct mapType;

struct keyStateType {
  static constexpr int lockCount = 2;
  std::array<int, lockCount> state{};

  // The colours of `map` as they stand when its level starts.
  static keyStateType FromMap(const mapType& map);
  // The colours of a lock index, Index's numbering.
  static keyStateType FromIndex(int index) { return {{index & 1, index >> 1 & 1}}; }
  keyStateType Copy() const { return *this; }
  // 0-3: state[0] + 2 * state[1].
  int Index() const;
  // The key at (x, y) of `map` changes its colour once, as in play.
  void Toggle(const mapType& map, int x, int y);
};

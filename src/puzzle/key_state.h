#pragma once
// A snapshot of the lock colours (0 closed, 1 open) that lets a move be tried
// without touching the map's own locks.

#include <array>

struct keyStateType {
  static constexpr int lockCount = 2;
  std::array<int, lockCount> state{};

  // The colours as they stand when a level starts.
  static keyStateType FromMap();
  keyStateType Copy() const { return *this; }
  // 0-3: state[0] + 2 * state[1].
  int Index() const;
  // The key at (x, y) of the current map changes its colour once, as in play.
  void Toggle(int x, int y);
};

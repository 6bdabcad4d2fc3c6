#pragma once
// The generator's own random numbers: the same seed gives the same levels on
// every machine and library, which the standard distributions do not promise.

#include <cstdint>

class RandomSource {
 public:
  explicit RandomSource(uint64_t seed) : state(seed) {}

  uint64_t Next() {
    uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  // 0 .. count-1; count must be positive.
  int Below(int count) { return static_cast<int>(Next() % static_cast<uint64_t>(count)); }
  // lo .. hi inclusive.
  int Between(int lo, int hi) { return lo + Below(hi - lo + 1); }
  // True `percent` times in a hundred.
  bool Percent(int percent) { return Below(100) < percent; }

 private:
  uint64_t state;
};

#pragma once
// A small seeded generator whose sequence is fixed by this file alone, so the
// media come out byte-identical on every machine and every run (the standard
// library's distributions are allowed to differ between implementations).

#include <cstdint>

namespace mkmedia {

class Random {
 public:
  explicit Random(uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 0x632BE59BD9B4E019ull) {}

  uint64_t Next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  // Uniform in [0, 1).
  double Unit() { return static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0); }
  double Range(double lo, double hi) { return lo + (hi - lo) * Unit(); }
  // Uniform integer in [lo, hi].
  int Int(int lo, int hi) { return lo + static_cast<int>(Next() % static_cast<uint64_t>(hi - lo + 1)); }
  bool Chance(double p) { return Unit() < p; }

 private:
  uint64_t state_;
};

// A stateless hash of lattice coordinates, for noise that must be evaluated in any order.
inline uint32_t HashCoords(int x, int y, uint32_t seed) {
  uint32_t h = seed * 0x27D4EB2Fu ^ static_cast<uint32_t>(x) * 0x85EBCA6Bu ^ static_cast<uint32_t>(y) * 0xC2B2AE35u;
  h ^= h >> 15;
  h *= 0x2C1B3C6Du;
  h ^= h >> 12;
  h *= 0x297A2D39u;
  h ^= h >> 15;
  return h;
}

inline float HashUnit(int x, int y, uint32_t seed) {
  return static_cast<float>(HashCoords(x, y, seed) >> 8) * (1.0f / 16777216.0f);
}

}  // namespace mkmedia

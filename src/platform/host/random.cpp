#include "platform/host/random.h"

#include <cstdint>
#include <utility>

namespace platform {
namespace {

constexpr int32_t kModulus = 2147483647;
constexpr int32_t kMultiplier = 48271;
constexpr int32_t kQuotient = 44488;   // kModulus / kMultiplier
constexpr int32_t kRemainder = 3399;   // kModulus % kMultiplier
constexpr int32_t kInitialState = 4660;

int32_t state = kInitialState;

// Park-Miller minimal standard step with Schrage's method, so no product
// overflows 32 bits.
int32_t NextState() {
  state = kMultiplier * (state % kQuotient) - kRemainder * (state / kQuotient);
  if (state < 0) state += kModulus;
  return state;
}

double NextUnit() {
  const int32_t hi = NextState() & 0x1FFFFFFC;
  const int32_t lo = NextState() & 0x1FFFFFF8;
  return (hi + lo / 134217728.0) / 536870912.0;
}

}  // namespace

void SeedRnd(int32_t seed) {
  state = seed & 0x7FFFFFFF;
  if (state == 0 || state == 0x7FFFFFFF) state = kInitialState;
}

int32_t RndSeed() { return state; }

double Rnd(double min, double max) {
  if (max < min) std::swap(min, max);
  return min + NextUnit() * (max - min);
}

int Rand(int min, int max) {
  if (max < min) std::swap(min, max);
  // In 64 bits: the span of the whole int range does not fit in an int.
  return static_cast<int>(min + static_cast<int64_t>(NextUnit() * (static_cast<double>(max) - min + 1.0)));
}

}  // namespace platform

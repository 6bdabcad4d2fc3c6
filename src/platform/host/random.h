#pragma once
// The game's seeded random generator: the same seed gives the same sequence on
// every machine.

#include <cstdint>

namespace platform {

void SeedRnd(int32_t seed);
int32_t RndSeed();
double Rnd(double min, double max);
int Rand(int min, int max);

}  // namespace platform

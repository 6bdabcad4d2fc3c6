#pragma once
// Seeded noise that repeats with a whole-number period, so textures made from
// it tile without a seam.

#include <cstdint>

namespace mkmedia {

// Gradient noise in about -1..1, repeating every periodX x periodY lattice cells.
float GradientNoise(float x, float y, int periodX, int periodY, uint32_t seed);

// Sum of octaves of gradient noise over the unit square (u, v in 0..1), whose
// coarsest octave has `cells` lattice cells across; tiles over the unit square.
float Fractal(float u, float v, int cells, int octaves, uint32_t seed, float gain = 0.5f);

// Ridged variant (sharp creases, for veins and cracks), 0..1.
float Ridged(float u, float v, int cells, int octaves, uint32_t seed);

// Cellular noise over the unit square with cells x cells jittered feature
// points: distances (in cell units) to the nearest and second nearest point,
// and an id of the nearest point's cell.
struct CellSample {
  float nearest;
  float second;
  uint32_t id;
  float pointU, pointV;  // the nearest feature point, in unit-square coordinates (may lie outside 0..1)
};
CellSample Cellular(float u, float v, int cells, uint32_t seed, float jitter = 0.85f);

// Smooth one-dimensional noise in about -1..1 (for horizons and wobbly lines).
float Noise1(float x, uint32_t seed);

}  // namespace mkmedia

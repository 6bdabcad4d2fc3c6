#pragma once
// Signal-processing parts for the synthesiser: filters, a reverb, oscillators.

#include <cstdint>
#include <vector>

#include "sound.h"

namespace mkmedia {

float MidiToHz(float note);
float DbToGain(float db);

// RBJ biquad filters, direct form I.
class Biquad {
 public:
  static Biquad LowPass(float hz, float q = 0.7071f);
  static Biquad HighPass(float hz, float q = 0.7071f);
  static Biquad BandPass(float hz, float q);
  float Process(float x);
  void Reset() { x1_ = x2_ = y1_ = y2_ = 0; }

 private:
  float b0_ = 1, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
  float x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// Band-limited sawtooth (polyBLEP), phase 0..1.
class Saw {
 public:
  explicit Saw(float phase = 0) : phase_(phase) {}
  float Next(float hz);

 private:
  float phase_;
};

// A Schroeder-Moorer stereo reverb (parallel combs into series all-passes).
class Reverb {
 public:
  Reverb(float roomSize, float damping);
  // Adds the reverberated sound, times wet, to the sound. With loop, the
  // sound is treated as endless: the tail of its end rings on into its start
  // (a tail of up to six seconds, far longer than this reverb's).
  void Apply(Sound& sound, float wet, bool loop);

 private:
  struct Comb {
    std::vector<float> buffer;
    size_t index = 0;
    float store = 0;
  };
  struct AllPass {
    std::vector<float> buffer;
    size_t index = 0;
  };
  float Channel(float input, std::vector<Comb>& combs, std::vector<AllPass>& passes);
  float feedback_, damping_;
  std::vector<Comb> combsL_, combsR_;
  std::vector<AllPass> passesL_, passesR_;
};

// A deterministic white-noise source in -1..1.
class Noise {
 public:
  explicit Noise(uint64_t seed) : state_(seed * 2654435761u + 1) {}
  float Next();

 private:
  uint64_t state_;
};

}  // namespace mkmedia

#pragma once
// The fixed-step clock both loops run on: each pass sleeps a millisecond, banks
// the time that passed, and the loop takes one 1/60 s step per 16.66667 ms banked.

#include <cstdint>

class FrameAccumulator {
 public:
  static constexpr double kStepMs = 16.66667;

  void Start();
  // Delay(1), then bank the milliseconds since the previous pass.
  void Tick();
  // True (and the step's time withdrawn) while a whole step is banked.
  bool TakeStep();
  double Banked() const { return accumulator_; }

 private:
  double accumulator_ = 0.0;
  int32_t last_ = 0;
};

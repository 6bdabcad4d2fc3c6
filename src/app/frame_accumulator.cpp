#include "app/frame_accumulator.h"

#include "platform/host/clock.h"

void FrameAccumulator::Start() {
  accumulator_ = 0.0;
  last_ = platform::Millisecs();
}

void FrameAccumulator::Tick() {
  platform::Delay(1);
  const int32_t now = platform::Millisecs();
  // Unsigned difference: the millisecond count wraps.
  accumulator_ += static_cast<int32_t>(static_cast<uint32_t>(now) - static_cast<uint32_t>(last_));
  last_ = now;
}

bool FrameAccumulator::TakeStep() {
  if (accumulator_ <= kStepMs) return false;
  accumulator_ -= kStepMs;
  return true;
}

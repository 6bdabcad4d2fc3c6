#include "platform/render/frame_pacer.h"

#include "platform/host/clock.h"

namespace platform {

void FramePacer::Reset(int hz) {
  hz_ = hz > 0 ? hz : 60;
  period_ = 1000 / hz_;
  fraction_ = 1000 - period_ * hz_;
  accumulator_ = 0;
  target_ = Millisecs();
}

void FramePacer::Wait() {
  // Whole milliseconds per frame, with the remainder spread so that hz frames
  // take exactly one second.
  target_ += period_;
  accumulator_ += fraction_;
  if (accumulator_ >= hz_) {
    accumulator_ -= hz_;
    target_ += 1;
  }
  const int32_t now = Millisecs();
  const int32_t ahead = target_ - now;
  if (ahead > 0) {
    Delay(ahead);
  } else {
    target_ = now;
  }
}

}  // namespace platform

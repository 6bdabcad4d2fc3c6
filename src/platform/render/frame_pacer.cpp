#include "platform/render/frame_pacer.h"

#include "platform/host/clock.h"

namespace platform {

namespace {

// A still screen (every frame unchanged) and one that changes every other
// step both keep the whole period: only unchanged frames after a run of
// changed ones, within a frame of the last, are taken for passes that came early.
constexpr int kShownBeforeEarlyPass = 2;
constexpr int kEarlyWaitsPerFrame = 4;

}  // namespace

void FramePacer::Reset(int hz) {
  hz_ = hz > 0 ? hz : 60;
  period_ = 1000 / hz_;
  fraction_ = 1000 - period_ * hz_;
  accumulator_ = 0;
  target_ = Millisecs();
  shownInARow_ = 0;
  earlyWaits_ = 0;
}

void FramePacer::Wait() {
  ++shownInARow_;
  earlyWaits_ = 0;
  // Whole milliseconds per frame, with the remainder spread so that hz frames
  // take exactly one second.
  target_ += period_;
  accumulator_ += fraction_;
  if (accumulator_ >= hz_) {
    accumulator_ -= hz_;
    target_ += 1;
  }
  SleepUntilTarget();
}

void FramePacer::WaitAfterUnchangedFrame() {
  const bool early = earlyWaits_ > 0 || shownInARow_ >= kShownBeforeEarlyPass;
  shownInARow_ = 0;
  if (early && earlyWaits_ < kEarlyWaitsPerFrame) {
    ++earlyWaits_;
    target_ += period_ / kEarlyWaitsPerFrame;
    SleepUntilTarget();
    return;
  }
  Wait();
  shownInARow_ = 0;
}

void FramePacer::SleepUntilTarget() {
  const int32_t now = Millisecs();
  const int32_t ahead = target_ - now;
  if (ahead > 0) {
    Delay(ahead);
  } else {
    target_ = now;
  }
}

}  // namespace platform

#include "platform/render/frame_pacer.h"

#include "platform/host/clock.h"

namespace platform {

namespace {

// A still screen (every frame unchanged) and one that changes every other
// step both keep the whole period: only an unchanged frame after a run of
// changed ones is taken for a pass that came early.
constexpr int kShownBeforeEarlyPass = 2;

}  // namespace

void FramePacer::Reset(int hz) {
  hz_ = hz > 0 ? hz : 60;
  period_ = 1000 / hz_;
  fraction_ = 1000 - period_ * hz_;
  accumulator_ = 0;
  target_ = Millisecs();
  shownInARow_ = 0;
}

void FramePacer::Wait() {
  ++shownInARow_;
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
  const bool earlyPass = shownInARow_ >= kShownBeforeEarlyPass;
  shownInARow_ = 0;
  if (!earlyPass) {
    Wait();
    shownInARow_ = 0;
    return;
  }
  target_ += period_ / 4;
  SleepUntilTarget();
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

#pragma once
// Software frame pacing at a fixed refresh rate, for displays whose driver
// cannot wait for the vertical blank.

#include <cstdint>

namespace platform {

class FramePacer {
 public:
  void Reset(int hz);
  // Sleeps until the next frame is due (or catches up when late).
  void Wait();
  // The same for a frame that was not shown because nothing in it changed.
  // Right after frames that changed, that is a loop pass that came a hair
  // before its next step was due (the loop's clock counts whole
  // milliseconds, and sleeps wake a little late or not): a frame would be
  // lost for every such pass while the pace sits on the steps' edge. The
  // pacer waits only a quarter of a frame instead, so the step is taken and
  // shown at once, and the pace stays that much past the edge from then on.
  void WaitAfterUnchangedFrame();

 private:
  void SleepUntilTarget();

  int hz_ = 60;
  int period_ = 16;
  int fraction_ = 40;
  int accumulator_ = 0;
  int32_t target_ = 0;
  // Frames shown one after another since the last unchanged one.
  int shownInARow_ = 0;
};

}  // namespace platform

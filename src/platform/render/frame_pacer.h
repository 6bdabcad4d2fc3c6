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
  // Right after frames that changed, that is a loop pass that came before
  // its next step was due: the loop's clock counts whole milliseconds, sleeps
  // wake late or not, and a late pass takes two steps, leaving the next one
  // early. Waiting a whole frame would lose a frame for every such pass. The
  // pacer waits a quarter of a frame instead, up to a frame in all, so the
  // step is taken and shown as soon as it is due, and the pace moves past
  // the steps' edge.
  void WaitAfterUnchangedFrame();

 private:
  void SleepUntilTarget();

  int hz_ = 60;
  int period_ = 16;
  int fraction_ = 40;
  int accumulator_ = 0;
  int32_t target_ = 0;
  // Frames shown one after another since the last unchanged one, and the
  // quarter-frame waits since the last frame shown.
  int shownInARow_ = 0;
  int earlyWaits_ = 0;
};

}  // namespace platform

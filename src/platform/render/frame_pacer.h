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

 private:
  int hz_ = 60;
  int period_ = 16;
  int fraction_ = 40;
  int accumulator_ = 0;
  int32_t target_ = 0;
};

}  // namespace platform

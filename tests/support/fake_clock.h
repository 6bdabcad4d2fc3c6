#pragma once
// A clock that only moves when the code under test sleeps, or when the test
// says so: nothing depends on the wall clock.

#include <cstdint>
#include <ctime>
#include <functional>

#include "platform/host/clock.h"

class FakeClock {
 public:
  FakeClock() {
    platform::InstallClock({[this] { return now; },
                            [this](int ms) {
                              Advance(ms + extraPerSleep);
                              slept += ms;
                              if (onSleep) onSleep();
                            },
                            [this] { return calendar; }});
  }
  ~FakeClock() { platform::InstallClock({}); }
  FakeClock(const FakeClock&) = delete;
  FakeClock& operator=(const FakeClock&) = delete;

  // Moves the clock on, wrapping like the system's millisecond count.
  void Advance(int ms) { now = static_cast<int32_t>(static_cast<uint32_t>(now) + static_cast<uint32_t>(ms)); }

  int32_t now = 1000;
  // Noon UTC on 5 March 2026: the same date in every time zone from -11 to +11 hours.
  std::time_t calendar = 1772712000;
  int64_t slept = 0;
  // Added to every sleep: 16 makes each 1 ms pass of a game loop last a step.
  int extraPerSleep = 0;
  std::function<void()> onSleep;
};

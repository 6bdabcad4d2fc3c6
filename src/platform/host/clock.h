#pragma once
// The millisecond clock. Tests and tools may install their own clock so that
// nothing in them depends on the wall clock.

#include <cstdint>
#include <ctime>
#include <functional>
#include <string>

namespace platform {

int32_t Millisecs();
void Delay(int ms);
std::string CurrentDate();

struct ClockSource {
  std::function<int32_t()> now;
  std::function<void(int)> sleep;
  // Seconds since 1970 for CurrentDate; empty: the system's calendar.
  std::function<std::time_t()> calendar;
};
// An empty source restores the system clock.
void InstallClock(ClockSource source);

}  // namespace platform

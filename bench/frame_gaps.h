#pragma once
// The gaps between the frames a paced loop showed: frames shown per second,
// the share of gaps over 25 ms (a frame and a half at 60 Hz: a frame was
// missed) and the longest. Written as one line by a program that measured
// itself and read back by the one that started it.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <optional>
#include <string>

class FrameGaps {
 public:
  using Clock = std::chrono::steady_clock;
  static constexpr double kLateMs = 25;
  static constexpr const char* kLinePrefix = "frame gaps";

  void Shown(Clock::time_point at) {
    if (frames_ > 0) {
      const double ms = std::chrono::duration<double, std::milli>(at - last_).count();
      late_ += ms > kLateMs ? 1 : 0;
      longestMs_ = std::max(longestMs_, ms);
      seconds_ += ms / 1000;
    }
    last_ = at;
    ++frames_;
  }

  double FramesPerSecond() const { return seconds_ > 0 ? (frames_ - 1) / seconds_ : 0; }
  double LateShare() const { return frames_ > 1 ? static_cast<double>(late_) / (frames_ - 1) : 0; }
  double LongestMs() const { return longestMs_; }

  std::string Line() const {
    char line[128];
    std::snprintf(line, sizeof line, "%s %ld %ld %.3f %.3f", kLinePrefix, frames_, late_, longestMs_, seconds_);
    return line;
  }
  static std::optional<FrameGaps> Parse(const std::string& line) {
    FrameGaps gaps;
    const std::string format = std::string(kLinePrefix) + " %ld %ld %lf %lf";
    if (std::sscanf(line.c_str(), format.c_str(), &gaps.frames_, &gaps.late_, &gaps.longestMs_, &gaps.seconds_) != 4) {
      return std::nullopt;
    }
    return gaps;
  }

 private:
  long frames_ = 0, late_ = 0;
  double longestMs_ = 0, seconds_ = 0;
  Clock::time_point last_;
};

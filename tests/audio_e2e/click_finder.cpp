#include "audio_e2e/click_finder.h"

#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

int Step(const DeviceRecording& recording, size_t frame, int channel) {
  return static_cast<int>(recording.Sample(frame, channel)) - static_cast<int>(recording.Sample(frame - 1, channel));
}

}  // namespace

Jump LargestJump(const DeviceRecording& recording) {
  Jump largest;
  for (size_t frame = 1; frame < recording.Frames(); ++frame) {
    for (int channel = 0; channel < 2; ++channel) {
      const int step = Step(recording, frame, channel);
      if (std::abs(step) > std::abs(largest.step)) largest = {frame, channel, step, 0.0};
    }
  }
  return largest;
}

Jump SharpestJump(const DeviceRecording& recording, size_t windowFrames, int floor) {
  Jump sharpest;
  const size_t frames = recording.Frames();
  if (frames < 2 * windowFrames + 2) return sharpest;
  for (int channel = 0; channel < 2; ++channel) {
    // Running sums of squared steps, so that each window costs two lookups.
    std::vector<double> sums(frames, 0.0);
    for (size_t frame = 1; frame < frames; ++frame) {
      const double step = Step(recording, frame, channel);
      sums[frame] = sums[frame - 1] + step * step;
    }
    for (size_t frame = windowFrames + 1; frame + windowFrames < frames; ++frame) {
      const int step = Step(recording, frame, channel);
      if (std::abs(step) <= floor) continue;
      const double around = sums[frame + windowFrames] - sums[frame - windowFrames - 1] - double(step) * step;
      const double rms = std::sqrt(std::max(around, 1.0) / static_cast<double>(2 * windowFrames));
      const double ratio = std::abs(step) / rms;
      if (ratio > sharpest.ratio) sharpest = {frame, channel, step, ratio};
    }
  }
  return sharpest;
}

#pragma once
// Clicks: a click is a step from one sample to the next that the sound around
// it does not make, a jump where a waveform was cut or a gain changed at once.

#include <cstddef>

#include "audio_e2e/device_recording.h"

struct Jump {
  size_t frame = 0;
  int channel = 0;
  int step = 0;        // the sample-to-sample difference
  double ratio = 0.0;  // against the RMS of the steps around it
};

// The largest step anywhere.
Jump LargestJump(const DeviceRecording& recording);

// The step that stands out most from the steps within `windowFrames` on either
// side. Steps of at most `floor` are not considered: near silence any step
// stands out and none is heard.
Jump SharpestJump(const DeviceRecording& recording, size_t windowFrames, int floor = 64);

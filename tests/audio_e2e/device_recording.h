#pragma once
// What SDL's disk audio driver wrote: the device's own output, interleaved
// 16-bit signed little-endian stereo at the rate the mixer was opened at, in
// blocks of one callback each.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct DeviceRecording {
  int rate = 0;
  std::vector<int16_t> samples;  // left, right, left, right ...

  size_t Frames() const { return samples.size() / 2; }
  double Seconds() const { return rate > 0 ? static_cast<double>(Frames()) / rate : 0.0; }
  float Sample(size_t frame, int channel) const { return samples[2 * frame + static_cast<size_t>(channel)]; }
};

// Empty samples when the file is missing.
DeviceRecording ReadDeviceRecording(const std::string& path, int rate);

// Frames written so far: the disk driver's file grows block by block while the
// game plays, so its size dates an event against the samples.
size_t FramesWrittenSoFar(const std::string& path);

struct LevelFigures {
  double peakDb = -200.0;  // dBFS of the largest sample
  double rmsDb = -200.0;   // dBFS of the whole recording, both channels
  size_t fullScaleSamples = 0;  // samples at -32768 or 32767: the mix was clamped there
};

LevelFigures MeasureLevels(const DeviceRecording& recording, size_t fromFrame = 0, size_t toFrame = SIZE_MAX);

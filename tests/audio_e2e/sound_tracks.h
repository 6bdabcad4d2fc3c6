#pragma once
// The recording explained as the sum of the game's sounds: each sound that
// played is rendered alone by a mixer of its own, as the device would have
// played it at volume 1.0, and placed where it began. Channel changes reach
// the device between two of its callbacks, so every sound begins on a block
// boundary; within a block each sound's volume is one figure (bar a ramp of a
// few milliseconds, which is modelled too), and least squares recovers it
// block by block.

#include <cstddef>
#include <string>
#include <vector>

#include "audio_e2e/device_recording.h"
#include "platform/audio/sound_data.h"

struct SoundTrack {
  std::string name;
  size_t onset = 0;             // frame of the recording where the sound begins
  std::vector<float> samples;   // interleaved stereo from the onset, at volume 1.0

  size_t Frames() const { return samples.size() / 2; }
};

// At most `frames` frames of the sound alone, at `rate` times its own speed.
std::vector<float> RenderAlone(const platform::SoundData& sound, float rate, int outputRate, size_t frames);

struct OnsetMatch {
  size_t frame = 0;
  double match = 0.0;  // normalised correlation with the recording, 0 to 1
};

// The block boundary near `estimate` (from `blocksBefore` blocks before it to
// `blocksAfter` after) where the first `matchFrames` of the track fit the
// recording best.
OnsetMatch FindOnset(const DeviceRecording& recording, const std::vector<float>& track, size_t estimate,
                     size_t blockFrames, int blocksBefore, int blocksAfter, size_t matchFrames);

struct BlockFit {
  // gains[track][block]; negative where the track is silent or absent in that block.
  std::vector<std::vector<double>> gains;
  std::vector<double> recordingRms;  // per block
  std::vector<double> residualRms;   // per block, what the tracks leave unexplained
  // Per block, the largest sample-to-sample step of what is left unexplained:
  // a click in the output that none of the sounds holds stands out here.
  std::vector<double> residualStep;
};

// A volume changed between two callbacks moves from the old figure to the new
// one over the first `rampFrames` of the block, as the mixer ramps it.
BlockFit FitBlocks(const DeviceRecording& recording, const std::vector<SoundTrack>& tracks, size_t blockFrames,
                   size_t rampFrames);

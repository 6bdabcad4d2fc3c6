#pragma once
// A long sound decoded as it plays, one stream per playing: the mixer asks it,
// under the mixer's lock on the device's thread, for the frames it is about to
// mix. The compressed file is already in memory, so a request only decodes the
// few packets it needs and never waits on a file; opening a stream (the
// decoder's set-up) happens before the lock is taken.

#include <cstddef>
#include <cstdint>
#include <memory>

#include "platform/audio/sound_data.h"

namespace platform {

class SoundStream {
 public:
  // The most frames one request may ask for.
  static constexpr size_t kMaxWindow = 4096;

  virtual ~SoundStream() = default;
  // `count` interleaved frames of the sound played on and on, from its frame
  // `first`: a looping sound starts again after its last frame, any other is
  // silent after it. Requests move forward only: `first` is at or after the
  // previous request's, counted around the loop, so a `first` below the
  // previous one is in the next lap.
  virtual const int16_t* Frames(size_t first, size_t count) = 0;
};

// Null when the sound is not streamed or its decoder cannot be set up.
std::unique_ptr<SoundStream> OpenSoundStream(const std::shared_ptr<const SoundData>& sound);

}  // namespace platform

// An Ogg Vorbis sound, decoded whole as the game's effects are, and streamed
// as its music is: whatever the stream's checks let through is read through
// its first lap, and where the whole decode succeeds too the stream gives the
// same samples, then silence to the length the file promised.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "fuzz/decoded_checks.h"
#include "platform/codecs/sound_decoders.h"
#include "platform/audio/sound_stream.h"

namespace {

// Enough for every seed's first lap, without letting a file that promises
// hours of sound spend them here.
constexpr size_t kMostFramesRead = size_t{1} << 18;

void ExpectStreamMatches(const std::optional<platform::SoundData>& whole,
                         std::shared_ptr<const std::vector<uint8_t>> bytes) {
  auto loaded = platform::LoadVorbis(std::move(bytes), 0);
  if (!loaded) return;
  const auto sound = std::make_shared<const platform::SoundData>(std::move(*loaded));
  auto stream = platform::OpenSoundStream(sound);
  if (!stream) return;
  const size_t channels = static_cast<size_t>(sound->channels);
  const size_t frames = std::min(sound->Frames(), kMostFramesRead);
  for (size_t first = 0; first < frames; first += platform::SoundStream::kMaxWindow) {
    const size_t count = std::min(platform::SoundStream::kMaxWindow, frames - first);
    const int16_t* got = stream->Frames(first, count);
    if (!whole || whole->channels != sound->channels) continue;
    for (size_t i = 0; i < count * channels; ++i) {
      const size_t at = first * channels + i;
      const int16_t expected = at < whole->samples.size() ? whole->samples[at] : 0;
      if (got[i] != expected) FuzzFailure("the stream differs from the whole decode at sample " + std::to_string(at));
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto whole = platform::DecodeVorbis(data, size);
  ExpectWellFormed(whole);
  ExpectStreamMatches(whole, std::make_shared<const std::vector<uint8_t>>(data, data + size));
  return 0;
}

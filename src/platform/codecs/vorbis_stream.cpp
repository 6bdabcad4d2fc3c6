// A streamed Ogg sound decoded as the mixer plays it. The stream holds a
// window of decoded frames: each request drops what the mixer has passed and
// decodes just enough packets to cover the rest. The decoder yields exactly
// the sound's length per lap (silence where the data ends early), and a
// looping sound goes back to the first page and decodes the same frames
// again, so every lap is the sound decoded whole, frame for frame.

#include <algorithm>
#include <bit>
#include <cstring>
#include <vector>

#include "platform/audio/sound_stream.h"
#include "platform/codecs/vorbis_file.h"

namespace platform {
namespace {

constexpr int kBigEndian = std::endian::native == std::endian::big ? 1 : 0;

class VorbisStream final : public SoundStream {
 public:
  explicit VorbisStream(std::shared_ptr<const SoundData> sound)
      : sound_(std::move(sound)),
        file_(sound_->oggFile->data(), sound_->oggFile->size()),
        channels_(static_cast<size_t>(sound_->channels)),
        window_(kMaxWindow * channels_) {}

  bool IsOpen() const { return file_.IsOpen(); }

  const int16_t* Frames(size_t first, size_t count) override {
    const size_t length = sound_->streamedFrames;
    size_t passed = first >= head_ ? first - head_ : first + length - head_;
    head_ = first;
    if (passed < held_) {
      std::memmove(window_.data(), window_.data() + passed * channels_, (held_ - passed) * channels_ * 2);
      held_ -= passed;
    } else {
      // Further than the window held (a very high rate): decode the gap and let it go.
      passed -= held_;
      held_ = 0;
      while (passed > 0) {
        const size_t gap = std::min(passed, kMaxWindow);
        Fill(gap);
        held_ = 0;
        passed -= gap;
      }
    }
    Fill(std::min(count, kMaxWindow));
    return window_.data();
  }

 private:
  void Fill(size_t frames) {
    while (held_ < frames) held_ += Decode(window_.data() + held_ * channels_, frames - held_);
  }

  // The next frames of the sound played on and on, at most `frames`, at least one.
  size_t Decode(int16_t* target, size_t frames) {
    const size_t length = sound_->streamedFrames;
    if (lapDecoded_ == length) {
      if (!sound_->loop) {
        std::fill_n(target, frames * channels_, int16_t{0});
        return frames;
      }
      lapDecoded_ = 0;
      dataEnded_ = ov_raw_seek(file_.get(), 0) != 0;
    }
    const size_t wanted = std::min(frames, length - lapDecoded_);
    size_t got = 0;
    while (!dataEnded_ && got == 0) {
      int section = 0;
      const long bytes = ov_read(file_.get(), reinterpret_cast<char*>(target),
                                 static_cast<int>(wanted * channels_ * 2), kBigEndian, 2, 1, &section);
      if (bytes == OV_HOLE) continue;
      got = bytes > 0 ? static_cast<size_t>(bytes) / (channels_ * 2) : 0;
      if (got == 0) dataEnded_ = true;
    }
    if (dataEnded_) {
      std::fill_n(target, wanted * channels_, int16_t{0});
      got = wanted;
    }
    lapDecoded_ += got;
    return got;
  }

  std::shared_ptr<const SoundData> sound_;  // keeps the file's bytes
  MemoryVorbisFile file_;
  size_t channels_;
  std::vector<int16_t> window_;
  size_t head_ = 0;        // the sound's frame at the front of the window
  size_t held_ = 0;        // frames decoded into the window
  size_t lapDecoded_ = 0;  // frames the decoder has given in this lap
  bool dataEnded_ = false;  // the data gave out before the lap's length: silence to its end
};

}  // namespace

std::unique_ptr<SoundStream> OpenSoundStream(const std::shared_ptr<const SoundData>& sound) {
  if (!sound || !sound->IsStreamed() || sound->streamedFrames == 0) return nullptr;
  auto stream = std::make_unique<VorbisStream>(sound);
  if (!stream->IsOpen()) return nullptr;
  // The first packets are decoded now, before the mixer's lock is taken.
  stream->Frames(0, 1);
  return stream;
}

}  // namespace platform

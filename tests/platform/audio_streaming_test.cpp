// Long sounds decoded as they play: what the mixer makes of a streamed sound
// must be what it makes of the same file decoded whole, sample for sample,
// through every lap of a loop, at any rate, across stops and restarts; and a
// broken file gives no sound at all, as a sound decoded whole does.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "platform/audio/mixer.h"
#include "platform/codecs/sound_decoders.h"
#include "platform/audio/sound_stream.h"
#include "support/test_sounds.h"

using namespace platform;

namespace {

constexpr int kRate = 22050;

// A chord whose parts drift against each other, so no two stretches of the
// sound are alike and a frame taken from the wrong place shows.
std::vector<int16_t> Chord(int frames, int channels) {
  std::vector<int16_t> samples;
  for (int i = 0; i < frames; ++i) {
    for (int c = 0; c < channels; ++c) {
      const double t = static_cast<double>(i) / kRate;
      samples.push_back(static_cast<int16_t>(7000 * std::sin(2 * 3.14159265 * (220 + 40 * c) * t) +
                                             5000 * std::sin(2 * 3.14159265 * 331 * t * (1 + t / 8))));
    }
  }
  return samples;
}

struct Twins {
  std::shared_ptr<const SoundData> whole;
  std::shared_ptr<const SoundData> streamed;
};

// The same file decoded whole and loaded to stream.
Twins Load(const std::vector<uint8_t>& file, bool loop) {
  auto bytes = std::make_shared<const std::vector<uint8_t>>(file);
  auto whole = DecodeVorbis(bytes->data(), bytes->size());
  auto streamed = LoadVorbis(bytes, 0);
  if (!whole || !streamed) return {};
  whole->loop = streamed->loop = loop;
  return {std::make_shared<const SoundData>(std::move(*whole)),
          std::make_shared<const SoundData>(std::move(*streamed))};
}

// Pulls `frames` from the mixer in blocks of uneven sizes, as devices ask.
std::vector<int16_t> Pull(Mixer& mixer, int frames) {
  std::vector<int16_t> stereo(static_cast<size_t>(2 * frames));
  int done = 0;
  for (int block = 0; done < frames; ++block) {
    const int count = std::min(frames - done, 300 + 257 * (block % 5));
    mixer.Mix(stereo.data() + 2 * done, count);
    done += count;
  }
  return stereo;
}

// Index of the first stereo frame where the two differ, or -1.
long FirstDifference(const std::vector<int16_t>& a, const std::vector<int16_t>& b) {
  const auto at = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
  return at.first == a.end() && at.second == b.end() ? -1 : (at.first - a.begin()) / 2;
}

// One mixer for each twin, driven alike.
struct MixerPair {
  Mixer whole{44100};
  Mixer streamed{44100};
  std::shared_ptr<MixerVoice> wholeVoice = whole.NewVoice();
  std::shared_ptr<MixerVoice> streamedVoice = streamed.NewVoice();

  void Play(const Twins& twins) {
    whole.Play(wholeVoice, twins.whole);
    streamed.Play(streamedVoice, twins.streamed, OpenSoundStream(twins.streamed));
  }
  void SetRate(float rate) {
    whole.SetRate(*wholeVoice, rate);
    streamed.SetRate(*streamedVoice, rate);
  }
  // Empty when both gave the same, else where they parted.
  std::string Compare(int frames) {
    const long at = FirstDifference(Pull(whole, frames), Pull(streamed, frames));
    return at < 0 ? "" : "they differ from frame " + std::to_string(at);
  }
};

}  // namespace

TEST(AudioStreaming, ALongFileIsStreamedAndAShortOneDecodedWhole) {
  const auto file = std::make_shared<const std::vector<uint8_t>>(VorbisBytes(kRate, 2, Chord(kRate, 2)));
  const auto streamed = LoadVorbis(file, 0);
  ASSERT_TRUE(streamed);
  EXPECT_TRUE(streamed->IsStreamed());
  EXPECT_TRUE(streamed->samples.empty());
  EXPECT_EQ(streamed->Frames(), static_cast<size_t>(kRate));
  EXPECT_EQ(streamed->Bytes(), file->size());
  const auto whole = LoadVorbis(file);
  ASSERT_TRUE(whole);
  EXPECT_FALSE(whole->IsStreamed());
  EXPECT_EQ(whole->Frames(), static_cast<size_t>(kRate));
}

TEST(AudioStreaming, ALoopSoundsAsTheWholeDecodeLapAfterLapAtAnyRate) {
  for (const int channels : {1, 2}) {
    const Twins twins = Load(VorbisBytes(kRate, channels, Chord(kRate / 2, channels)), true);
    ASSERT_TRUE(twins.whole && twins.streamed);
    // Three and a half laps at the sound's own pace, then faster and slower
    // than the output, then far faster than one window of the stream holds.
    for (const float rate : {1.0f, 1.37f, 0.61f, 300.0f}) {
      MixerPair mixers;
      mixers.SetRate(rate);
      mixers.Play(twins);
      EXPECT_EQ(mixers.Compare(static_cast<int>(3.5 * 44100 / rate) + 999), "")
          << channels << " channels at rate " << rate;
    }
  }
}

TEST(AudioStreaming, StopsRestartsAndTheEndSoundAsTheWholeDecode) {
  const Twins once = Load(VorbisBytes(kRate, 2, Chord(kRate / 2, 2)), false);
  ASSERT_TRUE(once.whole && once.streamed);
  MixerPair mixers;
  mixers.Play(once);
  EXPECT_EQ(mixers.Compare(5000), "");
  // Played again mid-way: the old playing fades out while the new one starts.
  mixers.Play(once);
  EXPECT_EQ(mixers.Compare(7000), "");
  mixers.whole.Stop(*mixers.wholeVoice);
  mixers.streamed.Stop(*mixers.streamedVoice);
  EXPECT_EQ(mixers.Compare(2000), "");
  // To the end and past it: silence after the last frame, and the channel is free.
  mixers.Play(once);
  EXPECT_EQ(mixers.Compare(44100), "");
  EXPECT_FALSE(Mixer::IsPlaying(*mixers.streamedVoice));
}

// The same checks as for a sound decoded whole: a file cut anywhere, even
// between two pages, is refused before anything plays.
TEST(AudioStreaming, AFileCutShortGivesNoSound) {
  const auto bytes = VorbisBytes(kRate, 2, Chord(kRate, 2));
  for (size_t at = 4; at + 4 < bytes.size(); at += 97) {
    auto cut = std::make_shared<const std::vector<uint8_t>>(bytes.begin(), bytes.begin() + static_cast<long>(at));
    EXPECT_FALSE(LoadVorbis(cut, 0)) << "cut at " << at;
  }
  EXPECT_FALSE(LoadVorbis(nullptr, 0));
  SoundData notStreamed;
  EXPECT_FALSE(OpenSoundStream(std::make_shared<const SoundData>(notStreamed)));
}

// Damage inside the audio pages: pages that fail their checksum are skipped
// as holes, so the data gives out before the length the last page promised.
// The stream then gives what the whole decode gives, followed by silence to
// that length, lap after lap; and whatever the stream's checks pass plays
// without crashing.
TEST(AudioStreaming, DamagedFilesStreamAsTheyDecodeAndPadWithSilence) {
  // Noise, so the file has many pages.
  std::vector<int16_t> noise;
  for (int i = 0; i < 2 * 3 * kRate; ++i) noise.push_back(static_cast<int16_t>((i * 7919) % 20011 - 10000));
  const auto good = VorbisBytes(kRate, 2, noise);
  std::mt19937 random(5);
  int compared = 0;
  for (int round = 0; round < 40; ++round) {
    auto bytes = good;
    for (int c = 0; c < 3; ++c) bytes[bytes.size() / 4 + random() % (bytes.size() / 2)] = static_cast<uint8_t>(random());
    auto file = std::make_shared<const std::vector<uint8_t>>(bytes);
    auto streamed = LoadVorbis(file, 0);
    if (!streamed) continue;
    streamed->loop = true;
    const auto sound = std::make_shared<const SoundData>(std::move(*streamed));
    auto whole = DecodeVorbis(file->data(), file->size());
    if (!whole) {
      Mixer mixer(44100);
      mixer.Play(mixer.NewVoice(), sound, OpenSoundStream(sound));
      Pull(mixer, 3 * 44100);
      continue;
    }
    whole->loop = true;
    whole->samples.resize(sound->Frames() * static_cast<size_t>(sound->channels), 0);
    MixerPair mixers;
    mixers.Play({std::make_shared<const SoundData>(std::move(*whole)), sound});
    EXPECT_EQ(mixers.Compare(2 * 44100), "") << "round " << round;
    ++compared;
  }
  EXPECT_GT(compared, 20);
}

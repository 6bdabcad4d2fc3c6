// The mixer driven directly: samples are pulled as the device would pull them.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "platform/audio/mixer.h"
#include "support/test_sounds.h"

using namespace platform;

namespace {

constexpr int kRate = 44100;

std::shared_ptr<const SoundData> MakeSound(std::vector<int16_t> samples, int channels = 1, bool loop = false,
                                           int rate = kRate) {
  auto sound = std::make_shared<SoundData>();
  sound->rate = rate;
  sound->channels = channels;
  sound->loop = loop;
  sound->samples = std::move(samples);
  return sound;
}

std::vector<int16_t> Pull(Mixer& mixer, int frames) {
  std::vector<int16_t> stereo(static_cast<size_t>(2 * frames));
  mixer.Mix(stereo.data(), frames);
  return stereo;
}

// The largest step between neighbouring frames of one side of the output.
int LargestJump(const std::vector<int16_t>& stereo, int side = 0) {
  int largest = 0;
  for (size_t i = static_cast<size_t>(side) + 2; i < stereo.size(); i += 2) {
    largest = std::max(largest, std::abs(stereo[i] - stereo[i - 2]));
  }
  return largest;
}

// Over every `stride`-th sample from `from` to `to`.
int CountRisingZeroCrossings(const std::vector<int16_t>& samples, size_t from, size_t to, size_t stride) {
  int count = 0;
  for (size_t i = from + stride; i < to; i += stride) {
    if (samples[i - stride] < 0 && samples[i] >= 0) ++count;
  }
  return count;
}

}  // namespace

TEST(AudioMixer, MonoAndStereoAtTheirOwnRateComeOutBitExact) {
  Mixer mixer(kRate);
  const auto mono = SineSamples(1000, kRate, 441, 30000);
  std::vector<int16_t> stereoSamples;
  for (int i = 0; i < 1000; ++i) {
    stereoSamples.push_back(static_cast<int16_t>(i * 13 - 6000));
    stereoSamples.push_back(static_cast<int16_t>(-i * 29));
  }
  const auto monoVoice = mixer.NewVoice();
  const auto stereoVoice = mixer.NewVoice();

  mixer.Play(monoVoice, MakeSound(mono));
  auto out = Pull(mixer, 1100);
  for (size_t i = 0; i < mono.size(); ++i) {
    ASSERT_EQ(out[2 * i], mono[i]) << "frame " << i;
    ASSERT_EQ(out[2 * i + 1], mono[i]) << "frame " << i;
  }
  for (size_t i = 2 * mono.size(); i < out.size(); ++i) ASSERT_EQ(out[i], 0);
  EXPECT_FALSE(Mixer::IsPlaying(*monoVoice));

  // This one starts away from zero: it ramps in, then runs exactly as recorded.
  mixer.Play(stereoVoice, MakeSound(stereoSamples, 2));
  out = Pull(mixer, 1000);
  for (size_t i = static_cast<size_t>(mixer.RampFrames()); i < 1000; ++i) {
    ASSERT_EQ(out[2 * i], stereoSamples[2 * i]) << "frame " << i;
    ASSERT_EQ(out[2 * i + 1], stereoSamples[2 * i + 1]) << "frame " << i;
  }
}

TEST(AudioMixer, RateTwoPlaysAnOctaveUpInHalfTheTime) {
  Mixer mixer(kRate);
  const auto sine = SineSamples(4410, kRate, 441, 20000);
  const auto voice = mixer.NewVoice();
  mixer.SetRate(*voice, 2.0f);
  mixer.Play(voice, MakeSound(sine));

  const auto out = Pull(mixer, 4410);
  for (size_t i = 0; i < 2205; ++i) ASSERT_EQ(out[2 * i], sine[2 * i]) << "frame " << i;
  for (size_t i = 2 * 2205; i < out.size(); ++i) ASSERT_EQ(out[i], 0);
  // Twice the cycles of the sound's own first 2205 frames.
  EXPECT_EQ(CountRisingZeroCrossings(out, 0, 2 * 2205, 2), 2 * CountRisingZeroCrossings(sine, 0, 2205, 1));
  EXPECT_FALSE(Mixer::IsPlaying(*voice));
}

TEST(AudioMixer, ASoundAtHalfTheOutputRateIsInterpolatedBetweenItsFrames) {
  Mixer mixer(kRate);
  const std::vector<int16_t> ramp = {0, 1000, 3000, -3000};
  const auto voice = mixer.NewVoice();
  mixer.Play(voice, MakeSound(ramp, 1, false, kRate / 2));
  const auto out = Pull(mixer, 10);
  const std::vector<int16_t> expected = {0, 500, 1000, 2000, 3000, 0, -3000, -1500, 0, 0};
  for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(out[2 * i], expected[i]) << "frame " << i;
}

TEST(AudioMixer, ALoopingSoundWrapsWithoutAJumpAndAPlainOneEnds) {
  Mixer mixer(kRate);
  // Exactly ten periods from a peak, so the end meets the start; a wrong step
  // across the seam would dip by thousands.
  const auto period = SineSamples(1000, kRate, 441, 20000, 1, 90.0);
  const auto looping = mixer.NewVoice();
  mixer.SetRate(*looping, 1.37f);
  mixer.Play(looping, MakeSound(period, 1, true));
  const auto out = Pull(mixer, 20000);
  // The sine itself moves up to 2 pi x 441 / 44100 x 20000 = 1257 per frame at rate 1.
  EXPECT_LE(LargestJump(out), 1257 * 1.37 + 2);
  EXPECT_TRUE(Mixer::IsPlaying(*looping));
  EXPECT_NE(out[2 * 19999], 0);

  mixer.Stop(*looping);
  const auto once = mixer.NewVoice();
  mixer.Play(once, MakeSound(period));
  Pull(mixer, 999);
  EXPECT_TRUE(Mixer::IsPlaying(*once));
  Pull(mixer, 2);
  EXPECT_FALSE(Mixer::IsPlaying(*once));
}

TEST(AudioMixer, ReplayingAReservedChannelRestartsItWithTheNewSound) {
  Mixer mixer(kRate);
  const auto first = SineSamples(5000, kRate, 300, 15000);
  const auto second = SineSamples(5000, kRate, 200, 12000);
  const auto channel = mixer.NewVoice();
  mixer.Play(channel, MakeSound(first, 1, true));
  Pull(mixer, 1234);
  mixer.Play(channel, MakeSound(second));
  const auto out = Pull(mixer, 3000);

  EXPECT_EQ(mixer.ListedVoices(), 1u);
  // The first sound was near 9000 when it was replaced; both sines together move
  // by at most about 1000 per frame.
  EXPECT_LE(LargestJump(out), 1200);
  // Once the old sound has faded out only the new one is heard, from its start.
  for (size_t i = static_cast<size_t>(mixer.RampFrames()); i < 3000; ++i) {
    ASSERT_EQ(out[2 * i], second[i]) << "frame " << i;
  }
  // After a stop the channel plays again from the start.
  mixer.Stop(*channel);
  EXPECT_FALSE(Mixer::IsPlaying(*channel));
  Pull(mixer, mixer.RampFrames() + 1);
  mixer.Play(channel, MakeSound(second));
  const auto again = Pull(mixer, 100);
  for (size_t i = 0; i < 100; ++i) ASSERT_EQ(again[2 * i], second[i]);
}

TEST(AudioMixer, VolumeTwoAmplifiesAndAnOverloadedSumIsLimitedInsteadOfClipped) {
  Mixer mixer(kRate);
  const auto sine = SineSamples(2000, kRate, 441, 10000);
  const auto loud = mixer.NewVoice();
  mixer.SetVolume(*loud, 2.0f);
  mixer.Play(loud, MakeSound(sine));
  auto out = Pull(mixer, 2000);
  for (size_t i = 0; i < sine.size(); ++i) ASSERT_EQ(out[2 * i], 2 * sine[i]);

  // Three such voices would reach 60000 at the peaks: the output is held under
  // full scale, keeps the sine's shape and sign, and changes its gain smoothly.
  std::vector<std::shared_ptr<MixerVoice>> voices;
  for (int v = 0; v < 3; ++v) {
    voices.push_back(mixer.NewVoice());
    mixer.SetVolume(*voices.back(), 2.0f);
    mixer.Play(voices.back(), MakeSound(sine));
  }
  out = Pull(mixer, 2000);
  EXPECT_GT(*std::max_element(out.begin(), out.end()), 30000);
  EXPECT_LT(*std::max_element(out.begin(), out.end()), 32767);
  EXPECT_GT(*std::min_element(out.begin(), out.end()), -32767);
  int flatTops = 0;
  for (size_t i = 0; i < sine.size(); ++i) {
    if (sine[i] > 0) {
      ASSERT_GT(out[2 * i], 0) << "frame " << i;
    } else if (sine[i] < 0) {
      ASSERT_LT(out[2 * i], 0) << "frame " << i;
    }
    if (i > 0 && std::abs(out[2 * i]) > 31000 && out[2 * i] == out[2 * i - 2]) ++flatTops;
  }
  EXPECT_LE(flatTops, 4);  // a sine's own crest, not a clamped plateau
  // The full sum moves up to 60000 x 2 pi x 441 / 44100 = 3770 per frame.
  EXPECT_LE(LargestJump(out), 3770);
}

TEST(AudioMixer, TheLimiterLetsGoAfterAnOverloadAndLeavesQuieterSumsUntouched) {
  Mixer mixer(kRate);
  const auto quiet = SineSamples(44100, kRate, 441, 20000, 1, 90.0);
  // 20000 and 20000 overload together; either alone is below the limit.
  const auto a = mixer.NewVoice(), b = mixer.NewVoice();
  mixer.Play(a, MakeSound(quiet));
  mixer.Play(b, MakeSound(quiet));
  auto out = Pull(mixer, 4410);
  EXPECT_LT(*std::max_element(out.begin(), out.end()), 32767);
  EXPECT_LE(LargestJump(out), 3000);  // 40000 x 2 pi x 441 / 44100 = 2513 per frame, at most
  mixer.Stop(*b);
  // Within a quarter of a second the gain is back at one: the sine comes out bit for bit.
  Pull(mixer, kRate / 4);
  out = Pull(mixer, 1000);
  const size_t from = 4410 + kRate / 4;
  for (size_t i = 0; i < 1000; ++i) ASSERT_EQ(out[2 * i], quiet[from + i]) << "frame " << i;
}

TEST(AudioMixer, ALouderPassageJustAfterAPullIsLimitedWithoutAJump) {
  Mixer mixer(kRate);
  // Two voices of a 441 Hz sine at 20000 (over the limit together), louder at
  // 30000 from frame 1000 on; the device pulls up to frame 1010, where the sum
  // is already 35000 and the louder crests are 15 frames away.
  auto sine = SineSamples(1000, kRate, 441, 20000);
  const auto louder = SineSamples(1000, kRate, 441, 30000);
  sine.insert(sine.end(), louder.begin(), louder.end());
  for (int v = 0; v < 2; ++v) mixer.Play(mixer.NewVoice(), MakeSound(sine));
  auto out = Pull(mixer, 1010);
  const auto rest = Pull(mixer, 990);
  out.insert(out.end(), rest.begin(), rest.end());
  EXPECT_LT(*std::max_element(out.begin(), out.end()), 32767);
  // The full sum moves up to 60000 x 2 pi x 441 / 44100 = 3770 per frame; a
  // gain dropping at once at the pull would add thousands more.
  EXPECT_LE(LargestJump(out), 3770);
}

TEST(AudioMixer, StartsStopsAndVolumeChangesMidWaveformDoNotClick) {
  Mixer mixer(kRate);
  // 200 Hz at 12000 moves at most about 340 per frame by itself, 680 at volume 2.
  constexpr int kClick = 900;
  const auto fromPeak = SineSamples(44100, kRate, 200, 12000, 1, 90.0);
  const auto voice = mixer.NewVoice();

  mixer.Play(voice, MakeSound(fromPeak, 1, true));
  std::vector<int16_t> out = {0, 0};
  auto append = [&](int frames) {
    const auto more = Pull(mixer, frames);
    out.insert(out.end(), more.begin(), more.end());
  };
  append(500);
  mixer.SetVolume(*voice, 0.1f);
  append(500);
  mixer.SetVolume(*voice, 2.0f);
  append(500);
  mixer.Play(voice, MakeSound(fromPeak, 1, true));
  append(333);
  mixer.Stop(*voice);
  append(500);

  EXPECT_LE(LargestJump(out), kClick);
  EXPECT_EQ(out[out.size() - 2], 0);
  EXPECT_FALSE(Mixer::IsPlaying(*voice));
}

TEST(AudioMixer, VolumeAndRateAreStoredInTheirSteps) {
  Mixer mixer(kRate);
  MixerVoice voice;
  mixer.SetVolume(voice, 0.3f);
  EXPECT_EQ(voice.volume, 1229);  // 0.3 x 4096 = 1228.8
  mixer.SetRate(voice, 1.6f);
  EXPECT_EQ(voice.rate, 104858u);  // 1.6 x 65536 = 104857.6
  mixer.SetVolume(voice, -1.0f);
  EXPECT_EQ(voice.volume, 0);
  mixer.SetVolume(voice, std::nanf(""));
  EXPECT_EQ(voice.volume, 0);
  mixer.SetRate(voice, -2.0f);
  EXPECT_EQ(voice.rate, 0u);
  mixer.SetVolume(voice, 1e30f);
  EXPECT_GT(voice.volume, 2 * kVolumeOne);
}

TEST(AudioMixer, FinishedVoicesWithoutAHandleAreForgotten) {
  Mixer mixer(kRate);
  const auto sound = MakeSound(SineSamples(100, kRate, 441, 1000));
  for (int i = 0; i < 50; ++i) {
    mixer.Play(mixer.NewVoice(), sound);
    Pull(mixer, 200);
  }
  EXPECT_LE(mixer.ListedVoices(), 1u);
}

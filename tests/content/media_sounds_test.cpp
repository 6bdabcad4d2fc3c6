// Every sound: present, decodable by the game's own decoders, at 44.1 kHz,
// never clipping, starting and ending without a click; the two loops join
// seamlessly and the music is a piece of more than a minute.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "media_files.h"
#include "platform/codecs/sound_decoders.h"

namespace {

struct Measured {
  platform::SoundData data;
  int peak = 0;
};

std::optional<Measured> Load(const std::string& name) {
  auto data = platform::DecodeSoundFile(media_test::MediaPath(name).string());
  if (!data) return std::nullopt;
  Measured m{*data};
  for (int16_t s : m.data.samples) m.peak = std::max(m.peak, std::abs(static_cast<int>(s)));
  return m;
}

// Sample of channel c at frame i, as -1..1.
float Sample(const platform::SoundData& d, size_t frame, int c) {
  return d.samples[frame * d.channels + c] / 32768.0f;
}

// The largest step between neighbouring samples that is still "ordinary" for
// this sound: a join larger than this would be heard as a click.
float TypicalLargeStep(const platform::SoundData& d) {
  std::vector<float> steps;
  for (size_t i = 1; i < d.Frames(); i += 7)
    for (int c = 0; c < d.channels; ++c) steps.push_back(std::fabs(Sample(d, i, c) - Sample(d, i - 1, c)));
  std::sort(steps.begin(), steps.end());
  return steps[steps.size() * 999 / 1000];
}

double Rms(const platform::SoundData& d, size_t from, size_t frames) {
  double sum = 0;
  for (size_t i = from; i < from + frames; ++i)
    for (int c = 0; c < d.channels; ++c) sum += Sample(d, i, c) * Sample(d, i, c);
  return std::sqrt(sum / (frames * d.channels));
}

const int kPeakLimit = 29204;  // -1 dBFS of 16-bit full scale

TEST(MediaSounds, EveryEffectIsCleanAndUnclipped) {
  for (const char* name : {"chimes.wav", "ooh.ogg", "oohooh2.ogg", "bigdoorshut2.ogg", "dododo.ogg", "woom.ogg", "tele.ogg",
                           "pageturn2.ogg", "undo.ogg"}) {
    SCOPED_TRACE(name);
    auto m = Load(name);
    ASSERT_TRUE(m.has_value()) << "does not decode";
    EXPECT_EQ(m->data.rate, 44100);
    EXPECT_LE(m->peak, kPeakLimit);
    EXPECT_GT(m->peak, kPeakLimit / 4) << "far too quiet";
    const size_t n = m->data.Frames();
    ASSERT_GT(n, 4410u);
    for (int c = 0; c < m->data.channels; ++c) {
      EXPECT_LT(std::fabs(Sample(m->data, 0, c)), 0.01f);
      EXPECT_LT(std::fabs(Sample(m->data, n - 1, c)), 0.01f);
    }
  }
}

TEST(MediaSounds, LoopsJoinWithoutAJump) {
  for (const char* name : {"velin_flutedance.ogg", "waves2.ogg"}) {
    SCOPED_TRACE(name);
    auto m = Load(name);
    ASSERT_TRUE(m.has_value()) << "does not decode";
    const platform::SoundData& d = m->data;
    EXPECT_EQ(d.rate, 44100);
    EXPECT_LE(m->peak, kPeakLimit);
    const size_t n = d.Frames();
    const float step = TypicalLargeStep(d);
    for (int c = 0; c < d.channels; ++c)
      EXPECT_LE(std::fabs(Sample(d, 0, c) - Sample(d, n - 1, c)), step) << "channel " << c;
    // No silence or swell at the join: the loudness just before and just
    // after it is alike.
    const size_t window = 4410;
    double before = Rms(d, n - window, window), after = Rms(d, 0, window);
    EXPECT_LT(std::fabs(20 * std::log10(before / after)), 6.0);
  }
}

TEST(MediaSounds, MusicIsAPieceOfMoreThanAMinute) {
  auto m = Load("velin_flutedance.ogg");
  ASSERT_TRUE(m.has_value());
  const platform::SoundData& d = m->data;
  EXPECT_EQ(d.channels, 2);
  EXPECT_GE(d.Frames(), 60u * 44100u);
  // It keeps playing throughout: no second of it is silent.
  for (size_t s = 0; s + 44100 <= d.Frames(); s += 44100) EXPECT_GT(Rms(d, s, 44100), 0.01) << "second " << s / 44100;
}

TEST(MediaSounds, ChimeIsSixteenBitPcmWave) {
  std::ifstream f(media_test::MediaPath("chimes.wav"), std::ios::binary);
  ASSERT_TRUE(f.good());
  std::vector<unsigned char> head(44);
  f.read(reinterpret_cast<char*>(head.data()), 44);
  ASSERT_EQ(f.gcount(), 44);
  EXPECT_EQ(std::string(head.begin(), head.begin() + 4), "RIFF");
  EXPECT_EQ(std::string(head.begin() + 8, head.begin() + 12), "WAVE");
  EXPECT_EQ(std::string(head.begin() + 12, head.begin() + 16), "fmt ");
  EXPECT_EQ(head[20] | head[21] << 8, 1);   // PCM
  EXPECT_EQ(head[34] | head[35] << 8, 16);  // bits per sample
}

}  // namespace

// Sound files: our RIFF WAVE parser and Ogg Vorbis through libvorbisfile.

#include <gtest/gtest.h>

#include <random>

#include "platform/codecs/sound_decoders.h"
#include "support/test_sounds.h"

using namespace platform;

namespace {

void Put32At(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + static_cast<size_t>(i)] = static_cast<uint8_t>(value >> (8 * i));
}

void Put16At(std::vector<uint8_t>& bytes, size_t at, uint16_t value) {
  bytes[at] = static_cast<uint8_t>(value);
  bytes[at + 1] = static_cast<uint8_t>(value >> 8);
}

std::optional<SoundData> Decode(const std::vector<uint8_t>& bytes) {
  return DecodeSoundBytes(bytes.data(), bytes.size());
}

// Offsets in the bytes WaveBytes writes.
constexpr size_t kRiffSize = 4, kFormatTag = 20, kChannels = 22, kRate = 24, kBlockAlign = 32, kBits = 34,
                 kDataSize = 40;

}  // namespace

TEST(AudioWave, ReadsEightAndSixteenBitMonoAndStereoAtAnyRate) {
  const std::vector<int16_t> stereo = {100, -200, 32767, -32768, 0, 5};
  auto sound = Decode(WaveBytes(11025, 2, 16, stereo));
  ASSERT_TRUE(sound);
  EXPECT_EQ(sound->rate, 11025);
  EXPECT_EQ(sound->channels, 2);
  EXPECT_EQ(sound->Frames(), 3u);
  EXPECT_EQ(sound->samples, stereo);

  // 8-bit samples are unsigned around 128 and come out widened.
  sound = Decode(WaveBytes(8000, 1, 8, {0, 0x7F00, -0x8000, 0x0100, -0x0100}));
  ASSERT_TRUE(sound);
  EXPECT_EQ(sound->rate, 8000);
  EXPECT_EQ(sound->channels, 1);
  EXPECT_EQ(sound->samples, (std::vector<int16_t>{0, 0x7F00, -0x8000, 0x0100, -0x0100}));
  EXPECT_FALSE(sound->loop);
}

TEST(AudioWave, SkipsOtherChunksWithTheirPaddingAndTakesTheExtensiblePcmHeader) {
  auto bytes = WaveBytes(22050, 1, 16, {1, 2, 3});
  // An odd-sized chunk before "fmt " is padded to an even length.
  const std::vector<uint8_t> list = {'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0};
  bytes.insert(bytes.begin() + 12, list.begin(), list.end());
  Put32At(bytes, kRiffSize, static_cast<uint32_t>(bytes.size() - 8));
  auto sound = Decode(bytes);
  ASSERT_TRUE(sound);
  EXPECT_EQ(sound->samples, (std::vector<int16_t>{1, 2, 3}));

  // The same samples under WAVE_FORMAT_EXTENSIBLE with the PCM sub-format.
  bytes = WaveBytes(22050, 1, 16, {1, 2, 3});
  const std::vector<uint8_t> extension = {22, 0, 16, 0, 4, 0, 0, 0, 1, 0, 0, 0, 0, 0,
                                          0x10, 0, 0x80, 0, 0, 0xAA, 0, 0x38, 0x9B, 0x71};
  bytes.insert(bytes.begin() + 36, extension.begin(), extension.end());
  Put32At(bytes, 16, 16 + static_cast<uint32_t>(extension.size()));
  Put16At(bytes, kFormatTag, 0xFFFE);
  Put32At(bytes, kRiffSize, static_cast<uint32_t>(bytes.size() - 8));
  sound = Decode(bytes);
  ASSERT_TRUE(sound);
  EXPECT_EQ(sound->samples, (std::vector<int16_t>{1, 2, 3}));
}

TEST(AudioWave, TruncatedFilesGiveNull) {
  const auto bytes = WaveBytes(22050, 2, 16, SineSamples(50, 22050, 441, 1000, 2));
  for (size_t length = 0; length < bytes.size(); ++length) {
    ASSERT_FALSE(DecodeWave(bytes.data(), length)) << "cut at " << length;
  }
  EXPECT_TRUE(DecodeWave(bytes.data(), bytes.size()));
  EXPECT_FALSE(DecodeWave(nullptr, 100));
}

TEST(AudioWave, AbsurdSizesGiveNull) {
  const auto good = WaveBytes(22050, 1, 16, {1, 2, 3, 4});
  for (const auto& [at, value] : std::vector<std::pair<size_t, uint32_t>>{
           {kRiffSize, 0xFFFFFFFFu}, {kRiffSize, 0xFFFFFFF8u}, {kDataSize, 0xFFFFFFF0u},
           {kDataSize, 0x7FFFFFFFu}, {16, 0xFFFFFFFFu}, {16, 12u}}) {
    auto bytes = good;
    Put32At(bytes, at, value);
    EXPECT_FALSE(Decode(bytes)) << "size " << value << " at " << at;
  }
  // No samples at all is nothing to play.
  auto empty = WaveBytes(22050, 1, 16, {});
  EXPECT_FALSE(Decode(empty));
}

TEST(AudioWave, UnknownOrInconsistentFormatsGiveNull) {
  const auto good = WaveBytes(22050, 2, 16, {1, 2, 3, 4});
  struct Change {
    size_t at;
    uint16_t value;
    const char* what;
  };
  for (const Change& change : std::vector<Change>{{kFormatTag, 3, "float samples"},
                                                  {kFormatTag, 2, "ADPCM"},
                                                  {kFormatTag, 0xFFFE, "extensible without its extension"},
                                                  {kChannels, 0, "no channels"},
                                                  {kChannels, 6, "six channels"},
                                                  {kBits, 24, "24 bits"},
                                                  {kBits, 0, "0 bits"},
                                                  {kBlockAlign, 3, "block size"},
                                                  {kRate, 0, "rate 0"}}) {
    auto bytes = good;
    Put16At(bytes, change.at, change.value);
    EXPECT_FALSE(Decode(bytes)) << change.what;
  }
  auto fast = good;
  Put32At(fast, kRate, 10'000'000);
  EXPECT_FALSE(Decode(fast)) << "absurd rate";
  auto noFormat = good;
  std::copy_n("junk", 4, noFormat.begin() + 12);
  EXPECT_FALSE(Decode(noFormat)) << "no fmt chunk";
  auto noData = good;
  std::copy_n("junk", 4, noData.begin() + 36);
  EXPECT_FALSE(Decode(noData)) << "no data chunk";
  auto notWave = good;
  std::copy_n("AVI ", 4, notWave.begin() + 8);
  EXPECT_FALSE(Decode(notWave));
}

// Damage to the header and the first samples, most copies cut short too:
// some are refused, and what is decoded takes no more than the file holds.
TEST(AudioWave, DamagedBytesAreRefusedOrDecodedWithinTheFile) {
  const auto good = WaveBytes(22050, 2, 16, SineSamples(64, 22050, 441, 1000, 2));
  std::mt19937 random(7);
  int decoded = 0, refused = 0;
  for (int round = 0; round < 5000; ++round) {
    auto bytes = good;
    const int changes = 1 + static_cast<int>(random() % 4);
    for (int c = 0; c < changes; ++c) {
      bytes[random() % std::min<size_t>(bytes.size(), 64)] = static_cast<uint8_t>(random());
    }
    bytes.resize(bytes.size() - random() % 8);
    const auto sound = DecodeWave(bytes.data(), bytes.size());
    if (!sound) {
      ++refused;
      continue;
    }
    ++decoded;
    ASSERT_TRUE(sound->channels == 1 || sound->channels == 2) << "round " << round;
    ASSERT_LE(sound->Bytes(), bytes.size()) << "round " << round;
  }
  EXPECT_GT(decoded, 0);
  EXPECT_GT(refused, 0);
}

TEST(AudioVorbis, DecodesAnEncodedSineAtItsRateLengthAndPitch) {
  const auto sine = SineSamples(22050, 22050, 441, 16000, 2);
  const auto bytes = VorbisBytes(22050, 2, sine);
  const auto sound = Decode(bytes);
  ASSERT_TRUE(sound);
  EXPECT_EQ(sound->rate, 22050);
  EXPECT_EQ(sound->channels, 2);
  EXPECT_EQ(sound->Frames(), 22050u);
  int crossings = 0;
  double error = 0;
  for (size_t i = 2; i < sound->samples.size(); i += 2) {
    if (sound->samples[i - 2] < 0 && sound->samples[i] >= 0) ++crossings;
    error += std::abs(sound->samples[i] - sine[i]);
  }
  EXPECT_NEAR(crossings, 441, 2);
  EXPECT_LT(error / 22050, 500);  // lossy, but close to the original
}

TEST(AudioVorbis, BrokenOrUnsupportedStreamsGiveNull) {
  const auto bytes = VorbisBytes(8000, 1, SineSamples(4000, 8000, 300, 10000));
  ASSERT_TRUE(Decode(bytes));
  // The headers alone, or a cut inside them.
  for (size_t length : {size_t{4}, size_t{30}, size_t{200}}) {
    EXPECT_FALSE(DecodeVorbis(bytes.data(), length)) << "cut at " << length;
  }
  std::vector<uint8_t> garbage(4000, 0x5A);
  std::copy_n("OggS", 4, garbage.begin());
  EXPECT_FALSE(Decode(garbage));
  EXPECT_FALSE(Decode(VorbisBytes(8000, 3, SineSamples(800, 8000, 300, 10000, 3)))) << "three channels";
}

// Half an effect is worse than none: a file cut anywhere after its headers,
// even exactly between two pages of sound, gives no sound.
TEST(AudioVorbis, AFileCutShortGivesNoSound) {
  // Twelve seconds: the sound takes more than the one page a short effect fills.
  const auto bytes = VorbisBytes(8000, 1, SineSamples(96000, 8000, 300, 10000));
  ASSERT_TRUE(Decode(bytes));
  std::vector<size_t> cuts{bytes.size() / 2, bytes.size() - 1, bytes.size() - 100};
  int afterSound = 0;
  for (size_t at = 4, page = 0; at + 4 < bytes.size(); ++at) {
    if (!std::equal(bytes.begin() + at, bytes.begin() + at + 4, "OggS")) continue;
    cuts.push_back(at);
    // The page before ends with sound when its granule position (samples decoded so far) is past 0.
    int64_t granule = 0;
    for (int i = 7; i >= 0; --i) granule = granule << 8 | bytes[page + 6 + static_cast<size_t>(i)];
    afterSound += granule > 0 ? 1 : 0;
    page = at;
  }
  ASSERT_GE(afterSound, 1) << "no cut between two pages of sound was tried";
  for (size_t length : cuts) EXPECT_FALSE(DecodeVorbis(bytes.data(), length)) << "cut at " << length;
}

TEST(AudioFiles, MissingEmptyAndForeignFilesGiveNull) {
  EXPECT_FALSE(DecodeSoundFile("/no/such/folder/sound.wav"));
  EXPECT_FALSE(DecodeSoundFile("/"));
  const std::vector<uint8_t> picture = {0x89, 'P', 'N', 'G', 13, 10, 26, 10};
  EXPECT_FALSE(Decode(picture));
  EXPECT_FALSE(Decode({}));
}

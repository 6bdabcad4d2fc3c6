// The game's audio operations on the shared mixer: loading from files, channels
// and their stored settings, with no device, a dummy device, or none to be had.

#include <gtest/gtest.h>

#include <SDL.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

#include "platform/audio/audio.h"
#include "platform/audio/sound_data.h"
#include "platform/stream_temp_folder.h"
#include "support/test_sounds.h"

using namespace platform;

namespace {

class AudioChannels : public ::testing::Test {
 protected:
  void TearDown() override {
    // Leave the shared mixer silent for the next test.
    for (const TChannel& channel : used) StopChannel(channel);
    CloseAudio();
    Pull(AudioRate());
  }

  TChannel Track(TChannel channel) {
    used.push_back(channel);
    return channel;
  }

  static std::vector<int16_t> Pull(int frames) {
    std::vector<int16_t> stereo(static_cast<size_t>(2 * frames));
    MixAudio(stereo.data(), frames);
    return stereo;
  }

  TempFolder folder;
  std::vector<TChannel> used;
};

}  // namespace

TEST_F(AudioChannels, LoadsWaveAndOggFilesWithTheLoopingFlag) {
  folder.Write("tone.wav", WaveBytes(22050, 1, 16, SineSamples(2205, 22050, 441, 8000)));
  folder.Write("tone.ogg", VorbisBytes(22050, 2, SineSamples(2205, 22050, 441, 8000, 2)));
  folder.Write("broken.wav", {'R', 'I', 'F', 'F', 0xFF, 0xFF, 0xFF, 0xFF, 'W', 'A', 'V', 'E'});

  const TSound once = LoadSound("tone.wav", 0);
  ASSERT_TRUE(once);
  EXPECT_FALSE(once.get()->loop);
  EXPECT_EQ(once.get()->Frames(), 2205u);
  const TSound looping = LoadSound("tone.ogg", 1);
  ASSERT_TRUE(looping);
  EXPECT_TRUE(looping.get()->loop);
  EXPECT_EQ(looping.get()->channels, 2);
  EXPECT_TRUE(LoadSound("tone.wav", 8).get()->loop);

  EXPECT_FALSE(LoadSound("broken.wav", 0));
  EXPECT_FALSE(LoadSound("missing.ogg", 0));
  EXPECT_FALSE(LoadSound("", 0));
}

TEST_F(AudioChannels, PlayedSoundsComeOutOfTheSharedMixerExactly) {
  const auto samples = SineSamples(3000, AudioRate(), 441, 20000);
  folder.Write("tone.wav", WaveBytes(AudioRate(), 1, 16, samples));
  const TSound sound = LoadSound("tone.wav", 0);
  ASSERT_TRUE(sound);

  // With no channel given, a fresh one is taken for this playing.
  const TChannel channel = Track(PlaySound(sound));
  ASSERT_TRUE(channel);
  EXPECT_TRUE(ChannelPlaying(channel));
  EXPECT_EQ(ChannelSound(channel), sound);
  const auto out = Pull(3100);
  for (size_t i = 0; i < samples.size(); ++i) ASSERT_EQ(out[2 * i + 1], samples[i]) << "frame " << i;
  EXPECT_FALSE(ChannelPlaying(channel));
  EXPECT_FALSE(ChannelSound(channel));
}

TEST_F(AudioChannels, ReservedChannelsKeepTheirSettingsAndPlayAgainAfterAStop) {
  folder.Write("a.wav", WaveBytes(22050, 1, 8, SineSamples(22050, 22050, 300, 8000)));
  folder.Write("b.wav", WaveBytes(22050, 1, 8, SineSamples(22050, 22050, 600, 8000)));
  const TSound a = LoadSound("a.wav", 1);
  const TSound b = LoadSound("b.wav", 0);
  const TChannel channel = Track(AllocChannel());
  const TChannel other = Track(AllocChannel());
  ASSERT_TRUE(channel);
  EXPECT_NE(channel, other);
  EXPECT_FALSE(ChannelPlaying(channel));

  SetChannelVolume(channel, 0.3f);
  SetChannelRate(channel, 1.6f);
  EXPECT_EQ(ChannelVolume(channel), 1229.0f / 4096);
  EXPECT_EQ(ChannelRate(channel), 104858.0f / 65536);

  EXPECT_EQ(PlaySound(a, channel), channel);
  Pull(1000);
  EXPECT_EQ(ChannelSound(channel), a);
  PlaySound(b, channel);
  EXPECT_EQ(ChannelSound(channel), b);
  StopChannel(channel);
  EXPECT_FALSE(ChannelPlaying(channel));
  PlaySound(a, channel);
  EXPECT_TRUE(ChannelPlaying(channel));
  EXPECT_EQ(ChannelVolume(channel), 1229.0f / 4096);

  // Playing a Null sound leaves the channel as it was.
  EXPECT_EQ(PlaySound(TSound(), channel), channel);
  EXPECT_EQ(ChannelSound(channel), a);
}

TEST_F(AudioChannels, NullChannelsAreIgnored) {
  const TChannel none;
  StopChannel(none);
  SetChannelVolume(none, 1.0f);
  SetChannelRate(none, 2.0f);
  EXPECT_FALSE(ChannelPlaying(none));
  EXPECT_FALSE(ChannelSound(none));
  EXPECT_EQ(ChannelVolume(none), 0.0f);
  MixAudio(nullptr, 100);
}

TEST_F(AudioChannels, TheDeviceOpensOnTheDummyDriverAndClosingKeepsEveryChannel) {
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  folder.Write("loop.wav", WaveBytes(22050, 2, 16, SineSamples(2205, 22050, 441, 8000, 2)));
  const TSound loop = LoadSound("loop.wav", 1);
  const TChannel channel = Track(AllocChannel());
  SetChannelVolume(channel, 0.5f);
  PlaySound(loop, channel);

  ASSERT_TRUE(OpenAudio()) << LastAudioError();
  EXPECT_TRUE(AudioOpen());
  EXPECT_TRUE(OpenAudio());
  EXPECT_GE(AudioRate(), 8000);
  EXPECT_TRUE(ChannelPlaying(channel));
  SetChannelRate(channel, 2.0f);
  CloseAudio();
  EXPECT_FALSE(AudioOpen());
  EXPECT_TRUE(ChannelPlaying(channel));
  EXPECT_EQ(ChannelSound(channel), loop);
  EXPECT_EQ(ChannelRate(channel), 2.0f);
  EXPECT_EQ(ChannelVolume(channel), 0.5f);
}

TEST_F(AudioChannels, WithNoDeviceToBeHadEverythingRunsSilently) {
  const char* previous = std::getenv("SDL_AUDIODRIVER");
  const std::string saved = previous ? previous : "";
  setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
  EXPECT_FALSE(OpenAudio());
  EXPECT_FALSE(AudioOpen());
  EXPECT_FALSE(LastAudioError().empty());
  if (previous) {
    setenv("SDL_AUDIODRIVER", saved.c_str(), 1);
  } else {
    unsetenv("SDL_AUDIODRIVER");
  }

  folder.Write("tone.wav", WaveBytes(22050, 1, 16, SineSamples(22050, 22050, 441, 8000)));
  const TChannel channel = Track(AllocChannel());
  PlaySound(LoadSound("tone.wav", 0), channel);
  SetChannelVolume(channel, 2.0f);
  EXPECT_TRUE(ChannelPlaying(channel));
  EXPECT_EQ(ChannelVolume(channel), 2.0f);
  StopChannel(channel);
  EXPECT_FALSE(ChannelPlaying(channel));
}

// The game starts opening the device and goes on loading; a sound played in
// the meantime waits in its channel and the device, once open, plays it from
// its first frame, exactly.
TEST_F(AudioChannels, ASoundPlayedBeforeTheDeviceOpensPlaysWhenItDoes) {
  setenv("SDL_AUDIODRIVER", "disk", 1);
  const std::string recordingPath = (folder.Path() / "device.raw").string();
  setenv("SDL_DISKAUDIOFILE", recordingPath.c_str(), 1);
  const auto samples = SineSamples(4410, 44100, 441, 20000, 2);
  folder.Write("tone.wav", WaveBytes(44100, 2, 16, samples));
  const TChannel channel = Track(PlaySound(LoadSound("tone.wav", 0)));

  OpenAudioInBackground();
  EXPECT_TRUE(ChannelPlaying(channel));
  ASSERT_TRUE(OpenAudio()) << LastAudioError();
  ASSERT_EQ(AudioRate(), 44100);
  // The disk driver plays in real time: a tenth of a second, given ten.
  for (int waited = 0; waited < 10000 && ChannelPlaying(channel); waited += 10) SDL_Delay(10);
  EXPECT_FALSE(ChannelPlaying(channel)) << "the device never played the sound through";
  CloseAudio();

  // SDL's thread writes silence while the device is still paused, for as long
  // as the machine takes to start it; the sound follows that, whole.
  std::ifstream file(recordingPath, std::ios::binary);
  const std::vector<char> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  std::vector<int16_t> recorded(bytes.size() / 2);
  std::memcpy(recorded.data(), bytes.data(), recorded.size() * 2);
  const auto silent = [](int16_t sample) { return sample == 0; };
  const auto heard = std::find_if_not(recorded.begin(), recorded.end(), silent);
  const auto played = std::find_if_not(samples.begin(), samples.end(), silent);
  ASSERT_GE(recorded.end() - heard, samples.end() - played);
  EXPECT_EQ(std::vector<int16_t>(heard, heard + (samples.end() - played)), std::vector<int16_t>(played, samples.end()));
}

TEST_F(AudioChannels, ClosingWhileTheDeviceIsBeingOpenedWaitsForTheOpening) {
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  OpenAudioInBackground();
  OpenAudioInBackground();
  CloseAudio();
  EXPECT_FALSE(AudioOpen());
  OpenAudioInBackground();
  EXPECT_TRUE(OpenAudio()) << LastAudioError();
  EXPECT_TRUE(AudioOpen());
}

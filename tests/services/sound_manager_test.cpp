// The sound manager on the real mixer, with a device on SDL's dummy driver and
// its own small sounds in a temporary media folder.

#include "services/sound_manager.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "platform/host/diagnostics.h"
#include "platform/host/random.h"
#include "platform/audio/sound_data.h"
#include "platform/stream_temp_folder.h"
#include "services/options_file.h"
#include "support/fake_clock.h"
#include "support/test_sounds.h"

using namespace platform;

namespace {

constexpr int kRate = 8000;

// A volume as a channel stores it, in steps of 1/4096.
float Stored(float volume) { return std::round(volume * 4096) / 4096; }

// One second each (long enough to be still playing when looked at), every one
// at its own pitch; encoded once for all the tests.
const std::vector<std::pair<std::string, std::vector<uint8_t>>>& MediaFiles() {
  static const auto files = [] {
    std::vector<std::pair<std::string, std::vector<uint8_t>>> made;
    double hz = 200;
    for (const char* name : {"velin_flutedance.ogg", "waves2.ogg", "ooh.ogg", "bigdoorshut2.ogg", "oohooh2.ogg",
                             "dododo.ogg", "woom.ogg", "tele.ogg", "pageturn2.ogg"}) {
      made.emplace_back(name, VorbisBytes(kRate, 1, SineSamples(kRate, kRate, hz, 8000)));
      hz += 50;
    }
    made.emplace_back("chimes.wav", WaveBytes(kRate, 1, 16, SineSamples(kRate, kRate, 880, 8000)));
    return made;
  }();
  return files;
}

void WriteMedia(const TempFolder& folder) {
  std::filesystem::create_directory(folder.Path() / "media");
  for (const auto& [name, bytes] : MediaFiles()) folder.Write("media/" + name, bytes);
}

class SoundManagerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteMedia(folder);
    OpenAudio();
    SetDebugLogHook([this](const std::string& line) { log.push_back(line); });
    savedMusicVolume = 0.0f;
    savedEffectsVolume = 1.0f;
  }

  void TearDown() override {
    SetDebugLogHook({});
    if (manager) {
      manager->StopMusic();
      manager->StopBallSound();
      for (const TChannel& channel : manager->effectChannels) StopChannel(channel);
    }
    CloseAudio();
  }

  bool Logged(const std::string& line) const { return std::find(log.begin(), log.end(), line) != log.end(); }

  TSound OnEffectChannel(int index) const { return ChannelSound(manager->effectChannels[static_cast<size_t>(index)]); }

  TempFolder folder;
  FakeClock clock;
  std::vector<std::string> log;
  std::shared_ptr<SoundManager> manager;
};

}  // namespace

TEST_F(SoundManagerTest, CreateLoadsEverySoundAndStartsSilentForMusicWithoutOptions) {
  manager = SoundManager::Create();
  for (const TSound* sound : {&manager->musicSound, &manager->ballSound, &manager->chimeSound, &manager->oohSound,
                              &manager->restartSound, &manager->oohOohSound, &manager->lockOpenSound,
                              &manager->lockCloseSound, &manager->teleportSound, &manager->pageTurnSound}) {
    ASSERT_TRUE(*sound);
    EXPECT_EQ(sound->get()->loop, sound == &manager->musicSound || sound == &manager->ballSound);
  }
  ASSERT_TRUE(manager->effectChannels[0]);
  EXPECT_NE(manager->effectChannels[0], manager->effectChannels[1]);
  EXPECT_EQ(manager->musicVolume, 0.0f);
  EXPECT_FALSE(manager->musicChannel);
  EXPECT_EQ(manager->effectsVolume, 1.0f);
  EXPECT_EQ(ChannelVolume(manager->effectChannels[1]), 1.0f);
  EXPECT_EQ(log, std::vector<std::string>{"Volume set to 1.00000000"});

  // One step of the music volume gives 0.5 and starts the music.
  manager->StepMusicVolume();
  EXPECT_EQ(manager->musicVolume, 0.5f);
  ASSERT_TRUE(manager->musicChannel);
  EXPECT_EQ(ChannelSound(manager->musicChannel), manager->musicSound);
  EXPECT_EQ(ChannelVolume(manager->musicChannel), 0.5f);
}

TEST_F(SoundManagerTest, ASavedMusicVolumeAboveTheThresholdStartsTheMusicAtStart) {
  savedMusicVolume = 0.8f;
  savedEffectsVolume = 0.5f;
  manager = SoundManager::Create();
  ASSERT_TRUE(manager->musicChannel);
  EXPECT_TRUE(ChannelPlaying(manager->musicChannel));
  EXPECT_EQ(ChannelVolume(manager->musicChannel), Stored(0.8f));
  EXPECT_EQ(ChannelVolume(manager->effectChannels[0]), 0.5f);
}

TEST_F(SoundManagerTest, MissingSoundsStayNullAndPlayingThemIsLogged) {
  std::filesystem::remove_all(folder.Path() / "media");
  savedMusicVolume = 1.0f;
  manager = SoundManager::Create();
  EXPECT_FALSE(manager->musicSound);
  EXPECT_FALSE(manager->chimeSound);
  // The music channel is taken even though there is nothing to play on it.
  EXPECT_TRUE(manager->musicChannel);
  EXPECT_TRUE(Logged("Attempted to play Null sound"));
  log.clear();
  manager->PlayRestart();
  EXPECT_EQ(log, std::vector<std::string>{"Attempted to play Null sound"});
  EXPECT_EQ(manager->currentEffectChannel, 1);
}

TEST_F(SoundManagerTest, EffectsAlternateBetweenTheTwoChannelsAndAThirdReplacesTheFirst) {
  manager = SoundManager::Create();
  manager->PlayLockOpened();
  manager->PlayLockClosed();
  EXPECT_EQ(OnEffectChannel(0), manager->lockOpenSound);
  EXPECT_EQ(OnEffectChannel(1), manager->lockCloseSound);
  manager->PlayRestart();
  EXPECT_EQ(OnEffectChannel(0), manager->restartSound);
  EXPECT_EQ(OnEffectChannel(1), manager->lockCloseSound);
  EXPECT_EQ(manager->currentEffectChannel, 1);
  manager->PlayPageTurn();
  manager->PlayOohOoh();
  EXPECT_EQ(OnEffectChannel(1), manager->pageTurnSound);
  EXPECT_EQ(OnEffectChannel(0), manager->oohOohSound);
}

TEST_F(SoundManagerTest, EffectsSetTheirRateOnTheChannelTheyUse) {
  manager = SoundManager::Create();
  manager->PlayOoh(3);
  EXPECT_NEAR(ChannelRate(manager->effectChannels[0]), 1.6f, 1.0f / 65536);
  EXPECT_EQ(OnEffectChannel(0), manager->oohSound);
  manager->PlayOoh(0);
  EXPECT_EQ(ChannelRate(manager->effectChannels[1]), 1.0f);
  manager->PlayOoh(4);
  EXPECT_NEAR(ChannelRate(manager->effectChannels[0]), 1.8f, 1.0f / 65536);

  // The teleport's pitch is drawn anew each time from the whole of [0.5, 1.0).
  SeedRnd(99);
  float lowest = 2, highest = 0;
  for (int i = 0; i < 200; ++i) {
    manager->PlayTeleport();
    const float rate = ChannelRate(manager->effectChannels[static_cast<size_t>(1 - manager->currentEffectChannel)]);
    EXPECT_GE(rate, 0.5f);
    EXPECT_LT(rate, 1.0f);
    lowest = std::min(lowest, rate);
    highest = std::max(highest, rate);
  }
  EXPECT_LT(lowest, 0.52f);
  EXPECT_GT(highest, 0.98f);
  // Every other effect plays at the sound's own rate again.
  manager->PlayLockOpened();
  manager->PlayLockClosed();
  EXPECT_EQ(ChannelRate(manager->effectChannels[0]), 1.0f);
  EXPECT_EQ(ChannelRate(manager->effectChannels[1]), 1.0f);
}

TEST_F(SoundManagerTest, VolumeStepsCycleAndTheStepToZeroStopsTheMusic) {
  manager = SoundManager::Create();
  const std::vector<std::pair<float, float>> steps = {{0.0f, 0.5f}, {0.3f, 0.5f}, {0.5f, 1.0f}, {0.7f, 1.0f},
                                                      {1.0f, 1.5f}, {1.5f, 2.0f}, {1.99f, 2.0f}, {2.0f, 0.0f},
                                                      {2.5f, 0.0f}};
  for (const auto& [from, to] : steps) {
    manager->SetEffectsVolume(from);
    manager->StepEffectsVolume();
    EXPECT_EQ(manager->effectsVolume, to) << "from " << from;
    EXPECT_EQ(ChannelVolume(manager->effectChannels[0]), to) << "from " << from;
  }

  manager->SetMusicVolume(2.0f);
  ASSERT_TRUE(manager->musicChannel);
  const TChannel music = manager->musicChannel;
  manager->StepMusicVolume();
  EXPECT_EQ(manager->musicVolume, 0.0f);
  EXPECT_FALSE(manager->musicChannel);
  EXPECT_FALSE(ChannelPlaying(music));
  manager->SetMusicVolume(0.7f);
  manager->StepMusicVolume();
  EXPECT_EQ(manager->musicVolume, 1.0f);
  EXPECT_EQ(ChannelVolume(manager->musicChannel), 1.0f);
}

TEST_F(SoundManagerTest, MusicStartsAndStopsOnlyWhenItsVolumeCrossesTheThreshold) {
  manager = SoundManager::Create();
  // Exactly 0.05 is neither on nor off: it starts nothing, and the music is not
  // below the threshold then either, so moving on up from it starts nothing.
  manager->SetMusicVolume(0.05f);
  EXPECT_FALSE(manager->musicChannel);
  manager->SetMusicVolume(0.06f);
  EXPECT_FALSE(manager->musicChannel);
  manager->SetMusicVolume(0.0f);
  manager->SetMusicVolume(0.06f);
  ASSERT_TRUE(manager->musicChannel);
  const TChannel music = manager->musicChannel;
  manager->SetMusicVolume(0.05f);
  EXPECT_EQ(manager->musicChannel, music);
  EXPECT_EQ(ChannelVolume(music), Stored(0.05f));
  manager->SetMusicVolume(1.5f);
  EXPECT_EQ(manager->musicChannel, music);
  manager->SetMusicVolume(0.04f);
  EXPECT_FALSE(manager->musicChannel);

  log.clear();
  manager->StartMusic();
  EXPECT_EQ(log, std::vector<std::string>{"Music started but is too quiet"});
  manager->SetMusicVolume(1.0f);
  log.clear();
  manager->StartMusic();
  EXPECT_EQ(log, std::vector<std::string>{"Music channel already exists but asked to start again"});
}

TEST_F(SoundManagerTest, TheChimePlaysAtMostOnceIn600Milliseconds) {
  manager = SoundManager::Create();
  manager->PlayChime();
  EXPECT_EQ(OnEffectChannel(0), manager->chimeSound);
  EXPECT_EQ(manager->lastChimeTime, clock.now);
  EXPECT_EQ(manager->currentEffectChannel, 1);

  clock.Advance(300);
  manager->PlayChime();
  clock.Advance(300);
  manager->PlayChime();
  EXPECT_FALSE(OnEffectChannel(1));
  EXPECT_EQ(manager->currentEffectChannel, 1);
  clock.Advance(1);
  manager->PlayChime();
  EXPECT_EQ(OnEffectChannel(1), manager->chimeSound);
  EXPECT_EQ(manager->lastChimeTime, clock.now);
}

TEST_F(SoundManagerTest, TheBallSoundSwellsAndSinksWithinItsBounds) {
  savedEffectsVolume = 2.0f;
  manager = SoundManager::Create();
  manager->StartBallSound();
  ASSERT_TRUE(manager->ballChannel);
  EXPECT_EQ(ChannelSound(manager->ballChannel), manager->ballSound);
  EXPECT_EQ(manager->ballVolume, 1.0f);
  EXPECT_EQ(ChannelVolume(manager->ballChannel), 1.0f);

  manager->RampBallVolume(4);
  EXPECT_EQ(ChannelVolume(manager->ballChannel), Stored(1.2f));
  for (int i = 0; i < 20; ++i) manager->RampBallVolume(4);
  EXPECT_EQ(manager->ballVolume, 3.0f);
  EXPECT_EQ(ChannelVolume(manager->ballChannel), 3.0f);
  manager->RampBallVolume(-10);
  EXPECT_FLOAT_EQ(manager->ballVolume, 2.5f);
  for (int i = 0; i < 100; ++i) manager->RampBallVolume(-1);
  EXPECT_EQ(ChannelVolume(manager->ballChannel), 1.0f);

  // A new effects volume reaches the ball only when its sound starts again.
  manager->SetEffectsVolume(0.5f);
  EXPECT_EQ(ChannelVolume(manager->ballChannel), 1.0f);
  log.clear();
  manager->StartBallSound();
  EXPECT_EQ(log, std::vector<std::string>{"ball channel already exists but asked to start again"});
  const TChannel ball = manager->ballChannel;
  manager->StopBallSound();
  EXPECT_FALSE(manager->ballChannel);
  EXPECT_FALSE(ChannelPlaying(ball));
  manager->StartBallSound();
  EXPECT_EQ(ChannelVolume(manager->ballChannel), 0.25f);
}

TEST_F(SoundManagerTest, WithNoAudioDeviceEveryOperationKeepsItsState) {
  CloseAudio();
  setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
  ASSERT_FALSE(OpenAudio());
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  savedMusicVolume = 1.0f;
  manager = SoundManager::Create();
  EXPECT_TRUE(ChannelPlaying(manager->musicChannel));
  manager->StartBallSound();
  EXPECT_TRUE(ChannelPlaying(manager->ballChannel));
  manager->PlayTeleport();
  manager->PlayChime();
  EXPECT_EQ(OnEffectChannel(0), manager->teleportSound);
  EXPECT_EQ(OnEffectChannel(1), manager->chimeSound);
  manager->StepMusicVolume();
  EXPECT_EQ(manager->musicVolume, 1.5f);
  EXPECT_EQ(ChannelVolume(manager->musicChannel), 1.5f);
}

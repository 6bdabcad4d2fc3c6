// Two shipped levels with a key, locks and teleports played through the real
// game loop on the real clock, the audio device writing its output to a file.
// The recording is then taken apart into the game's sounds: the music, the
// rolling ball swelling and fading, and every lock, teleport, restart and
// level-group effect where the game played it, at the volumes it gave them;
// nothing clipped, nothing clicked, nothing heard that the game did not play.
//
// MARROWICK_AUDIO_RECORDING=<file> keeps the recording (what
// scripts/listen-to-a-level.sh converts with sox and draws as a spectrogram).

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "audio_e2e/click_finder.h"
#include "audio_e2e/listening_session.h"
#include "audio_e2e/sound_tracks.h"
#include "platform/audio/audio.h"
#include "platform/host/clock.h"
#include "platform/audio/mixer.h"
#include "services/options_file.h"
#include "services/progress.h"
#include "services/sound_manager.h"

using namespace platform;

namespace {

// Levels 38 and 39: keys, locks and teleports on the way, the fourth and
// fifth levels of their group (an "ooh" a little higher each level, then the
// group's own sound).
constexpr int kFirstLevel = 38;
constexpr int kLastLevel = 39;
constexpr float kMusicVolume = 0.5f;  // one step up from the silent default
constexpr float kEffectsVolume = 1.0f;
// The device's callback, as the SDL back-end asks for it.
constexpr size_t kBlockFrames = 1024;
// Click thresholds, each well above what the game's sounds reach (see below).
constexpr double kUnexplainedClick = 1500.0;
constexpr double kSharpClick = 8.0;

struct PlayedEffect {
  std::string name;
  const SoundData* sound = nullptr;
  size_t framesWritten = 0;  // of the recording when the game played it
  int channel = 0;           // the effect channel it went to
  float rate = -1.0f;        // read from that channel once it plays the effect
};

double Median(std::vector<double> values) {
  if (values.empty()) return -1.0;
  std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2), values.end());
  return values[values.size() / 2];
}

// The gains a track was measured at, from its onset on, for at most `blocks` blocks.
std::vector<double> GainsFrom(const std::vector<double>& gains, size_t onsetBlock, size_t blocks) {
  std::vector<double> measured;
  for (size_t b = onsetBlock; b < gains.size() && b < onsetBlock + blocks; ++b) {
    if (gains[b] >= 0.0) measured.push_back(gains[b]);
  }
  return measured;
}

struct UnexplainedFigures {
  double levelDb = 0.0;  // against the recording
  double largestStep = 0.0;
  size_t largestStepBlock = 0;
};

UnexplainedFigures Unexplained(const BlockFit& fit) {
  UnexplainedFigures figures;
  double recorded = 0.0, residual = 0.0;
  for (size_t b = 0; b < fit.recordingRms.size(); ++b) {
    recorded += fit.recordingRms[b] * fit.recordingRms[b];
    residual += fit.residualRms[b] * fit.residualRms[b];
    if (fit.residualStep[b] > figures.largestStep) {
      figures.largestStep = fit.residualStep[b];
      figures.largestStepBlock = b;
    }
  }
  figures.levelDb = recorded > 0.0 ? 10.0 * std::log10(residual / recorded) : 0.0;
  return figures;
}

// Swells of the ball sound: runs of blocks rising from its resting level to
// near its loudest, each followed by a fall back to rest.
struct Swells {
  int risen = 0;
  int fallen = 0;
};

Swells CountSwells(const std::vector<double>& ballGains, double resting, double loud) {
  Swells swells;
  bool high = false;
  for (double gain : ballGains) {
    if (gain < 0.0) continue;
    if (!high && gain >= loud) {
      high = true;
      ++swells.risen;
    } else if (high && gain <= resting) {
      high = false;
      ++swells.fallen;
    }
  }
  return swells;
}

}  // namespace

TEST_F(ListeningSession, ALevelWithAKeyALockAndATeleportSoundsEveryEffectWithoutClippingOrClicks) {
  {
    auto saved = Progress::Create(0);
    for (int level = 0; level < kFirstLevel; ++level) saved->levelStates[static_cast<size_t>(level)] = Progress::Solved;
    saved->tutorialSeen.fill(1);
    saved->SaveProgress();
  }
  OptionsFile::SaveOptions(kEffectsVolume, kMusicVolume, 0);

  std::vector<PlayedEffect> effects;
  auto played = [&](const std::string& name, const TSound& sound) {
    effects.push_back({name, sound.get(), FramesWrittenSoFar(recordingPath), gameController->soundManager->currentEffectChannel});
  };
  // The game logs each of these just before it plays the effect. The player
  // loads each level itself to work out its moves; those loads solve nothing.
  bool playerThinking = false;
  // An effect's rate is read once its channel plays it. The game logs a line
  // before each effect but the restart, so reading at every line as well as
  // every pass sees each effect before the next one can take its channel, even
  // when a busy machine runs several steps in one pass.
  auto readRates = [&] {
    for (PlayedEffect& effect : effects) {
      const TChannel& channel = gameController->soundManager->effectChannels[static_cast<size_t>(effect.channel)];
      if (effect.rate < 0.0f && ChannelSound(channel).get() == effect.sound) effect.rate = ChannelRate(channel);
    }
  };
  onLine = [&](const LoggedLine& line) {
    if (!gameController || !gameController->soundManager) return;
    readRates();
    if (playerThinking) return;
    if (line.text.rfind("Opened ", 0) == 0) played("lock opened", gameController->soundManager->lockOpenSound);
    if (line.text.rfind("Closed ", 0) == 0) played("lock closed", gameController->soundManager->lockCloseSound);
    if (line.text == "Teleport") played("teleport", gameController->soundManager->teleportSound);
    // The next map is loaded as a level is solved, just before the group's sound.
    for (int next = kFirstLevel + 1; next <= kLastLevel + 1; ++next) {
      if (line.text != "Loading map " + std::to_string(next) + ".lvl") continue;
      const int position = (next - 1) % 5;
      if (position == 4) {
        played("group finished", gameController->soundManager->oohOohSound);
      } else {
        played("level solved", gameController->soundManager->oohSound);
      }
    }
  };

  // A first try until the key has opened the locks, a rest while the ball
  // sound sinks back, a restart, and then both levels solved.
  enum class Stage { FirstTry, Resting, Restarting, Restarted, Solving, Closing };
  Stage stage = Stage::FirstTry;
  auto player = std::make_unique<SolutionPlayer>(gameController);
  int32_t stageStart = 0;
  const int32_t runStart = Millisecs();
  size_t quitFrames = 0;
  auto quit = [&] {
    if (quitFrames == 0) quitFrames = FramesWrittenSoFar(recordingPath);
    PushQuit();
  };
  auto play = [&] {
    playerThinking = true;
    player->Pass();
    playerThinking = false;
  };
  auto enter = [&](Stage next) {
    stage = next;
    stageStart = Millisecs();
  };
  auto lockOpened = [&] {
    return std::any_of(effects.begin(), effects.end(), [](const PlayedEffect& e) { return e.name == "lock opened"; });
  };
  onPass = [&] {
    if (!gameController || !gameController->soundManager) return;
    readRates();
    const int32_t now = Millisecs();
    if (now - runStart > 40000) quit();  // a stuck run ends; the checks below then fail
    if (!gameController->level.CurrentMap || !gameController->level.CurrentMap->ball) return;
    const bool resting = gameController->level.CurrentMap->ball->direction == 0;
    switch (stage) {
      case Stage::FirstTry:
        if (lockOpened() && resting) {
          for (int direction = 1; direction <= 4; ++direction) PushKey(KeyFor(direction), false);
          enter(Stage::Resting);
        } else {
          play();
        }
        break;
      case Stage::Resting:
        // The ball sound falls from its loudest to rest in 40 steps, two thirds of a second.
        if (resting && now - stageStart > 900) {
          PushKey(SDLK_r, true);
          enter(Stage::Restarting);
        }
        break;
      case Stage::Restarting:
        // The game logs nothing as it restarts, which it does a step or more
        // after the key goes down (more on a busy machine): the effect is
        // dated by the pass after its channel took it up, and the key let go then.
        for (size_t c = 0; c < gameController->soundManager->effectChannels.size(); ++c) {
          if (ChannelSound(gameController->soundManager->effectChannels[c]).get() != gameController->soundManager->restartSound.get()) continue;
          effects.push_back({"restart", gameController->soundManager->restartSound.get(), FramesWrittenSoFar(recordingPath),
                             static_cast<int>(c)});
          PushKey(SDLK_r, false);
          enter(Stage::Restarted);
          break;
        }
        break;
      case Stage::Restarted:
        if (now - stageStart > 400) {
          player = std::make_unique<SolutionPlayer>(gameController);
          enter(Stage::Solving);
        }
        break;
      case Stage::Solving:
        play();
        if (gameController->progress->LevelState(kLastLevel) == Progress::Solved) enter(Stage::Closing);
        break;
      case Stage::Closing:
        // The group's sound is three seconds long.
        if (now - stageStart > 3200) quit();
        break;
    }
  };

  gameController = StartUp();
  ASSERT_TRUE(gameController);
  ASSERT_TRUE(AudioOpen()) << LastAudioError();
  gameController->runMode = 0;
  gameController->Start();
  const double runSeconds = (Millisecs() - runStart) / 1000.0;
  onPass = nullptr;
  onLine = nullptr;
  CloseAudio();  // the driver closes its file

  const DeviceRecording recording = ReadDeviceRecording(recordingPath, AudioRate());
  std::printf("recording: %s, %zu frames of 16-bit signed stereo at %d Hz (%.2f s) over a run of %.2f s\n",
              recordingPath.c_str(), recording.Frames(), recording.rate, recording.Seconds(), runSeconds);
  ASSERT_EQ(gameController->progress->LevelState(kLastLevel), Progress::Solved)
      << "the run did not get through both levels: it stopped at stage " << static_cast<int>(stage) << " after "
      << effects.size() << " effects";
  // The disk driver sleeps between its blocks, so it falls behind the wall clock on a busy machine; never far.
  ASSERT_GT(recording.Seconds(), 0.5 * runSeconds);

  // Levels: nothing at full scale, where the mix would have been clamped.
  const LevelFigures levels = MeasureLevels(recording);
  std::printf("levels: peak %.2f dBFS, RMS %.2f dBFS, %zu samples at full scale\n", levels.peakDb, levels.rmsDb,
              levels.fullScaleSamples);
  EXPECT_EQ(levels.fullScaleSamples, 0u);
  EXPECT_LT(levels.peakDb, -0.1);

  // Where each sound began.
  const LoggedLine* musicLine = FirstLine("Volume set to ");
  const LoggedLine* ballLine = FirstLine("start at level ");
  ASSERT_TRUE(musicLine && ballLine);
  auto longTrack = [&](const std::string& name, const TSound& sound, size_t estimate) {
    SoundTrack track{name, 0, RenderAlone(*sound.get(), 1.0f, recording.rate, recording.Frames())};
    const OnsetMatch onset = FindOnset(recording, track.samples, estimate, kBlockFrames, 2, 12, recording.rate / 2);
    track.onset = onset.frame;
    track.samples.resize(2 * (recording.Frames() - std::min(onset.frame, recording.Frames())));
    std::printf("%-16s starts at %6.3f s (logged at %6.3f s), match %.3f\n", name.c_str(),
                static_cast<double>(onset.frame) / recording.rate, static_cast<double>(estimate) / recording.rate,
                onset.match);
    return std::make_pair(track, onset);
  };
  auto [music, musicOnset] = longTrack("music", gameController->soundManager->musicSound, musicLine->framesWritten);
  auto [ball, ballOnset] = longTrack("ball", gameController->soundManager->ballSound, ballLine->framesWritten);
  // Nothing but the music plays while the logo is shown.
  EXPECT_GT(musicOnset.match, 0.99);
  EXPECT_GT(ballOnset.match, 0.2);

  std::vector<SoundTrack> tracks{music, ball};
  const std::vector<std::pair<std::string, const SoundData*>> allEffects{
      {"lock opened", gameController->soundManager->lockOpenSound.get()}, {"lock closed", gameController->soundManager->lockCloseSound.get()},
      {"teleport", gameController->soundManager->teleportSound.get()},    {"restart", gameController->soundManager->restartSound.get()},
      {"level solved", gameController->soundManager->oohSound.get()},     {"group finished", gameController->soundManager->oohOohSound.get()}};
  for (const PlayedEffect& effect : effects) {
    ASSERT_TRUE(effect.sound) << effect.name;
    ASSERT_GE(effect.rate, 0.0f) << effect.name << " never played on its channel";
    // Which of the game's effects the recording matches best where this one
    // was played, over their first 0.3 s at the rate the game gave it.
    const size_t frames = static_cast<size_t>(recording.rate) * 3 / 10;
    std::string best;
    OnsetMatch bestMatch, onset;
    for (const auto& [name, sound] : allEffects) {
      const auto alone = RenderAlone(*sound, effect.rate, recording.rate, frames);
      const OnsetMatch match = FindOnset(recording, alone, effect.framesWritten, kBlockFrames, 2, 6, frames);
      if (match.match > bestMatch.match) {
        bestMatch = match;
        best = name;
      }
      if (sound == effect.sound) onset = match;
    }
    SoundTrack track{effect.name, onset.frame, RenderAlone(*effect.sound, effect.rate, recording.rate, recording.Frames())};
    std::printf("%-16s at rate %.3f starts at %6.3f s (logged at %6.3f s), match %.3f, heard as %s\n",
                effect.name.c_str(), effect.rate, static_cast<double>(onset.frame) / recording.rate,
                static_cast<double>(effect.framesWritten) / recording.rate, onset.match, best.c_str());
    EXPECT_EQ(best, effect.name);
    tracks.push_back(std::move(track));
  }
  auto count = [&](const std::string& name) {
    return std::count_if(effects.begin(), effects.end(), [&](const PlayedEffect& e) { return e.name == name; });
  };
  EXPECT_GE(count("lock opened"), 2);
  EXPECT_GE(count("teleport"), 2);
  EXPECT_EQ(count("restart"), 1);
  EXPECT_EQ(count("level solved"), 1);
  EXPECT_EQ(count("group finished"), 1);

  // The volume each sound was heard at, block by block.
  const size_t rampFrames = static_cast<size_t>(Mixer(recording.rate).RampFrames());
  const BlockFit fit = FitBlocks(recording, tracks, kBlockFrames, rampFrames);
  const size_t blocks = fit.recordingRms.size();
  const std::vector<double> musicGains = GainsFrom(fit.gains[0], music.onset / kBlockFrames + 1, blocks);
  std::printf("music volume heard: median %.3f over %zu blocks\n", Median(musicGains), musicGains.size());
  EXPECT_NEAR(Median(musicGains), kMusicVolume, 0.02);
  const double musicOff = static_cast<double>(std::count_if(musicGains.begin(), musicGains.end(), [](double g) {
    return std::abs(g - kMusicVolume) > 0.1;
  }));
  EXPECT_LT(musicOff, 0.05 * static_cast<double>(musicGains.size()));

  // The ball sound, from its start until the quit stopped it, swells to one and
  // a half times the effects volume while the ball rolls and sinks back to half
  // at rest. It stays loud while the board scrolls from one level to the next.
  ASSERT_GT(quitFrames, ball.onset + 4 * kBlockFrames);
  const std::vector<double> ballGains =
      GainsFrom(fit.gains[1], ball.onset / kBlockFrames + 1, (quitFrames - ball.onset) / kBlockFrames - 2);
  ASSERT_FALSE(ballGains.empty());
  const auto [ballQuietest, ballLoudest] = std::minmax_element(ballGains.begin(), ballGains.end());
  std::printf("ball volume heard: %.3f to %.3f\n", *ballQuietest, *ballLoudest);
  EXPECT_NEAR(*ballQuietest, 0.5 * kEffectsVolume, 0.05);
  EXPECT_NEAR(*ballLoudest, 1.5 * kEffectsVolume, 0.05);
  const Swells swells = CountSwells(ballGains, 0.6 * kEffectsVolume, 1.4 * kEffectsVolume);
  std::printf("ball swells: %d rose, %d fell back\n", swells.risen, swells.fallen);
  EXPECT_GE(swells.risen, 2);  // the first try, then both levels
  EXPECT_GE(swells.fallen, 2);  // before the restart, and after the last exit

  // Each effect at the effects volume over its first blocks.
  for (size_t t = 2; t < tracks.size(); ++t) {
    const double gain = Median(GainsFrom(fit.gains[t], tracks[t].onset / kBlockFrames, 6));
    EXPECT_NEAR(gain, kEffectsVolume, 0.1) << tracks[t].name;
  }

  // What the sounds leave unexplained: rounding, and the limiter at the loudest moments.
  const UnexplainedFigures unexplained = Unexplained(fit);
  std::printf("unexplained: %.1f dB below the recording, largest step %.0f at %.3f s\n", unexplained.levelDb,
              unexplained.largestStep, static_cast<double>(unexplained.largestStepBlock * kBlockFrames) / recording.rate);
  EXPECT_LT(unexplained.levelDb, -35.0);

  // Clicks. The game's own sounds step by up to 9500 from one sample to the
  // next (the teleport's crackle; the music up to 2400 at this volume), so no
  // plain threshold on the output tells a click from them. Two measures that do:
  // the steps of what the sounds leave unexplained, which a waveform cut or a
  // gain jumping at once adds to and the sounds themselves do not (measured up
  // to about 600 here, where the limiter works); and each step against the
  // steps around it within 10 ms (measured up to about 5.5 in the music).
  const Jump largest = LargestJump(recording);
  const Jump sharpest = SharpestJump(recording, static_cast<size_t>(recording.rate / 100));
  std::printf("largest step %d at %.3f s; sharpest step %.1f x the steps around it at %.3f s\n", largest.step,
              static_cast<double>(largest.frame) / recording.rate, sharpest.ratio,
              static_cast<double>(sharpest.frame) / recording.rate);
  EXPECT_LT(unexplained.largestStep, kUnexplainedClick);
  EXPECT_LT(sharpest.ratio, kSharpClick);

  // Both measures see a click that is there: a step of 1500 added while the
  // music plays alone.
  DeviceRecording clicked = recording;
  const size_t clickFrame = music.onset + static_cast<size_t>(recording.rate) / 2 + 100;
  for (size_t i = 2 * clickFrame; i < 2 * (clickFrame + 50); ++i) clicked.samples[i] = static_cast<int16_t>(clicked.samples[i] + 1500);
  const BlockFit clickedFit = FitBlocks(clicked, tracks, kBlockFrames, rampFrames);
  EXPECT_GT(Unexplained(clickedFit).largestStep, kUnexplainedClick);
  EXPECT_GT(SharpestJump(clicked, static_cast<size_t>(recording.rate / 100)).ratio, kSharpClick);
}

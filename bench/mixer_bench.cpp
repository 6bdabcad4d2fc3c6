// The mixer's cost per second of audio with the game's usual load of four
// channels (looping stereo music, the looping ball sound, two effects at other
// rates), pulled in device-sized blocks: once with tones decoded whole, once
// with the game's own sounds as it loads them (the music streamed, so its
// decoding is counted); and loading every sound of the game as start-up does,
// with the memory the loaded sounds take. Run from the build folder (where
// media\ lies) for the last two.

#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>

#include "platform/audio/mixer.h"
#include "platform/audio/sound_data.h"
#include "platform/audio/sound_stream.h"
#include "services/options_file.h"
#include "services/sound_manager.h"

using namespace platform;

namespace {

std::shared_ptr<const SoundData> Tone(int rate, int channels, double hz, double seconds, bool loop) {
  auto sound = std::make_shared<SoundData>();
  sound->rate = rate;
  sound->channels = channels;
  sound->loop = loop;
  const int frames = static_cast<int>(rate * seconds);
  for (int i = 0; i < frames; ++i) {
    const auto value = static_cast<int16_t>(8000 * std::sin(2 * std::numbers::pi * hz * i / rate));
    for (int c = 0; c < channels; ++c) sound->samples.push_back(value);
  }
  return sound;
}

struct Setting {
  std::shared_ptr<const SoundData> sound;
  float rate;
  float volume;
};

void MixOneSecond(benchmark::State& state, Mixer& mixer, std::initializer_list<Setting> settings) {
  constexpr int kBlock = 1024;
  std::vector<std::shared_ptr<MixerVoice>> voices;
  for (const Setting& setting : settings) {
    const auto voice = mixer.NewVoice();
    mixer.SetRate(*voice, setting.rate);
    mixer.SetVolume(*voice, setting.volume);
    mixer.Play(voice, setting.sound, OpenSoundStream(setting.sound));
    voices.push_back(voice);
  }
  std::vector<int16_t> block(2 * kBlock);
  for (auto _ : state) {
    for (int frames = 0; frames < mixer.OutputRate(); frames += kBlock) {
      mixer.Mix(block.data(), kBlock);
      benchmark::DoNotOptimize(block.data());
    }
  }
  state.counters["cpu_s_per_audio_s"] = benchmark::Counter(1.0, benchmark::Counter::kIsIterationInvariantRate |
                                                                    benchmark::Counter::kInvert);
}

void BM_MixOneSecondOfFourChannels(benchmark::State& state) {
  Mixer mixer(44100);
  const auto music = Tone(44100, 2, 220, 30, true);
  const auto ball = Tone(22050, 1, 110, 5, true);
  const auto effect = Tone(22050, 1, 660, 60, false);
  MixOneSecond(state, mixer, {{music, 1.0f, 0.7f}, {ball, 1.0f, 0.5f}, {effect, 1.6f, 1.0f}, {effect, 0.73f, 1.0f}});
}
BENCHMARK(BM_MixOneSecondOfFourChannels)->Unit(benchmark::kMillisecond);

// The game's sounds at the rates and volumes the game gives them; the music
// loops about once a minute, so a run covers its restart too.
void BM_MixOneSecondOfTheGameSounds(benchmark::State& state) {
  savedMusicVolume = 0.0f;
  savedEffectsVolume = 1.0f;
  const auto manager = SoundManager::Create();
  if (!manager->musicSound || !manager->ballSound || !manager->oohSound || !manager->teleportSound) {
    state.SkipWithError("a sound of media\\ is missing: run from the build folder after mkmedia");
    return;
  }
  Mixer mixer(44100);
  MixOneSecond(state, mixer,
               {{manager->musicSound.Shared(), 1.0f, 0.7f}, {manager->ballSound.Shared(), 1.0f, 0.5f},
                {manager->oohSound.Shared(), 1.6f, 1.0f}, {manager->teleportSound.Shared(), 0.73f, 1.0f}});
}
BENCHMARK(BM_MixOneSecondOfTheGameSounds)->Unit(benchmark::kMillisecond);

void BM_LoadEveryGameSound(benchmark::State& state) {
  savedMusicVolume = 0.0f;
  savedEffectsVolume = 1.0f;
  size_t bytes = 0;
  for (auto _ : state) {
    const auto manager = SoundManager::Create();
    bytes = 0;
    for (const TSound* sound : {&manager->musicSound, &manager->ballSound, &manager->chimeSound, &manager->oohSound,
                                &manager->restartSound, &manager->oohOohSound, &manager->lockOpenSound,
                                &manager->lockCloseSound, &manager->teleportSound, &manager->pageTurnSound}) {
      if (!*sound) {
        state.SkipWithError("a sound of media\\ is missing: run from the build folder after mkmedia");
        return;
      }
      bytes += sound->get()->Bytes();
    }
  }
  state.counters["kept_MiB"] = static_cast<double>(bytes) / (1 << 20);
}
BENCHMARK(BM_LoadEveryGameSound)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();

// The mixer's cost per second of audio with the game's usual load of four
// channels (looping stereo music, the looping ball sound, two effects at other
// rates), pulled in device-sized blocks; and loading every sound of the game as
// start-up does, with the memory the decoded sounds take. Run from the build
// folder (where media\ lies) for the second.

#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>

#include "platform/mixer.h"
#include "platform/sound_data.h"
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

void BM_MixOneSecondOfFourChannels(benchmark::State& state) {
  constexpr int kRate = 44100;
  constexpr int kBlock = 1024;
  Mixer mixer(kRate);
  const auto music = Tone(44100, 2, 220, 30, true);
  const auto ball = Tone(22050, 1, 110, 5, true);
  const auto effect = Tone(22050, 1, 660, 60, false);
  struct Setting {
    std::shared_ptr<const SoundData> sound;
    float rate;
    float volume;
  };
  for (const Setting& setting : {Setting{music, 1.0f, 0.7f}, Setting{ball, 1.0f, 0.5f},
                                 Setting{effect, 1.6f, 1.0f}, Setting{effect, 0.73f, 1.0f}}) {
    const auto voice = mixer.NewVoice();
    mixer.SetRate(*voice, setting.rate);
    mixer.SetVolume(*voice, setting.volume);
    mixer.Play(voice, setting.sound);
  }
  std::vector<int16_t> block(2 * kBlock);
  for (auto _ : state) {
    for (int frames = 0; frames < kRate; frames += kBlock) {
      mixer.Mix(block.data(), kBlock);
      benchmark::DoNotOptimize(block.data());
    }
  }
  state.counters["cpu_s_per_audio_s"] = benchmark::Counter(1.0, benchmark::Counter::kIsIterationInvariantRate |
                                                                    benchmark::Counter::kInvert);
}
BENCHMARK(BM_MixOneSecondOfFourChannels)->Unit(benchmark::kMillisecond);

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
  state.counters["decoded_MiB"] = static_cast<double>(bytes) / (1 << 20);
}
BENCHMARK(BM_LoadEveryGameSound)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();

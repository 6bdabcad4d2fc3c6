// One step and one drawn frame of a busy level through the real back-end and
// the game's own media: all 280 cells walls in a bordered style with glow on
// every one, 500 particles, the tiled background, the frame picture, the
// buttons and a full token column.
// Run with SDL_VIDEODRIVER=offscreen from anywhere; the media are looked for in
// MARROWICK_GAME_DIR, else in the build folder above this program's folder.
//
// CPU time is the whole process's (the software GL driver draws on threads of
// its own); "of_16.7ms" is that time per iteration as a share of one 60 Hz frame.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <iostream>

#include "busy_level.h"
#include "game_folder.h"
#include "platform/host/platform.h"

using namespace platform;

namespace {

constexpr double FrameBudgetSeconds = 1.0 / 60;

std::filesystem::path gameFolder;

// A shipped level as play shows it: glow only where the ball has been, the
// exit's sparkles and the teleports' swirls.
void MakeShippedLevel(const std::filesystem::path& gameDir, int number) {
  const auto here = std::filesystem::current_path();
  std::filesystem::current_path(gameDir);
  gameController->level.CurrentMap = mapType::Create(number);
  std::filesystem::current_path(here);
  gameController->level.CurrentMap->Restart();
  gameController->level.ClearParticles();
  gameController->level.CurrentMap->IntroSparkles(gameController->level.Particles());
  for (int step = 0; step < 120; ++step) {
    gameController->level.StepMap(PlayRequests{}, 1);
    gameController->level.UpdateParticles();
  }
}

void ReportShareOfFrame(benchmark::State& state, double cpuSeconds) {
  const double perIteration = cpuSeconds / static_cast<double>(state.iterations());
  state.counters["of_16.7ms"] = perIteration / FrameBudgetSeconds;
}

// The resting ball adds a sparkle every other step. In play each frame's drawing
// lets the faded ones go; here nothing is drawn, so every sparkle's lifetime
// of steps the particles are made afresh, off the clock, and the chain holds
// 500 to 550 particles as in a busy level in play.
constexpr int SparkleLifeSteps = 100;

void BM_BusyStep(benchmark::State& state) {
  MakeBusyParticles();
  double offTheClock = 0;
  int sinceFresh = 0;
  const double start = ProcessCpuSeconds();
  for (auto _ : state) {
    if (++sinceFresh == SparkleLifeSteps) {
      state.PauseTiming();
      const double pausedAt = ProcessCpuSeconds();
      MakeBusyParticles();
      sinceFresh = 0;
      offTheClock += ProcessCpuSeconds() - pausedAt;
      state.ResumeTiming();
    }
    LightEveryCell();
    gameController->level.StepMap(PlayRequests{}, 1);
    gameController->level.UpdateParticles();
  }
  ReportShareOfFrame(state, ProcessCpuSeconds() - start - offTheClock);
  state.counters["particles"] = static_cast<double>(BusyParticles);
}
BENCHMARK(BM_BusyStep)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime();

// The particles move one step between frames, as in play: a frame equal to
// the one before would not be drawn at all.
void MeasureFrames(benchmark::State& state) {
  const int64_t callsBefore = DrawCallCount();
  const double start = ProcessCpuSeconds();
  for (auto _ : state) {
    gameController->level.UpdateParticles();
    DrawPlayFrame();
  }
  ReportShareOfFrame(state, ProcessCpuSeconds() - start);
  state.counters["draw_calls"] =
      static_cast<double>(DrawCallCount() - callsBefore) / static_cast<double>(state.iterations());
}

void BM_BusyFrame(benchmark::State& state) {
  MakeBusyParticles();
  LightEveryCell();
  MeasureFrames(state);
}
BENCHMARK(BM_BusyFrame)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

void BM_ShippedLevelFrame(benchmark::State& state) {
  MakeShippedLevel(gameFolder, static_cast<int>(state.range(0)));
  MeasureFrames(state);
  MakeBusyLevel();
}
BENCHMARK(BM_ShippedLevelFrame)->Arg(40)->Arg(80)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  gameFolder = GameFolder(argv[0]);
  if (!InitPlatform() || !OpenGraphics(800, 600, 0, 60, 0)) {
    std::cerr << "no display: " << LastDisplayError() << "\n";
    return 1;
  }
  LoadGameMedia(gameFolder);
  MakeBusyLevel();
  if (!currentTileSet || !currentBackground || !borderImage || !trailImages[2] || !tokenImage) {
    std::cerr << "the game's media were not found in " << gameFolder << "\n";
    return 1;
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  ShutdownPlatform();
  return 0;
}

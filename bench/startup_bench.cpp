// From exec to the first presented logo frame, and to the media loaded: the
// real game started in a child process as a player starts it, so loading the
// program and its libraries, SDL's video and audio drivers, the GL context and
// every picture and sound are counted each time. The child runs from a copy of
// the game in a temporary folder (the media and levels linked in), so the
// files it writes stay there; its debug lines are read as they come and it is
// stopped once the media are loaded.
// Run with SDL_VIDEODRIVER=offscreen (or a display) from anywhere; the game is
// looked for in MARROWICK_GAME_DIR, else in the build folder above this program.
// The audio driver is the one SDL finds, as for a player (set SDL_AUDIODRIVER
// to choose one): on a machine without a sound card that is the slow case.
// For scale, the same run times a bare SDL2 + OpenGL program (memory_bench's
// bare_gl_window) from exec to its first frame: what the system's libraries,
// the window and the driver's first drawing cost before the game does anything.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <iostream>
#include <memory>
#include <string>

#include "child_process.h"
#include "game_folder.h"

namespace {

std::unique_ptr<GameCopy> game;
std::filesystem::path barePath;

void Time(benchmark::State& state, const std::string& program, const std::string& milestone) {
  for (auto _ : state) {
    ChildProcess child({program}, {{"MARROWICK_DEBUGLOG", "1"}});
    const double seconds = child.SecondsTo(milestone, std::chrono::seconds(30));
    if (seconds < 0) {
      state.SkipWithError(("the game never wrote \"" + milestone + "\"").c_str());
      return;
    }
    state.SetIterationTime(seconds);
  }
}

void BM_ExecTo(benchmark::State& state, const std::string& milestone) { Time(state, game->Program(), milestone); }

void BM_BareSdlGlExecToFirstFrame(benchmark::State& state) {
  if (!std::filesystem::exists(barePath)) {
    state.SkipWithError("bare_gl_window was not built beside this program");
    return;
  }
  Time(state, barePath.string(), "first frame");
}
BENCHMARK(BM_BareSdlGlExecToFirstFrame)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(10);
BENCHMARK_CAPTURE(BM_ExecTo, first_logo_frame, std::string("logo shown"))
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(10);
BENCHMARK_CAPTURE(BM_ExecTo, media_loaded, std::string("media loaded"))
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(10);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  const std::filesystem::path gameDir = GameFolder(argv[0]);
  if (!std::filesystem::exists(gameDir / "marrowick") || !std::filesystem::exists(gameDir / "media")) {
    std::cerr << "the game or its media were not found in " << gameDir << "\n";
    return 1;
  }
  game = std::make_unique<GameCopy>(gameDir);
  barePath = std::filesystem::absolute(argv[0]).parent_path() / "bare_gl_window";
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  game.reset();
  return 0;
}

// Frame pacing on a real X server: the game's level loop (its fixed-step
// clock, its renderer and Flip with the software pacer that Xvfb needs, as
// it has no vertical blank) rolls the ball round an open walled room for a
// minute on an Xvfb display of its own, while a bare SDL2 + OpenGL program
// (bare/bare_gl_window.cpp --paced) swaps every 1/60 s on the same server at
// the same time. For each: frames shown per second, the share of gaps
// between shown frames over 25 ms (a frame was missed) and the longest gap.
// A frame counts as shown when Flip drew it (an unchanged frame is not
// swapped, and the room never rests: the ball rolls or sparkles every step).
// Reported: game_fps, game_late_share, game_longest_ms, the same for bare_,
// and late_over_bare, the game's late share over the bare program's.
// Needs Xvfb; MARROWICK_PACING_SECONDS shortens the minute for a quick look.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>

#include "app/frame_accumulator.h"
#include "busy_level.h"
#include "child_process.h"
#include "frame_gaps.h"
#include "game_folder.h"
#include "platform/host/platform.h"
#include "virtual_display.h"

using namespace platform;

namespace {

namespace fs = std::filesystem;

fs::path benchDir;
std::unique_ptr<VirtualDisplay> display;

double PacingSeconds() {
  const char* configured = std::getenv("MARROWICK_PACING_SECONDS");
  return configured ? std::max(1.0, std::atof(configured)) : 60.0;
}

// An open room: walls round the edge, floor inside, the ball in the middle.
void MakeRollingRoom() {
  gameController->level.CurrentMap = std::make_shared<mapType>();
  mapType& map = *gameController->level.CurrentMap;
  for (int x = 0; x < board::Width; ++x) {
    for (int y = 0; y < board::Height; ++y) {
      const bool edge = x == 0 || y == 0 || x == board::Width - 1 || y == board::Height - 1;
      map.tiles[x][y] = edge ? tile::FirstWall : tile::Floor;
    }
  }
  map.startX = board::Width / 2;
  map.startY = board::Height / 2;
  map.lockState = map.lockInitial = {0, 1};
  map.Restart();
  gameController->level.ClearParticles();
}

// Right, down, left, up, each asked for a while: the ball rolls to the wall
// and sets off again.
PlayRequests RollRequests(int step) {
  PlayRequests requests;
  switch (step / 40 % 4) {
    case 0: requests.right = true; break;
    case 1: requests.down = true; break;
    case 2: requests.left = true; break;
    default: requests.up = true; break;
  }
  return requests;
}

// The level loop as the game runs it, for `seconds`.
FrameGaps RollTheBall(double seconds) {
  FrameGaps gaps;
  FrameAccumulator clock;
  clock.Start();
  const auto end = FrameGaps::Clock::now() + std::chrono::duration_cast<FrameGaps::Clock::duration>(
                                                   std::chrono::duration<double>(seconds));
  int step = 0;
  while (FrameGaps::Clock::now() < end) {
    clock.Tick();
    while (clock.TakeStep()) {
      gameController->level.StepMap(RollRequests(step++), 1);
      gameController->level.UpdateParticles();
    }
    RecordPlayFrame();
    const int64_t callsBefore = DrawCallCount();
    Flip(1);
    if (DrawCallCount() != callsBefore) gaps.Shown(FrameGaps::Clock::now());
  }
  return gaps;
}

void BM_BallRollPacing(benchmark::State& state) {
  const double seconds = PacingSeconds();
  std::optional<FrameGaps> game, bare;
  for (auto _ : state) {
    ChildProcess barePaced({(benchDir / "bare_gl_window").string(), "--paced", std::to_string(seconds)},
                           {{"DISPLAY", display->Name()}});
    if (barePaced.SecondsTo("ready", std::chrono::seconds(60)) < 0) {
      state.SkipWithError("the bare SDL + OpenGL program did not draw");
      return;
    }
    MakeRollingRoom();
    game = RollTheBall(seconds);
    const auto line = barePaced.LineStartingWith(FrameGaps::kLinePrefix, std::chrono::seconds(30));
    bare = line ? FrameGaps::Parse(*line) : std::nullopt;
    if (!bare) {
      state.SkipWithError("the bare program did not report its frames");
      return;
    }
  }
  state.counters["game_fps"] = game->FramesPerSecond();
  state.counters["game_late_share"] = game->LateShare();
  state.counters["game_longest_ms"] = game->LongestMs();
  state.counters["bare_fps"] = bare->FramesPerSecond();
  state.counters["bare_late_share"] = bare->LateShare();
  state.counters["bare_longest_ms"] = bare->LongestMs();
  if (bare->LateShare() > 0) state.counters["late_over_bare"] = game->LateShare() / bare->LateShare();
}
BENCHMARK(BM_BallRollPacing)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  const fs::path gameDir = GameFolder(argv[0]);
  benchDir = fs::absolute(argv[0]).parent_path();
  display = std::make_unique<VirtualDisplay>();
  if (display->Name().empty()) {
    std::cerr << "Xvfb is needed\n";
    return 1;
  }
  setenv("DISPLAY", display->Name().c_str(), 1);
  setenv("SDL_VIDEODRIVER", "x11", 1);
  if (!InitPlatform() || !OpenGraphics(800, 600, 0, 60, 0)) {
    std::cerr << "no display: " << LastDisplayError() << "\n";
    return 1;
  }
  LoadGameMedia(gameDir);
  MakeBusyLevel();
  if (!currentTileSet || !currentBackground || !ballImage) {
    std::cerr << "the game's media were not found in " << gameDir << "\n";
    return 1;
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  ShutdownPlatform();
  display.reset();
  return 0;
}

// The busy level frame drawn by the game's renderer and by three yardsticks
// made of SDL2's own batched SDL_Renderer on the same GL driver
// (sdl_busy_frame.h), interleaved in one run so that the machine's load falls
// on all alike: the naive one, which draws and blends everything every frame;
// the fair one, which keeps the static layers in a target texture, copies the
// background without blending and at rest redraws only the particles' box;
// and the floor, the two full-screen copies a scrolling frame cannot avoid
// (the opaque background, one blended layer over it). The same pictures and
// counts: the tiled background, 280 walls with borders, every wall glowing,
// 500 additive particles, the 800 x 600 frame picture, the tokens and the
// button glows. Which side goes first turns round each step. The particles
// move one step between steps, so no frame equals the one before, and the
// cloud is made afresh every kCloudSteps steps (and at the start of each
// repetition), so that it keeps one spread however long the run: left alone
// the particles never fade and spread ever wider, and the at-rest cost grew
// with the length of the run. Each frame ends with a pixel read back from
// its window, so no side leaves work queued.
// BM_BusyFrame is the level at rest under its moving particles;
// BM_BusyFrameScrolling also scrolls the background a pixel a frame, so every
// pixel changes and every side draws the whole frame.
//
// Reported: the median CPU time per frame of each side (the whole process,
// the software driver's threads included) with the 10th and 90th
// percentiles, and the medians (and spreads) of the per-step ratios of the
// game to each yardstick.
// Run with SDL_VIDEODRIVER=offscreen (or a display) from anywhere; the media are
// looked for in MARROWICK_GAME_DIR, else in the build folder above this program.

#include <SDL.h>
#include <SDL_opengl.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include "busy_level.h"
#include "game_folder.h"
#include "sdl_busy_frame.h"
#include "platform/host/platform.h"
#include "puzzle/level_start.h"

using namespace platform;

namespace {

struct Spread {
  double median, low, high;
};

Spread SpreadOf(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  auto at = [&](double q) { return values[static_cast<size_t>(q * static_cast<double>(values.size() - 1))]; };
  return {at(0.5), at(0.1), at(0.9)};
}

// Every this many steps the particle cloud is made afresh.
constexpr int kCloudSteps = 50;

NaiveSdlFrame naive;
FairSdlFrame fair;
FloorSdlFrame floorFrame;
SDL_Window* gameWindow = nullptr;
SDL_GLContext gameContext = nullptr;

void DrawGameFrame() {
  SDL_GL_MakeCurrent(gameWindow, gameContext);
  DrawPlayFrame();
  ReadOnePixel();
}

struct Side {
  const char* name;
  std::function<void()> draw;
  std::vector<double> ms;
};

void MeasureSteps(benchmark::State& state, bool scrolling) {
  backgroundScrolls = scrolling ? 1 : 0;
  MakeBusyParticles();
  std::vector<Side> sides{{"game", DrawGameFrame, {}},
                          {"fair", [] { fair.Draw(); }, {}},
                          {"naive", [] { naive.Draw(); }, {}},
                          {"floor", [] { floorFrame.Draw(); }, {}}};
  int step = 0;
  for (auto _ : state) {
    if (++step % kCloudSteps == 0) MakeBusyParticles();
    gameController->level.UpdateParticles();
    if (scrolling) gameController->level.ScrollTotalX = (gameController->level.ScrollTotalX + 1) % 256;
    for (size_t turn = 0; turn < sides.size(); ++turn) {
      Side& side = sides[(turn + static_cast<size_t>(step)) % sides.size()];
      const double start = ProcessCpuSeconds();
      side.draw();
      side.ms.push_back((ProcessCpuSeconds() - start) * 1e3);
    }
  }
  const std::vector<double>& game = sides[0].ms;
  for (const Side& side : sides) {
    const Spread spread = SpreadOf(side.ms);
    const std::string name = side.name;
    state.counters[name + "_ms"] = spread.median;
    state.counters[name + "_p10"] = spread.low;
    state.counters[name + "_p90"] = spread.high;
    if (&side == &sides[0]) continue;
    std::vector<double> ratio;
    for (size_t i = 0; i < game.size(); ++i) ratio.push_back(game[i] / side.ms[i]);
    const Spread r = SpreadOf(ratio);
    state.counters["over_" + name] = r.median;
    state.counters["over_" + name + "_p10"] = r.low;
    state.counters["over_" + name + "_p90"] = r.high;
  }
}

void BM_BusyFrame(benchmark::State& state) { MeasureSteps(state, false); }
BENCHMARK(BM_BusyFrame)->Iterations(300)->Unit(benchmark::kMillisecond);

void BM_BusyFrameScrolling(benchmark::State& state) { MeasureSteps(state, true); }
BENCHMARK(BM_BusyFrameScrolling)->Iterations(300)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  const auto gameDir = GameFolder(argv[0]);
  if (!InitPlatform() || !OpenGraphics(800, 600, 0, 60, 0)) {
    std::cerr << "no display: " << LastDisplayError() << "\n";
    return 1;
  }
  gameWindow = SDL_GL_GetCurrentWindow();
  gameContext = SDL_GL_GetCurrentContext();
  LoadGameMedia(gameDir);
  MakeBusyLevel();
  if (!currentTileSet || !currentBackground || !borderImage || !trailImages[2] || !tokenImage) {
    std::cerr << "the game's media were not found in " << gameDir << "\n";
    return 1;
  }
  if (!naive.Open("naive reference") || !fair.Open("fair reference") || !floorFrame.Open("floor")) {
    std::cerr << "no SDL_Renderer: " << SDL_GetError() << "\n";
    return 1;
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  ShutdownPlatform();
  return 0;
}

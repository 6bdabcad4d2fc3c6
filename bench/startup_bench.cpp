// From nothing to the first presented logo frame: platform start, window and
// GL context, decoding media\logo.png, drawing and presenting it. Run from the
// build folder (where media\ lies) with a real or offscreen display.

#include <benchmark/benchmark.h>

#include "platform/graphics.h"
#include "platform/platform.h"

using namespace platform;

namespace {

void BM_FirstLogoFrame(benchmark::State& state) {
  for (auto _ : state) {
    InitPlatform();
    if (!OpenGraphics(800, 600, 0, 60, 0)) {
      state.SkipWithError("no display");
      return;
    }
    const TImage logo = LoadImage("media\\logo.png", -1);
    if (!logo) state.SkipWithError("media\\logo.png not found: run from the build folder");
    DrawImage(logo, 0, 0);
    Flip(0);
    ShutdownPlatform();
  }
}
BENCHMARK(BM_FirstLogoFrame)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

}  // namespace

BENCHMARK_MAIN();

// Loading the shared level media (ball, keys, borders, digits, the 17
// backgrounds and 17 tile sets) as start-up does, and the memory they hold.
// Run with SDL_VIDEODRIVER=offscreen from anywhere; the media are looked for in
// MARROWICK_GAME_DIR, else in the build folder above this program's folder.
// The media load once per process, so one run is one measurement.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "game_folder.h"
#include "platform/render/graphics.h"
#include "platform/host/platform.h"
#include "services/resources.h"

using namespace platform;

namespace {

std::filesystem::path gameFolder;

// The process's resident set in MiB, from the kernel's own account.
double ResidentMiB() {
  std::ifstream status("/proc/self/status");
  std::string key;
  while (status >> key) {
    if (key == "VmRSS:") {
      double kib = 0;
      status >> kib;
      return kib / 1024.0;
    }
    status.ignore(1 << 16, '\n');
  }
  return 0;
}

void BM_LoadMedia(benchmark::State& state) {
  const auto here = std::filesystem::current_path();
  std::filesystem::current_path(gameFolder);
  AutoImageFlags(0);
  AutoMidHandle(true);
  const double before = ResidentMiB();
  for (auto _ : state) Resources::LoadMedia();
  state.counters["resident_MiB"] = ResidentMiB();
  state.counters["grown_MiB"] = ResidentMiB() - before;
  std::filesystem::current_path(here);
  if (!currentTileSet && !tileSets[0]) state.SkipWithError("the game's media were not found");
}
BENCHMARK(BM_LoadMedia)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  gameFolder = GameFolder(argv[0]);
  if (!InitPlatform() || !OpenGraphics(800, 600, 0, 60, 0)) {
    std::cerr << "no display: " << LastDisplayError() << "\n";
    return 1;
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  ShutdownPlatform();
  return 0;
}

// The editor's distance map on every shipped level: one Solve each, as the
// editor runs it after every painted cell, and the slowest of them reported
// once more at the end. The levels are looked for in MARROWICK_GAME_DIR, else
// in the build folder above this program's folder.

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <iostream>
#include <memory>
#include <vector>

#include "game_folder.h"
#include "puzzle/map.h"
#include "puzzle/map_solver.h"

namespace {

std::vector<std::shared_ptr<mapType>> shippedLevels;
mapSolverType solver;

void BM_SolveLevel(benchmark::State& state) {
  const mapType& map = *shippedLevels[static_cast<size_t>(state.range(0))];
  for (auto _ : state) {
    solver.Solve(map);
    benchmark::DoNotOptimize(solver.maxDistance);
  }
  state.counters["maxDistance"] = solver.maxDistance;
}
BENCHMARK(BM_SolveLevel)->DenseRange(0, levels::Last)->Unit(benchmark::kMicrosecond);

// The best of a few timed runs per level, to name the slowest level.
void ReportSlowest() {
  constexpr int Runs = 20;
  double slowest = 0;
  int slowestLevel = -1;
  for (size_t n = 0; n < shippedLevels.size(); ++n) {
    double best = 1e9;
    for (int run = 0; run < Runs; ++run) {
      const auto begin = std::chrono::steady_clock::now();
      solver.Solve(*shippedLevels[n]);
      const std::chrono::duration<double, std::micro> spent = std::chrono::steady_clock::now() - begin;
      best = std::min(best, spent.count());
    }
    if (best > slowest) {
      slowest = best;
      slowestLevel = static_cast<int>(n);
    }
  }
  std::cout << "slowest Solve: level " << slowestLevel << ", " << slowest << " us (one step is 16667 us)\n";
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  auto shipped = LoadShippedLevels(GameFolder(argv[0]));
  if (!shipped) return 1;
  shippedLevels = std::move(*shipped);
  benchmark::RunSpecifiedBenchmarks();
  ReportSlowest();
  benchmark::Shutdown();
  return 0;
}

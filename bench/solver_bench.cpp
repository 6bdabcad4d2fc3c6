// The level solver on every shipped level: one full search (every reachable
// resting state, least moves, dead ends), the par the play screen works out
// as a level begins, and the whole review the checks run, which solves again
// without each kind of active tile. The levels are looked
// for in MARROWICK_GAME_DIR, else in the build folder above this program's folder.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <iostream>
#include <vector>

#include "game_folder.h"
#include "puzzle/level_rules.h"
#include "puzzle/level_solver.h"
#include "puzzle/map.h"
#include "puzzle/shortest_way.h"

namespace {

std::vector<mapType> shippedLevels;

void BM_SolveLevel(benchmark::State& state) {
  const mapType& map = shippedLevels[static_cast<size_t>(state.range(0))];
  LevelSolution solution;
  for (auto _ : state) {
    solution = SolveLevel(map);
    benchmark::DoNotOptimize(solution.leastMoves);
  }
  state.counters["moves"] = solution.leastMoves;
  state.counters["states"] = solution.restingStates;
}
BENCHMARK(BM_SolveLevel)->DenseRange(0, levels::Last)->Unit(benchmark::kMicrosecond);

void BM_LeastMoves(benchmark::State& state) {
  const mapType& map = shippedLevels[static_cast<size_t>(state.range(0))];
  int least = 0;
  for (auto _ : state) {
    least = LeastMoves(map);
    benchmark::DoNotOptimize(least);
  }
  state.counters["moves"] = least;
}
BENCHMARK(BM_LeastMoves)->DenseRange(0, levels::Last)->Unit(benchmark::kMicrosecond);

void BM_ReviewEveryLevel(benchmark::State& state) {
  for (auto _ : state) {
    for (size_t n = 0; n < shippedLevels.size(); ++n) {
      const LevelReview review = ReviewLevel(shippedLevels[n], n > 0 ? &shippedLevels[n - 1] : nullptr);
      benchmark::DoNotOptimize(review.solution.leastMoves);
    }
  }
}
BENCHMARK(BM_ReviewEveryLevel)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  const auto shipped = LoadShippedLevels(GameFolder(argv[0]));
  if (!shipped) return 1;
  for (const auto& level : *shipped) shippedLevels.push_back(*level);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

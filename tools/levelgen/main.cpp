// levelgen FOLDER [FIRST]: makes levels FIRST..80 (all of them by default) as
// FOLDER/levels/<n>.lvl, each from a fixed seed and the level before it, which
// for FIRST > 0 is read from the folder. Every level is proved by the solver
// against the rules of the level set before it is written. With LEVELGEN_SHOW
// set, each level is also printed as text.

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "layout.h"
#include "level_picture.h"
#include "level_plan.h"
#include "level_search.h"
#include "puzzle/level_rules.h"
#include "random_source.h"

namespace {

constexpr int LevelCount = levels::Last + 1;
constexpr int ExtraRounds = 6;  // further searches for a level that still breaks a rule

uint64_t SeedFor(int number) { return 0x4D6172726F776963ull + 7919ull * static_cast<uint64_t>(number); }

int GroupSize(int group) { return std::min(levels::GroupSize, LevelCount - group * levels::GroupSize); }

// The fewest moves, and guessed moves, that still lift this level's group above
// the group before, assuming the rest of the group takes as many. A guessing
// player's moves spread widely, so the guessing floor keeps a margin.
LevelFloor FloorFor(int number, const std::vector<LevelReview>& reviews) {
  const int group = number / levels::GroupSize;
  if (group == 0) return {};
  int made = 0, moves = 0;
  double guessing = 0;
  for (const LevelReview& r : reviews) {
    if (r.number / levels::GroupSize != group) continue;
    ++made, moves += r.solution.leastMoves, guessing += r.solution.guessingMoves;
  }
  const int left = GroupSize(group) - made;
  LevelFloor floor;
  const double neededMoves = GroupAverage(reviews, group - 1) * GroupSize(group) - moves;
  floor.moves = static_cast<int>(std::floor(neededMoves / left + 1e-9)) + 1;
  if (group > schedule::FirstGuessedGroup) {
    const double neededGuessing = 1.25 * GroupGuessing(reviews, group - 1) * GroupSize(group) - guessing;
    floor.guessing = std::max(neededGuessing / left, 0.5 * GroupGuessing(reviews, group - 1));
  }
  if (group == levels::Last / levels::GroupSize) {
    floor.guessing = std::max(floor.guessing, 1.25 * schedule::LastGuessingFactor *
                                                  GroupGuessing(reviews, schedule::FirstGuessedGroup));
  }
  return floor;
}

void PrintRow(const LevelReview& r, double seconds) {
  const LevelSolution& s = r.solution;
  std::printf("%5d %5d %5d %6d %5d %7d %6d %12.0f %5.2f %5.2f  %-24s %6.2fs\n", r.number,
              r.number / levels::GroupSize, s.leastMoves, s.restingStates, s.deadEnds, s.choicePoints,
              s.solutionChoices, s.guessingMoves, r.wallsInShapes, r.sameLookPairs, FeatureNames(r.features).c_str(),
              seconds);
  std::fflush(stdout);
}

double SecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: levelgen FOLDER [FIRST]\n");
    return 2;
  }
  const int first = argc == 3 ? std::atoi(argv[2]) : 0;
  if (first < 0 || first > levels::Last) {
    std::fprintf(stderr, "levelgen: FIRST must be 0-%d\n", levels::Last);
    return 2;
  }
  std::error_code error;
  std::filesystem::create_directories(std::filesystem::path(argv[1]) / "levels", error);
  std::filesystem::current_path(argv[1], error);
  if (error) {
    std::fprintf(stderr, "levelgen: cannot work in %s: %s\n", argv[1], error.message().c_str());
    return 1;
  }

  std::vector<mapType> maps;
  std::vector<LevelReview> reviews;
  for (int n = 0; n < first; ++n) {
    maps.push_back(*mapType::Create(n));
    reviews.push_back(ReviewLevel(maps.back(), n > 0 ? &maps[n - 1] : nullptr));
  }

  std::printf("level group moves states  dead choices onpath      guessed shape  look  features\n");
  const auto started = std::chrono::steady_clock::now();
  const std::clock_t processorStarted = std::clock();
  for (int n = first; n < LevelCount; ++n) {
    const auto levelStarted = std::chrono::steady_clock::now();
    const mapType* previous = n > 0 ? &maps[n - 1] : nullptr;
    const LevelGround ground = GroundFor(n, previous);
    RandomSource random(SeedFor(n));
    const LevelPlan plan = PlanLevel(n, ground.startEdge, FloorFor(n, reviews), random);

    const auto fits = [&](const Candidate& c) {
      return LevelProblems(c.review).empty() && c.review.solution.leastMoves >= plan.targetMoves &&
             c.review.solution.guessingMoves >= plan.leastGuessing;
    };
    Candidate best = SearchLevel(plan, ground, previous, random);
    for (int round = 0; round < ExtraRounds && !fits(best); ++round) {
      Candidate again = SearchLevel(plan, ground, previous, random);
      if (again.score > best.score) best = std::move(again);
    }
    const std::vector<std::string> problems = LevelProblems(best.review);
    const LevelSolution& found = best.review.solution;
    if (!problems.empty() || found.leastMoves < plan.targetMoves) {
      std::fprintf(stderr, "levelgen: no level %d fits its plan (aimed at %d moves, found %d, score %d)\n", n,
                   plan.targetMoves, found.leastMoves, best.score);
      for (const std::string& problem : problems) std::fprintf(stderr, "  %s\n", problem.c_str());
      std::fprintf(stderr, "%s", LevelPicture(best.map).c_str());
      return 1;
    }
    if (found.guessingMoves < plan.leastGuessing) {
      std::fprintf(stderr, "levelgen: level %d needs %.0f guessed moves, aimed at %.0f\n", n, found.guessingMoves,
                   plan.leastGuessing);
    }
    best.map.Save(1);
    maps.push_back(best.map);
    reviews.push_back(best.review);
    PrintRow(best.review, SecondsSince(levelStarted));
    if (std::getenv("LEVELGEN_SHOW")) std::printf("%s\n", LevelPicture(best.map).c_str()), std::fflush(stdout);
  }

  for (int group = 0; group <= levels::Last / levels::GroupSize; ++group) {
    std::printf("group %2d averages %5.2f moves, %12.0f guessed\n", group, GroupAverage(reviews, group),
                GroupGuessing(reviews, group));
  }
  for (const std::string& problem : LevelSetProblems(reviews)) std::fprintf(stderr, "levelgen: %s\n", problem.c_str());
  std::printf("levels %d-%d made in %.1f s (%.1f s of processor time)\n", first, levels::Last, SecondsSince(started),
              static_cast<double>(std::clock() - processorStarted) / CLOCKS_PER_SEC);
  return LevelSetProblems(reviews).empty() ? 0 : 1;
}

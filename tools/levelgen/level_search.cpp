#include "level_search.h"

#include <climits>

#include "layout_edits.h"
#include "level_score.h"

namespace {

Candidate Evaluate(Layout layout, const LevelPlan& plan, const LevelGround& ground, const mapType* previous) {
  Candidate candidate;
  candidate.map = PaintLevel(layout, plan, ground);
  candidate.layout = std::move(layout);
  candidate.review = ReviewLevel(candidate.map, previous);
  candidate.score = ScoreLevel(candidate.map, candidate.review, plan);
  return candidate;
}

// Up to three changes at once help the climb across narrow ridges.
Candidate Climb(Candidate current, const LevelPlan& plan, const LevelGround& ground, const mapType* previous,
                RandomSource& random) {
  for (int step = 0; step < plan.steps; ++step) {
    Layout changed = current.layout;
    const int changes = 1 + (random.Percent(30) ? random.Between(1, 2) : 0);
    for (int i = 0; i < changes; ++i) Mutate(changed, plan, ground, random);
    Candidate next = Evaluate(std::move(changed), plan, ground, previous);
    if (next.score >= current.score) current = std::move(next);
  }
  return current;
}

}  // namespace

Candidate SearchLevel(const LevelPlan& plan, const LevelGround& ground, const mapType* previous,
                      RandomSource& random) {
  Candidate best;
  best.score = INT_MIN;
  for (int restart = 0; restart < plan.restarts; ++restart) {
    Candidate start = Evaluate(RandomLayout(plan, ground, random), plan, ground, previous);
    Candidate climbed = Climb(std::move(start), plan, ground, previous, random);
    if (climbed.score > best.score) best = std::move(climbed);
  }
  return best;
}

#pragma once
// Finds a level for a plan by climbing: fresh layouts, each changed a little
// at a time, keeping every change that scores no worse. The generator trusts
// only what the solver has proved, so the result comes with its review.

#include "layout.h"
#include "puzzle/level_rules.h"
#include "random_source.h"

struct Candidate {
  Layout layout;
  mapType map;
  LevelReview review;
  int score = 0;
};

Candidate SearchLevel(const LevelPlan& plan, const LevelGround& ground, const mapType* previous,
                      RandomSource& random);
